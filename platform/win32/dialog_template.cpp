#include "platform/win32/dialog_template.h"

#include <cstring>

namespace platform::win32 {

namespace {

constexpr WORD kTemplateVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMarker = 0xFFFF;
constexpr WORD kNone = 0;
// The program's dialog font, MS Sans Serif, is a bitmap font with no size above 144 DPI, where
// the dialogs would stop growing; there the system's dialog font, which scales, stands in. Up
// to 144 the template's own font keeps the dialogs as they have always looked (the shell font
// is wider there and would clip texts).
constexpr int kLargestBitmapFontDpi = 144;
constexpr const char* kShellFont = "MS Shell Dlg";

bool ScreenAboveBitmapFontSizes() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > kLargestBitmapFontDpi;
}

class TemplateWriter {
 public:
  void Word(WORD value) { m_words.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Short(short value) { Word(static_cast<WORD>(value)); }
  // 8-bit text, in the system's code page, as the NUL-terminated UTF-16 a template holds.
  void Text(const char* text) {
    const int length = text == nullptr || *text == '\0'
                           ? 0
                           : MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) - 1;
    const std::size_t start = m_words.size();
    m_words.resize(start + static_cast<std::size_t>(length) + 1, 0);
    if (length > 0) {
      MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<LPWSTR>(&m_words[start]),
                          length + 1);
    }
  }
  void Ordinal(WORD id) {
    Word(kOrdinalMarker);
    Word(id);
  }
  void AlignToDword() {
    if (m_words.size() % 2 != 0) {
      Word(0);
    }
  }
  std::vector<WORD> Take() { return std::move(m_words); }

 private:
  std::vector<WORD> m_words;
};

bool IsPicture(const DialogItemTemplate& item) {
  return std::strcmp(item.windowClass, WC_STATIC) == 0 && (item.style & SS_TYPEMASK) == SS_BITMAP;
}

void WriteItem(TemplateWriter& out, const DialogItemTemplate& item) {
  out.AlignToDword();
  out.Dword(0);  // help context
  out.Dword(0);  // extended style
  out.Dword(item.style);
  out.Short(item.x);
  out.Short(item.y);
  out.Short(item.cx);
  out.Short(item.cy);
  out.Dword(item.id);
  out.Text(item.windowClass);
  if (IsPicture(item)) {
    // The static control loads the bitmap by this number from the dialog's module.
    out.Ordinal(item.imageId);
  } else {
    out.Text(item.text);
  }
  out.Word(0);  // no creation data
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate) {
  TemplateWriter out;
  out.Word(kTemplateVersion);
  out.Word(kExtendedSignature);
  out.Dword(0);  // help context
  out.Dword(dialogTemplate.exStyle);
  const bool setsFont = (dialogTemplate.style & DS_SETFONT) != 0;
  const bool shellFont = setsFont && ScreenAboveBitmapFontSizes();
  out.Dword(shellFont ? dialogTemplate.style | DS_SHELLFONT : dialogTemplate.style);
  out.Word(static_cast<WORD>(dialogTemplate.items.size()));
  out.Short(0);  // x and y: the dialog is placed when it starts
  out.Short(0);
  out.Short(dialogTemplate.cx);
  out.Short(dialogTemplate.cy);
  out.Word(kNone);  // menu
  out.Word(kNone);  // window class: the dialog class
  out.Text(dialogTemplate.caption);
  if (setsFont) {
    out.Word(dialogTemplate.pointSize);
    out.Word(FW_DONTCARE);
    out.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, then character set
    out.Text(shellFont ? kShellFont : dialogTemplate.fontName);
  }
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    WriteItem(out, item);
  }
  return out.Take();
}

}  // namespace platform::win32
