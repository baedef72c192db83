#include "platform/qt/controls/controls.h"

#include <QWidget>
#include <cstring>
#include <memory>

#include "platform/qt/controls/accessibility.h"
#include "platform/qt/window_record.h"
#include "platform/win_constants.h"

namespace platform::qt {

namespace {

bool IsClass(const DialogItemTemplate& item, const char* windowClass) {
  return std::strcmp(item.windowClass, windowClass) == 0;
}

// Makes the widget; false for a control the layer does not offer.
bool MakeWidget(HWND control, const DialogItemTemplate& item, HINSTANCE resources) {
  if (IsClass(item, WC_BUTTON)) {
    switch (item.style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        MakePushButton(control, item);
        return true;
      case BS_AUTOCHECKBOX:
        MakeCheckBox(control, item);
        return true;
      case BS_GROUPBOX:
        MakeGroupBox(control, item);
        return true;
      default:
        return false;
    }
  }
  if (IsClass(item, WC_STATIC)) {
    if ((item.style & SS_TYPEMASK) == SS_BITMAP) {
      MakeStaticPicture(control, item, resources);
    } else {
      MakeStaticText(control, item);
    }
    return true;
  }
  if (IsClass(item, WC_EDIT)) {
    MakeReadOnlyEdit(control, item);
    return true;
  }
  if (IsClass(item, WC_COMBOBOX)) {
    MakeDropDownList(control, item);
    return true;
  }
  if (IsClass(item, TRACKBAR_CLASS)) {
    MakeTrackbar(control, item);
    return true;
  }
  return false;
}

}  // namespace

QWidget* DialogWidgetOf(HWND control) {
  return WidgetOf(Window(control)->parent);
}

HWND CreateControl(HWND dialog, const DialogItemTemplate& item, const QRect& pixels,
                   HINSTANCE resources) {
  InstallControlAccessibility();
  auto record = std::make_unique<WindowRecord>();
  record->parent = dialog;
  record->id = item.id;
  record->style = item.style;
  const HWND control = AddWindow(std::move(record));
  if (!MakeWidget(control, item, resources)) {
    RemoveWindow(control);
    return nullptr;
  }
  QWidget* widget = WidgetOf(control);
  widget->setGeometry(pixels);
  if (IsClass(item, WC_COMBOBOX)) {
    // The template's height includes the dropped list; the closed box is as high as its font.
    widget->resize(pixels.width(), widget->sizeHint().height());
  }
  if (IsClass(item, WC_EDIT) || IsClass(item, TRACKBAR_CLASS)) {
    // Opaque, as the controls that change while the user works: their repaints then leave the
    // group box and the dialog behind them alone.
    widget->setAutoFillBackground(true);
  }
  if ((item.style & WS_TABSTOP) == 0) {
    widget->setFocusPolicy(widget->focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
  }
  widget->setVisible((item.style & WS_VISIBLE) != 0);
  return control;
}

}  // namespace platform::qt
