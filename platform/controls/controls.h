#pragma once

#include <QRect>
#include <memory>

#include "internal/window_record.h"
#include "platform/resource_table.h"

// Makes the control a template item describes, placed at `pixels` in its dialog; null for a
// window class the platform does not offer.
std::unique_ptr<HWND__> CreateControl(HWND dialog, const DialogItemTemplate& item,
                                      const QRect& pixels, HINSTANCE resources);

// One per kind of control: each makes the widget of `control` and sets its window procedure.
void MakePushButton(HWND control, const DialogItemTemplate& item);
void MakeCheckBox(HWND control, const DialogItemTemplate& item);
void MakeGroupBox(HWND control, const DialogItemTemplate& item);
void MakeStaticText(HWND control, const DialogItemTemplate& item);
void MakeStaticPicture(HWND control, const DialogItemTemplate& item, HINSTANCE resources);
void MakeReadOnlyEdit(HWND control, const DialogItemTemplate& item);
void MakeDropDownList(HWND control, const DialogItemTemplate& item);
void MakeTrackbar(HWND control, const DialogItemTemplate& item);
