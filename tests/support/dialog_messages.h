#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/cwnd.h"

// What a user does and sees in a dialog, said in the dialog's own messages, so that the same
// test runs on every backend. `id` names a control of `dialog`.

std::string TextOf(const CWnd& dialog, int id);
bool IsChecked(const CWnd& dialog, int id);
// A click on a push button or check box (BM_CLICK).
void Click(CWnd& dialog, int id);

std::vector<std::string> ListItems(const CWnd& dialog, int id);
// The user's choice of an item in a drop-down list: selected, then reported to the dialog.
void Choose(CWnd& dialog, int id, const std::string& item);

int SliderPosition(const CWnd& dialog, int id);
// Moves a slider without telling anyone, as the program can.
void PlaceSlider(CWnd& dialog, int id, int position);
// A drag of the slider to `position`, reported when the mouse lets go.
void DragSlider(CWnd& dialog, int id, int position);

// The bits of the bitmap a picture control shows; empty when it shows none.
std::vector<std::uint8_t> PictureBits(const CWnd& dialog, int id);

// A paste into an edit box (WM_PASTE), as Ctrl+V asks for.
void PasteInto(CWnd& dialog, int id);
