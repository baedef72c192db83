#pragma once

#include "platform/cwinapp.h"

// The application: runs the launcher as its main window, and ends when the launcher closes.
class CEntityHelperApp : public CWinApp {
 public:
  // Hands the program's resources to the layer; the name comes from the version block.
  CEntityHelperApp();

  BOOL InitInstance() override;

 protected:
  DECLARE_MESSAGE_MAP()
};
