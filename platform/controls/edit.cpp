#include <QLineEdit>

#include "controls.h"
#include "internal/ansi_text.h"

namespace {

LRESULT EditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* edit = static_cast<QLineEdit*>(hWnd->widget);
  LRESULT result = 0;
  HandleTextMessage(
      message, wParam, lParam, edit->text(), [edit](const QString& text) { edit->setText(text); },
      &result);
  return result;
}

}  // namespace

// The edit boxes of this program are all read-only: the text can be selected and copied, and
// only the program writes it. Like Windows, they show it on the dialog's background.
void MakeReadOnlyEdit(HWND control, const DialogItemTemplate& item) {
  auto* edit = new QLineEdit(FromAnsi(item.text), control->parent->widget);
  edit->setReadOnly((item.style & ES_READONLY) != 0);
  edit->setFrame((item.style & WS_BORDER) != 0);
  QPalette palette = edit->palette();
  palette.setBrush(QPalette::Base, palette.window());
  edit->setPalette(palette);
  control->widget = edit;
  control->proc = EditProc;
}
