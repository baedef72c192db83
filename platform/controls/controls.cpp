#include "controls.h"

#include <QWidget>
#include <cstring>

#include "accessibility.h"
#include "platform/cslider_ctrl.h"

namespace {

bool IsClass(const DialogItemTemplate& item, const char* windowClass) {
  return std::strcmp(item.windowClass, windowClass) == 0;
}

// Makes the widget; false for a control the platform does not offer.
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

std::unique_ptr<HWND__> CreateControl(HWND dialog, const DialogItemTemplate& item,
                                      const QRect& pixels, HINSTANCE resources) {
  InstallControlAccessibility();
  auto control = std::make_unique<HWND__>();
  control->parent = dialog;
  control->id = item.id;
  control->style = item.style;
  if (!MakeWidget(control.get(), item, resources)) {
    return nullptr;
  }
  control->ownedWrapper =
      IsClass(item, TRACKBAR_CLASS) ? std::make_unique<CSliderCtrl>() : std::make_unique<CWnd>();
  control->ownedWrapper->m_hWnd = control.get();
  control->wnd = control->ownedWrapper.get();

  QWidget* widget = control->widget;
  widget->setGeometry(pixels);
  if (IsClass(item, WC_COMBOBOX)) {
    // The template's height includes the dropped list; the closed box is as high as its font.
    widget->resize(pixels.width(), widget->sizeHint().height());
  }
  if ((item.style & WS_TABSTOP) == 0) {
    widget->setFocusPolicy(widget->focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
  }
  widget->setVisible((item.style & WS_VISIBLE) != 0);
  return control;
}
