#include "platform/paint.h"

#include "platform/cwnd.h"
#include "platform/detail/backend_contract.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
  if (m_hWnd != nullptr) {
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
  }
}

CPaintDC::~CPaintDC() {
  if (m_hDC != nullptr) {
    ::EndPaint(m_hWnd, &m_ps);
  }
}
