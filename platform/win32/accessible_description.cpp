#include "platform/win32/accessible_description.h"

#include <initguid.h>
#include <oleacc.h>
#include <wrl/client.h>

#include <string>

#include "platform/additions.h"
#include "platform/cwnd.h"
#include "platform/detail/backend_contract.h"

// What Microsoft Active Accessibility reports as a window's description: a dynamic annotation of
// its client object, which oleacc serves to assistive tools in every process.
namespace platform {

namespace {

using Microsoft::WRL::ComPtr;

constexpr UINT_PTR kSubclassId = 0x6163;  // any number, the same for every described window

ComPtr<IAccPropServices> AnnotationService() {
  ComPtr<IAccPropServices> services;
  CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                   reinterpret_cast<void**>(services.GetAddressOf()));
  return services;
}

void Clear(IAccPropServices& services, HWND window) {
  MSAAPROPID description = PROPID_ACC_DESCRIPTION;
  services.ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &description, 1);
}

// oleacc keeps annotations apart from the window: they are taken back before it goes.
LRESULT CALLBACK ClearWhenGone(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    if (const ComPtr<IAccPropServices> services = AnnotationService()) {
      Clear(*services.Get(), window);
    }
    RemoveWindowSubclass(window, ClearWhenGone, kSubclassId);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void Describe(HWND window, LPCSTR text) {
  const ComPtr<IAccPropServices> services = AnnotationService();
  if (window == nullptr || services == nullptr) {
    return;
  }
  if (text == nullptr || *text == '\0') {
    Clear(*services.Get(), window);
    return;
  }
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0)),
                    L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), static_cast<int>(wide.size()));
  if (SUCCEEDED(services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                         PROPID_ACC_DESCRIPTION, wide.data()))) {
    SetWindowSubclass(window, ClearWhenGone, kSubclassId, 0);
  }
}

}  // namespace

void SetAccessibleDescription(CWnd& window, LPCSTR text) {
  Describe(window.m_hWnd, text);
}

void win32::DescribeControls(HWND dialog, const DialogTemplate& dialogTemplate) {
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    if (item.accessibleDescription != nullptr) {
      Describe(GetDlgItem(dialog, item.id), item.accessibleDescription);
    }
  }
}

}  // namespace platform
