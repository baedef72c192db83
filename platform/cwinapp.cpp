#include "cwinapp.h"

#include <QApplication>

#include "cwnd.h"
#include "resource_table.h"
#include "user32.h"

namespace {

CWinApp* g_app = nullptr;
HINSTANCE g_resources = nullptr;

constexpr const char* kHelpText =
    "Click a numbered button to open a helper. Tick the boxes or move the sliders, then select "
    "the value in the helper's read-only field and copy it into the map.";

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
  ::MessageBoxA(m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr, kHelpText, m_pszAppName,
                MB_OK);
}

CWinApp* AfxGetApp() {
  return g_app;
}

HINSTANCE AfxGetResourceHandle() {
  return g_resources;
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
  g_resources = hInstResource;
}

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) {
    return -1;
  }
  const char* name = FindVersionString(AfxGetResourceHandle(), "InternalName");
  if (app->m_pszAppName == nullptr) {
    app->m_pszAppName = name != nullptr ? name : "";
  }
  QApplication::setApplicationName(QString::fromLatin1(app->m_pszAppName));
  if (const char* version = FindVersionString(AfxGetResourceHandle(), "FileVersion")) {
    QApplication::setApplicationVersion(QString::fromLatin1(version).remove(' ').replace(',', '.'));
  }
  // The program ends when InitInstance returns, not when a window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  if (!app->InitInstance()) {
    return 0;
  }
  return QApplication::exec();
}
