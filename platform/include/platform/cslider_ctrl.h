#pragma once

#include "platform/cwnd.h"

// The wrapper of a trackbar ("msctls_trackbar32") control.
class CSliderCtrl : public CWnd {
 public:
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) {
    SendMessage(TBM_SETRANGE, static_cast<WPARAM>(bRedraw),
                MAKELPARAM(static_cast<WORD>(nMin), static_cast<WORD>(nMax)));
  }
};
