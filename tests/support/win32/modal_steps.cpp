#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/detail/running_dialogs.h"
#include "tests/support/backend_steps.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/win32/win32_test_support.h"

namespace {

constexpr UINT kPollMilliseconds = 10;
constexpr UINT kEndAgainMilliseconds = 50;

struct Wait {
  std::function<bool()> ready;
  std::function<void()> steps;
};

std::vector<std::unique_ptr<Wait>>& Waits() {
  static std::vector<std::unique_ptr<Wait>> waits;
  return waits;
}

UINT_PTR g_pollTimer = 0;

// A thread timer: every modal loop dispatches it, so the steps run inside whichever loop runs.
// Steps may start modal loops of their own, which poll again for the waits still open.
void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
  std::vector<std::unique_ptr<Wait>>& waits = Waits();
  for (auto wait = waits.begin(); wait != waits.end(); ++wait) {
    if ((*wait)->ready()) {
      const std::unique_ptr<Wait> due = std::move(*wait);
      waits.erase(wait);
      if (waits.empty()) {
        KillTimer(nullptr, g_pollTimer);
        g_pollTimer = 0;
      }
      due->steps();
      return;
    }
  }
}

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

}  // namespace

bool IsInFront(const CDialog& dialog) {
  return dialog.m_hWnd != nullptr && IsWindowVisible(dialog.m_hWnd) &&
         IsWindowEnabled(dialog.m_hWnd) && platform::detail::InnermostRunningDialog() == &dialog &&
         FindMessageBox() == nullptr;
}

void RunWhen(const std::function<bool()>& ready, const std::function<void()>& steps) {
  Waits().push_back(std::make_unique<Wait>(Wait{ready, steps}));
  if (g_pollTimer == 0) {
    g_pollTimer = SetTimer(nullptr, 0, kPollMilliseconds, Poll);
  }
}

class ModalTimeLimit::Impl {
 public:
  explicit Impl(int seconds) : m_seconds(seconds) {
    m_timer = SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, Expired);
    Limits()[m_timer] = this;
  }
  ~Impl() {
    KillTimer(nullptr, m_timer);
    Limits().erase(m_timer);
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

 private:
  static std::map<UINT_PTR, Impl*>& Limits() {
    static std::map<UINT_PTR, Impl*> limits;
    return limits;
  }

  static void CALLBACK Expired(HWND, UINT, UINT_PTR timer, DWORD) {
    const auto found = Limits().find(timer);
    if (found == Limits().end()) {
      return;
    }
    Impl& limit = *found->second;
    if (!limit.m_failed) {
      ADD_FAILURE() << "a modal window was still running after " << limit.m_seconds << " s";
      limit.m_failed = true;
      SetTimer(nullptr, timer, kEndAgainMilliseconds, Expired);
    }
    EndTopModal();
  }

  int m_seconds;
  UINT_PTR m_timer = 0;
  bool m_failed = false;
};

ModalTimeLimit::ModalTimeLimit(int seconds) : m_impl(std::make_unique<Impl>(seconds)) {}

ModalTimeLimit::~ModalTimeLimit() = default;
