#include "platform/additions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

#include "platform/cwnd.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/clipboard_text.h"
#include "platform/qt/ansi_text.h"
#include "platform/qt/window_record.h"

namespace platform {

ClipboardRead GetClipboardText(std::string& text) {
  text.clear();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) {
    return ClipboardRead::kNoText;
  }
  text = qt::ToAnsi(data->text());
  detail::DropTrailingNuls(text);
  return ClipboardRead::kText;
}

void detail::PutOnClipboard(HWND, const std::string& text) {
  QGuiApplication::clipboard()->setText(qt::FromAnsi(text.c_str()));
}

void SetToolTip(CWnd& window, LPCSTR text) {
  if (QWidget* widget = qt::WidgetOf(window.m_hWnd)) {
    widget->setToolTip(qt::FromAnsi(text));
  }
}

void SetAccessibleDescription(CWnd& window, LPCSTR text) {
  if (QWidget* widget = qt::WidgetOf(window.m_hWnd)) {
    widget->setAccessibleDescription(qt::FromAnsi(text));
  }
}

}  // namespace platform
