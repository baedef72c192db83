#pragma once

#include "platform/win_types.h"

class CWnd;

// Paints one window for the length of one WM_PAINT.
class CPaintDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
  ~CPaintDC();

  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT: as the class library

  PAINTSTRUCT m_ps{};

 private:
  HWND m_hWnd = nullptr;
  HDC m_hDC = nullptr;
};
