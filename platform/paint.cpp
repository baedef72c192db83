#include "paint.h"

#include "cwnd.h"
#include "internal/gdi_objects.h"
#include "internal/window_record.h"

CPaintDC::CPaintDC(CWnd* pWnd) {
  if (pWnd == nullptr || !IsLiveWindow(pWnd->m_hWnd)) {
    return;
  }
  m_context = std::make_unique<HDC__>(pWnd->m_hWnd->widget);
  m_hDC = m_context.get();
}

CPaintDC::~CPaintDC() = default;
