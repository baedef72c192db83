#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "internal/ansi_text.h"

BOOL GetClipboardTextA(CString& rText) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) {
    rText = CString();
    return FALSE;
  }
  rText = CString(ToAnsi(data->text()).c_str());
  return TRUE;
}
