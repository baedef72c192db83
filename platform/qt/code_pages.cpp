#include <cstdint>
#include <cwchar>
#include <string>

#include "platform/detail/backend_contract.h"

// The program's 8-bit text on this backend is Latin-1 (platform/qt/ansi_text.h): each wide
// character up to U+00FF is that byte, any other the default character.
int WideCharToMultiByte(UINT CodePage, DWORD, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        BOOL* lpUsedDefaultChar) {
  if (CodePage != CP_ACP || lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 ||
      cbMultiByte < 0) {
    return 0;
  }
  // -1: up to and with the terminating NUL.
  const std::size_t length =
      cchWideChar == -1 ? std::wcslen(lpWideCharStr) + 1 : static_cast<std::size_t>(cchWideChar);
  const char fallback = lpDefaultChar != nullptr ? *lpDefaultChar : '?';
  std::string text(length, '\0');
  bool usedDefault = false;
  for (std::size_t i = 0; i < length; ++i) {
    const auto character = static_cast<std::uint32_t>(lpWideCharStr[i]);
    usedDefault = usedDefault || character > 0xFF;
    text[i] = character > 0xFF ? fallback : static_cast<char>(character);
  }
  if (lpUsedDefaultChar != nullptr) {
    *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
  }
  if (cbMultiByte == 0) {
    return static_cast<int>(length);
  }
  // A text that does not fit whole fails, as on Windows.
  if (lpMultiByteStr == nullptr || length > static_cast<std::size_t>(cbMultiByte)) {
    return 0;
  }
  text.copy(lpMultiByteStr, length);
  return static_cast<int>(length);
}
