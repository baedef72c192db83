#include <set>
#include <vector>

#include "platform/detail/window_map.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

constexpr UINT kWatchMilliseconds = 10;
constexpr const char* kDialogClass = "#32770";
constexpr const char* kMenuClass = "#32768";

struct Search {
  HWND found = nullptr;
};

// A message box is a dialog of the system's that the layer did not make, and no file dialog.
BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
  char windowClass[16] = {};
  GetClassNameA(window, windowClass, sizeof windowClass);
  if (lstrcmpA(windowClass, kDialogClass) == 0 && IsWindowVisible(window) &&
      platform::detail::WrapperOf(window) == nullptr && !IsFileDialog(window)) {
    reinterpret_cast<Search*>(lParam)->found = window;
    return FALSE;
  }
  return TRUE;
}

// Its text is the one static control that shows text rather than the icon.
BOOL CALLBACK FindText(HWND control, LPARAM lParam) {
  char windowClass[16] = {};
  GetClassNameA(control, windowClass, sizeof windowClass);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
  if (lstrcmpiA(windowClass, "Static") == 0 && (style & SS_TYPEMASK) != SS_ICON &&
      GetWindowTextLengthA(control) > 0) {
    reinterpret_cast<Search*>(lParam)->found = control;
    return FALSE;
  }
  return TRUE;
}

std::string TextOf(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

HWND FindMessageBox() {
  Search search;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string MessageBoxText(HWND box) {
  Search search;
  EnumChildWindows(box, FindText, reinterpret_cast<LPARAM>(&search));
  return search.found == nullptr ? std::string() : TextOf(search.found);
}

HWND FindPopupMenu() {
  Search search;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) -> BOOL {
        char windowClass[16] = {};
        GetClassNameA(window, windowClass, sizeof windowClass);
        if (lstrcmpA(windowClass, kMenuClass) == 0 && IsWindowVisible(window)) {
          reinterpret_cast<Search*>(lParam)->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Watches from a thread timer, which the message box's own loop dispatches.
class MessageBoxRecorder::Impl {
 public:
  explicit Impl(MessageBoxRecorder& recorder) : m_recorder(recorder) {
    m_timer = SetTimer(nullptr, 0, kWatchMilliseconds, Watch);
    s_recording = this;
  }
  ~Impl() {
    KillTimer(nullptr, m_timer);
    s_recording = nullptr;
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

 private:
  static void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box = FindMessageBox();
    if (s_recording == nullptr || box == nullptr || s_recording->m_answered.contains(box)) {
      return;
    }
    s_recording->m_answered.insert(box);
    s_recording->m_recorder.Record(TextOf(box), MessageBoxText(box));
    EndDialog(box, IDOK);
  }

  static inline Impl* s_recording = nullptr;
  MessageBoxRecorder& m_recorder;
  UINT_PTR m_timer = 0;
  std::set<HWND> m_answered;
};

MessageBoxRecorder::MessageBoxRecorder(std::function<void()> whileShown)
    : m_whileShown(std::move(whileShown)), m_impl(std::make_unique<Impl>(*this)) {}

MessageBoxRecorder::~MessageBoxRecorder() = default;
