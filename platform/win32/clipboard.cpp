#include <memory>
#include <thread>

#include "platform/additions.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/clipboard_text.h"

namespace platform {

namespace {

// Another program may hold the clipboard open for a moment while it writes.
constexpr int kOpenTries = 10;
constexpr DWORD kOpenRetryMilliseconds = 10;
// How long a paste waits for the clipboard's text: an owner that hands it over only when asked,
// and Wine's clipboard, which it brings up to date from X11 through another process, may take
// a while on a busy machine; one that never answers no longer keeps the helper waiting.
constexpr DWORD kRenderingWaitMilliseconds = 5000;

struct Reading {
  ClipboardRead result = ClipboardRead::kNoText;
  std::string text;
};

// In the system's code page, with '?' for what it lacks: never a look-alike (a full-width digit
// is no digit, U+2212 no minus sign), so that such text is refused as on every other system.
std::string ToAnsi(const wchar_t* characters, std::size_t count) {
  // The UTF-8 code page has every character and takes neither the flag nor a default.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* unknown = utf8 ? nullptr : "?";
  const auto length = static_cast<int>(count);
  const int size =
      WideCharToMultiByte(CP_ACP, flags, characters, length, nullptr, 0, unknown, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, flags, characters, length, text.data(), size, unknown, nullptr);
  return text;
}

// The whole block, not up to its first NUL: another program wrote it.
bool ReadBlock(UINT format, std::string& text) {
  const HANDLE data = GetClipboardData(format);
  const void* bytes = data != nullptr ? GlobalLock(data) : nullptr;
  if (bytes == nullptr) {
    return false;
  }
  const SIZE_T size = GlobalSize(data);
  text = format == CF_UNICODETEXT
             ? ToAnsi(static_cast<const wchar_t*>(bytes), size / sizeof(wchar_t))
             : std::string(static_cast<const char*>(bytes), size);
  GlobalUnlock(data);
  detail::DropTrailingNuls(text);
  return true;
}

bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < kOpenTries; ++attempt) {
    if (OpenClipboard(owner)) {
      return true;
    }
    Sleep(kOpenRetryMilliseconds);
  }
  return false;
}

Reading ReadClipboard() {
  if (!OpenClipboardSoon(nullptr)) {
    return {ClipboardRead::kBusy, {}};
  }
  Reading reading;
  // Unicode text whenever there is any: 8-bit text only where a program offers nothing else.
  const UINT format = IsClipboardFormatAvailable(CF_UNICODETEXT) ? CF_UNICODETEXT
                      : IsClipboardFormatAvailable(CF_TEXT)      ? CF_TEXT
                                                                 : 0;
  if (format != 0 && ReadBlock(format, reading.text)) {
    reading.result = ClipboardRead::kText;
  }
  CloseClipboard();
  return reading;
}

// Waits for the reading while answering what other threads send this one, and nothing else:
// the clipboard's owner may be a window of this thread, which Windows asks to render its text,
// and Wine to bring the clipboard up to date, before the reading can go on.
bool AwaitTakingSentMessages(HANDLE done) {
  const ULONGLONG deadline = GetTickCount64() + kRenderingWaitMilliseconds;
  for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
    const DWORD woken = MsgWaitForMultipleObjects(
        1, &done, FALSE, static_cast<DWORD>(deadline - now), QS_SENDMESSAGE);
    if (woken != WAIT_OBJECT_0 + 1) {
      return woken == WAIT_OBJECT_0;
    }
    MSG sent{};
    PeekMessageA(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  return WaitForSingleObject(done, 0) == WAIT_OBJECT_0;
}

// What the reader and the caller share: the reader may outlive the call.
struct SharedReading {
  SharedReading() = default;
  SharedReading(const SharedReading&) = delete;
  SharedReading& operator=(const SharedReading&) = delete;
  ~SharedReading() { CloseHandle(done); }

  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  Reading reading;
};

}  // namespace

// The reading runs on a thread of its own: an owner that renders its text only when asked
// holds GetClipboardData for as long as it fails to answer, and nothing can cancel that. A
// reader given up on waits on alone, as any program reading that owner's clipboard would, and
// touches nothing but its own reading; it closes the clipboard and ends once the owner answers
// or goes.
ClipboardRead GetClipboardText(std::string& text) {
  text.clear();
  const auto shared = std::make_shared<SharedReading>();
  std::thread([shared] {
    shared->reading = ReadClipboard();
    SetEvent(shared->done);
  }).detach();
  if (!AwaitTakingSentMessages(shared->done)) {
    return ClipboardRead::kBusy;
  }
  text = std::move(shared->reading.text);
  return shared->reading.result;
}

// As Unicode text, from which Windows makes the 8-bit forms other programs may ask for.
void detail::PutOnClipboard(HWND owner, const std::string& text) {
  const auto bytes = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
  const HGLOBAL block =
      GlobalAlloc(GMEM_MOVEABLE, (static_cast<SIZE_T>(length) + 1) * sizeof(wchar_t));
  if (block == nullptr) {
    return;
  }
  if (auto* characters = static_cast<wchar_t*>(GlobalLock(block))) {
    MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, characters, length);
    characters[length] = L'\0';
    GlobalUnlock(block);
  }
  const bool placed = OpenClipboardSoon(owner) && EmptyClipboard() &&
                      SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  CloseClipboard();
  if (!placed) {
    GlobalFree(block);
  }
}

}  // namespace platform
