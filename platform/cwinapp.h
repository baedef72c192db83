#pragma once

#include "message_map.h"
#include "win_types.h"

class CWnd;

// The one application object. The platform's main() starts it: AfxWinMain calls InitInstance
// once, and FALSE ends the program without a message loop of its own.
class CWinApp : public CCmdTarget {
 public:
  // Without a name the application takes the "InternalName" of its version block.
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  ~CWinApp() override;

  virtual BOOL InitInstance();
  // Only the look: controls already have their three-dimensional frames here.
  BOOL Enable3dControls() { return TRUE; }
  HICON LoadIcon(UINT nIDResource) const;
  // The Help command (F1): there is no help file, so it tells the user how the tool is used.
  void OnHelp();

  CWnd* m_pMainWnd = nullptr;
  LPCSTR m_pszAppName;
};

CWinApp* AfxGetApp();
// The resources the program handed over at start-up.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// Names the application from its version block, then runs InitInstance.
int AfxWinMain();
