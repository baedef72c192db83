#include "platform/detail/window_map.h"

#include <cstring>
#include <memory>
#include <unordered_map>

#include "platform/cdialog.h"
#include "platform/cslider_ctrl.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/handler_scope.h"
#include "platform/resource_table.h"

namespace platform::detail {

namespace {

struct Entry {
  CWnd* wrapper;
  HWND dialog;  // the dialog the window belongs to: itself, or its controls' parent
  std::unique_ptr<CWnd> owned;
  const DialogTemplate* dialogTemplate = nullptr;  // a dialog's own
};

std::unordered_map<HWND, Entry>& Windows() {
  static std::unordered_map<HWND, Entry> windows;
  return windows;
}

// Template items without an identifier (0xFFFF) are never addressed, so need no wrapper.
constexpr WORD kNoIdentifier = 0xFFFF;

std::unique_ptr<CWnd> MakeWrapper(const DialogItemTemplate& item) {
  if (std::strcmp(item.windowClass, TRACKBAR_CLASS) == 0) {
    return std::make_unique<CSliderCtrl>();
  }
  return std::make_unique<CWnd>();
}

}  // namespace

void AttachDialog(CDialog& dialog, HWND window, const DialogTemplate& dialogTemplate) {
  dialog.m_hWnd = window;
  Windows()[window] = Entry{&dialog, window, nullptr, &dialogTemplate};
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    HWND control = item.id == kNoIdentifier ? nullptr : ::GetDlgItem(window, item.id);
    if (control == nullptr || Windows().contains(control)) {
      continue;
    }
    std::unique_ptr<CWnd> wrapper = MakeWrapper(item);
    wrapper->m_hWnd = control;
    CWnd* pointer = wrapper.get();
    Windows()[control] = Entry{pointer, window, std::move(wrapper)};
  }
}

void DetachDialog(CDialog& dialog) {
  const HWND window = dialog.m_hWnd;
  std::erase_if(Windows(), [window](const auto& entry) { return entry.second.dialog == window; });
  dialog.m_hWnd = nullptr;
}

CWnd* WrapperOf(HWND window) {
  const auto found = Windows().find(window);
  return window == nullptr || found == Windows().end() ? nullptr : found->second.wrapper;
}

const DialogTemplate* TemplateOf(HWND dialog) {
  const auto found = Windows().find(dialog);
  return dialog == nullptr || found == Windows().end() ? nullptr : found->second.dialogTemplate;
}

HWND OwningDialog(HWND window) {
  const auto found = Windows().find(window);
  return window == nullptr || found == Windows().end() ? nullptr : found->second.dialog;
}

BOOL DispatchToWrapper(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  CWnd* wrapper = WrapperOf(window);
  if (wrapper == nullptr) {
    return FALSE;
  }
  const HandlerScope handling;
  return wrapper->OnWndMsg(message, wParam, lParam, result);
}

}  // namespace platform::detail
