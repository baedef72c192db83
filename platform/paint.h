#pragma once

#include <memory>

#include "win_types.h"

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

 private:
  std::unique_ptr<HDC__> m_context;
  HDC m_hDC = nullptr;
};
