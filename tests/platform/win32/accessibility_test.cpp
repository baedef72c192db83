// Windows' own types first: <oleacc.h> takes them for granted.
#include "platform/win_types.h"

#include <gtest/gtest.h>
#include <initguid.h>
#include <oleacc.h>
#include <wrl/client.h>

#include <string>

#include "app/entity_helper_app.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/additions.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"

namespace {

using Microsoft::WRL::ComPtr;

// What an assistive tool in another program reads, through Active Accessibility.
std::wstring DescriptionOf(HWND window) {
  ComPtr<IAccessible> accessible;
  BSTR description = nullptr;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  if (SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible,
                                           reinterpret_cast<void**>(accessible.GetAddressOf())))) {
    accessible->get_accDescription(self, &description);
  }
  std::wstring text = description != nullptr ? description : L"";
  SysFreeString(description);
  return text;
}

// Wine 8's oleacc makes the annotation service but implements none of its methods.
bool SystemAnnotates(HWND window) {
  ComPtr<IAccPropServices> services;
  return SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices,
                                    reinterpret_cast<void**>(services.GetAddressOf()))) &&
         services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  &PROPID_ACC_DESCRIPTION, 0) != E_NOTIMPL;
}

TEST(AccessibleDescription, AssistiveToolsReadWhatThePictureShows) {
  CEntityHelperApp app;
  CFogSettingsDlg dialog;
  bool annotates = true;
  RunModal(dialog, [&] {
    CWnd& preview = *dialog.GetDlgItem(static_cast<int>(IDC_FOG_PREVIEW));
    annotates = SystemAnnotates(preview.m_hWnd);
    if (annotates) {
      EXPECT_EQ(DescriptionOf(preview.m_hWnd),
                L"The sample picture seen through a fog of the chosen colour and alpha.");
      platform::SetAccessibleDescription(preview, "caf\xE9.png under the fog");
      EXPECT_EQ(DescriptionOf(preview.m_hWnd), L"caf\u00e9.png under the fog");
    }
    dialog.EndDialog(IDOK);
  });
  if (!annotates) {
    GTEST_SKIP() << "this system's oleacc keeps no annotations (IAccPropServices: E_NOTIMPL)";
  }
}

}  // namespace
