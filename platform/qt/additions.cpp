#include "platform/additions.h"
#include "platform/detail/backend_contract.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

#include "platform/cwnd.h"
#include "platform/qt/ansi_text.h"
#include "platform/qt/window_record.h"

namespace platform {

bool GetClipboardText(std::string& text) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) {
    text.clear();
    return false;
  }
  text = qt::ToAnsi(data->text());
  return true;
}

void SetToolTip(CWnd& window, LPCSTR text) {
  if (QWidget* widget = qt::WidgetOf(window.m_hWnd)) {
    widget->setToolTip(qt::FromAnsi(text));
  }
}

}  // namespace platform
