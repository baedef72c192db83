#pragma once

#include "platform/message_map.h"
#include "platform/win_types.h"

class CWnd;

// The one application object. The layer's entry point starts it: AfxWinMain calls InitInstance
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
  // The Help command (F1): shows the help text the resources keep for the dialog in front.
  void OnHelp();

  CWnd* m_pMainWnd = nullptr;
  LPCSTR m_pszAppName;
};

CWinApp* AfxGetApp();
// The application's name: its own, or else the "InternalName" of its version block.
LPCSTR AfxGetAppName();
// The module whose icons and bitmaps LoadIconA and LoadBitmapA read; the program's own unless
// set otherwise.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// Names the application from its version block, then runs InitInstance.
int AfxWinMain();
