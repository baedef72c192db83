#include "app/entity_helper_app.h"

#include "app/launcher_dlg.h"
#include "platform/additions.h"
#include "res/resources.h"

CEntityHelperApp::CEntityHelperApp() {
  platform::SetResourceTable(ProgramResources());
}

const MessageMap* CEntityHelperApp::GetThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      MapCommand<&CWinApp::OnHelp>(ID_HELP),
  };
  static const MessageMap map{CWinApp::GetThisMessageMap(), entries};
  return &map;
}

BOOL CEntityHelperApp::InitInstance() {
  Enable3dControls();
  CLauncherDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  // The launcher's run was the program's main loop: end without starting another.
  return FALSE;
}
