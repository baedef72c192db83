#pragma once

#include <QRect>

#include "platform/resource_table.h"
#include "platform/win_types.h"

class QWidget;

namespace platform::qt {

// Makes the control a template item describes, placed at `pixels` in its dialog, and registers
// its window; null for a window class the layer does not offer.
HWND CreateControl(HWND dialog, const DialogItemTemplate& item, const QRect& pixels,
                   HINSTANCE resources);

// One per kind of control: each makes the widget of the control's record, a child of its
// dialog's widget, and sets its window procedure.
void MakePushButton(HWND control, const DialogItemTemplate& item);
void MakeCheckBox(HWND control, const DialogItemTemplate& item);
void MakeGroupBox(HWND control, const DialogItemTemplate& item);
void MakeStaticText(HWND control, const DialogItemTemplate& item);
void MakeStaticPicture(HWND control, const DialogItemTemplate& item, HINSTANCE resources);
void MakeReadOnlyEdit(HWND control, const DialogItemTemplate& item);
void MakeDropDownList(HWND control, const DialogItemTemplate& item);
void MakeTrackbar(HWND control, const DialogItemTemplate& item);

// The widget a new control goes into: its dialog's.
QWidget* DialogWidgetOf(HWND control);

}  // namespace platform::qt
