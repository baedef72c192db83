#pragma once

#include <QString>
#include <algorithm>
#include <string>

#include "platform/win_constants.h"
#include "window_record.h"

// The program's text is 8-bit; Latin-1 keeps every byte as one character and back.
inline QString FromAnsi(const char* text) {
  return QString::fromLatin1(text == nullptr ? "" : text);
}
inline std::string ToAnsi(const QString& text) {
  return text.toLatin1().toStdString();
}

// Answers WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH for a window whose text is `current`;
// `assign` takes a new text. Returns false for any other message.
template <class Assign>
bool HandleTextMessage(UINT message, WPARAM wParam, LPARAM lParam, const QString& current,
                       Assign assign, LRESULT* result) {
  switch (message) {
    case WM_SETTEXT:
      assign(FromAnsi(reinterpret_cast<const char*>(lParam)));
      *result = TRUE;
      return true;
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
  auto* widget = static_cast<Widget*>(hWnd->widget);
  LRESULT result = 0;
  HandleTextMessage(
      message, wParam, lParam, (widget->*Text)(),
      [widget](const QString& text) { (widget->*SetText)(text); }, &result);
  return result;
}
