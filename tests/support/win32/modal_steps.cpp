// Windows' own types first: <dlgs.h> takes them for granted.
#include "platform/win_types.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "platform/detail/running_dialogs.h"
#include "platform/detail/window_map.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

constexpr UINT kTickMilliseconds = 10;
constexpr int kMessageBoxText = 0xFFFF;  // the static text of a message box

struct Wait {
  std::function<bool()> ready;
  std::function<void()> steps;
};
std::vector<Wait> g_waits;
std::vector<ModalTimeLimit::Impl*> g_limits;
MessageBoxRecorder::Impl* g_recorder = nullptr;

// The first window of the class that this thread shows now and that passes `test`.
HWND FindShown(const char* windowClass, bool (*test)(HWND)) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, windowClass, nullptr)) != nullptr) {
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
        IsWindowVisible(window) && test(window)) {
      break;
    }
  }
  return window;
}

// The file name box of an open-file dialog: a combo box in the dialog Windows shows today, an
// edit box in the older one.
HWND FileNameBox(HWND dialog) {
  const HWND combo = GetDlgItem(dialog, cmb13);
  return combo != nullptr ? combo : GetDlgItem(dialog, edt1);
}

// A dialog that the system shows, not the layer: an open-file dialog or a message box.
bool IsSystemDialog(HWND window, bool withFileName) {
  return platform::detail::WrapperOf(window) == nullptr &&
         (FileNameBox(window) != nullptr) == withFileName;
}

}  // namespace

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string WindowText(HWND window) {
  char text[4096] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND FindMessageBox() {
  return FindShown("#32770", [](HWND window) { return IsSystemDialog(window, false); });
}

HWND FindFileDialog() {
  return FindShown("#32770", [](HWND window) { return IsSystemDialog(window, true); });
}

HWND FindPopupMenu() {
  return FindShown("#32768", [](HWND) { return true; });
}

bool IsShown(const CWnd& window) {
  return window.m_hWnd != nullptr && IsWindowVisible(window.m_hWnd);
}

bool IsEnabled(const CWnd& window) {
  return window.m_hWnd != nullptr && IsWindowEnabled(window.m_hWnd);
}

class ModalTimeLimit::Impl {
 public:
  explicit Impl(int limit) : seconds(limit) {}
  const int seconds;
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  bool failed = false;
};

class MessageBoxRecorder::Impl {
 public:
  explicit Impl(MessageBoxRecorder& owner) : recorder(owner) {}
  MessageBoxRecorder& recorder;
  std::set<HWND> answered;
};

namespace {

// Ends whatever modal loop is in front: a menu, an open-file dialog (cancelled), a message box,
// or the innermost dialog.
void EndTopModal() {
  if (FindPopupMenu() != nullptr) {
    EndMenu();
  } else if (const HWND files = FindFileDialog()) {
    PostMessageA(files, WM_COMMAND, IDCANCEL, 0);
  } else if (const HWND box = FindMessageBox()) {
    EndDialog(box, IDOK);
  } else if (CDialog* dialog = platform::detail::InnermostRunningDialog()) {
    dialog->EndDialog(-2);
  }
}

// Steps may start modal loops of their own, in which the timer ticks again.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  for (ModalTimeLimit::Impl* limit : g_limits) {
    if (GetTickCount64() > limit->deadline) {
      if (!std::exchange(limit->failed, true)) {
        ADD_FAILURE() << "a modal window was still running after " << limit->seconds << " s";
      }
      EndTopModal();
      return;
    }
  }
  const HWND box = FindMessageBox();
  if (g_recorder != nullptr && box != nullptr && g_recorder->answered.insert(box).second) {
    g_recorder->recorder.Record(WindowText(box), WindowText(GetDlgItem(box, kMessageBoxText)));
    EndDialog(box, IDOK);
    return;
  }
  const auto due =
      std::find_if(g_waits.begin(), g_waits.end(), [](const Wait& w) { return w.ready(); });
  if (due != g_waits.end()) {
    const Wait wait = std::move(*due);
    g_waits.erase(due);
    wait.steps();
  }
}

// One thread timer of the main thread, from the start, which every modal loop dispatches: what the
// tests do runs inside whichever loop runs.
[[maybe_unused]] const UINT_PTR g_timer = SetTimer(nullptr, 0, kTickMilliseconds, Tick);

}  // namespace

void RunWhen(const std::function<bool()>& ready, const std::function<void()>& steps) {
  g_waits.push_back({ready, steps});
}

bool IsInFront(const CDialog& dialog) {
  return dialog.m_hWnd != nullptr && IsWindowVisible(dialog.m_hWnd) &&
         IsWindowEnabled(dialog.m_hWnd) && platform::detail::InnermostRunningDialog() == &dialog &&
         FindMessageBox() == nullptr;
}

void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageA(window, message, wParam, lParam);
  const HWND dialog = GetAncestor(window, GA_ROOT);
  MSG queued{};
  while (PeekMessageA(&queued, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageA(dialog, &queued)) {
      TranslateMessage(&queued);
      DispatchMessageA(&queued);
    }
  }
}

ModalTimeLimit::ModalTimeLimit(int seconds) : m_impl(std::make_unique<Impl>(seconds)) {
  g_limits.push_back(m_impl.get());
}

ModalTimeLimit::~ModalTimeLimit() {
  g_limits.erase(std::find(g_limits.begin(), g_limits.end(), m_impl.get()));
}

MessageBoxRecorder::MessageBoxRecorder(std::function<void()> whileShown)
    : m_whileShown(std::move(whileShown)), m_impl(std::make_unique<Impl>(*this)) {
  g_recorder = m_impl.get();
}

MessageBoxRecorder::~MessageBoxRecorder() {
  g_recorder = nullptr;
}

// From inside the dialog's own loop, as a person would: the name typed into its box, then Open.
void WhenFileDialogShows(const std::filesystem::path& file) {
  RunWhen([] { return FindFileDialog() != nullptr; },
          [file] {
            const HWND dialog = FindFileDialog();
            SetWindowTextW(FileNameBox(dialog), file.wstring().c_str());
            const int button = file.empty() ? IDCANCEL : IDOK;
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
          });
}
