#include "platform/cwinapp.h"

#include "platform/cdialog.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/resources.h"
#include "platform/detail/running_dialogs.h"
#include "platform/user32.h"

namespace {

CWinApp* g_app = nullptr;
HINSTANCE g_resourceHandle = nullptr;

}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName) {
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) {
    g_app = nullptr;
  }
}

BOOL CWinApp::InitInstance() {
  return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
  return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(static_cast<WORD>(nIDResource)));
}

void CWinApp::OnHelp() {
  CDialog* dialog = platform::detail::InnermostRunningDialog();
  if (dialog == nullptr) {
    return;
  }
  if (const char* text = platform::detail::FindHelpText(platform::detail::ProgramResourceTable(),
                                                        dialog->m_nIDHelp)) {
    dialog->MessageBoxA(text);
  }
}

CWinApp* AfxGetApp() {
  return g_app;
}

LPCSTR AfxGetAppName() {
  if (g_app != nullptr && g_app->m_pszAppName != nullptr) {
    return g_app->m_pszAppName;
  }
  const char* name =
      platform::detail::FindVersionString(platform::detail::ProgramResourceTable(), "InternalName");
  return name != nullptr ? name : "";
}

HINSTANCE AfxGetResourceHandle() {
  return g_resourceHandle != nullptr ? g_resourceHandle : platform::detail::DefaultResourceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
  g_resourceHandle = hInstResource;
}

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) {
    return -1;
  }
  app->m_pszAppName = AfxGetAppName();
  platform::detail::StartApplication(app->m_pszAppName);
  if (!app->InitInstance()) {
    return 0;
  }
  return platform::detail::RunMessageLoop();
}
