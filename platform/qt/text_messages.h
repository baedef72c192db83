#pragma once

#include <QString>
#include <algorithm>
#include <string>

#include "platform/qt/ansi_text.h"
#include "platform/qt/window_record.h"
#include "platform/win_constants.h"

namespace platform::qt {

// Answers WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH for a window whose text is `current`;
// `assign` takes a new text. Returns false for any other message.
template <class Assign>
bool HandleTextMessage(UINT message, WPARAM wParam, LPARAM lParam, const QString& current,
                       Assign assign, LRESULT* result) {
  switch (message) {
    case WM_SETTEXT: {
      // The same text again changes nothing on screen: no repaint.
      const QString text = FromAnsi(reinterpret_cast<const char*>(lParam));
      if (text != current) {
        assign(text);
      }
      *result = TRUE;
      return true;
    }
    case WM_GETTEXTLENGTH:
      *result = current.size();
      return true;
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lParam);
      const std::string text = ToAnsi(current);
      if (buffer == nullptr || wParam == 0) {
        *result = 0;
        return true;
      }
      const std::size_t copied = std::min<std::size_t>(text.size(), wParam - 1);
      text.copy(buffer, copied);
      buffer[copied] = '\0';
      *result = static_cast<LRESULT>(copied);
      return true;
    }
    default:
      return false;
  }
}

// The window procedure of a control that understands only the text messages; `Text` and
// `SetText` are the widget's own accessors.
template <class Widget, QString (Widget::*Text)() const, void (Widget::*SetText)(const QString&)>
LRESULT TextWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* widget = static_cast<Widget*>(WidgetOf(hWnd));
  LRESULT result = 0;
  HandleTextMessage(
      message, wParam, lParam, (widget->*Text)(),
      [widget](const QString& text) { (widget->*SetText)(text); }, &result);
  return result;
}

}  // namespace platform::qt
