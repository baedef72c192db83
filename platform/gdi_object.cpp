#include "platform/gdi.h"

#include <map>
#include <memory>

#include "platform/detail/handler_scope.h"

namespace {

// The temporary wrappers FromHandle hands out, one per handle. They stay valid, whatever
// happens to their handle meanwhile, until control is back in the message loop.
std::map<HGDIOBJ, std::unique_ptr<CBitmap>>& Temporaries() {
  static std::map<HGDIOBJ, std::unique_ptr<CBitmap>> temporaries;
  return temporaries;
}

void ReleaseTemporaries() {
  for (auto& [handle, wrapper] : Temporaries()) {
    wrapper->Detach();  // a temporary never deletes the object it stands for
  }
  Temporaries().clear();
}

CBitmap* TemporaryFor(HGDIOBJ handle) {
  std::unique_ptr<CBitmap>& wrapper = Temporaries()[handle];
  if (!wrapper) {
    wrapper = std::make_unique<CBitmap>();
    wrapper->m_hObject = handle;
    platform::detail::WhenHandlersEnd(ReleaseTemporaries);
  }
  return wrapper.get();
}

}  // namespace

CGdiObject::~CGdiObject() {
  DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr) {
    return FALSE;
  }
  m_hObject = hObject;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) {
    return FALSE;
  }
  return ::DeleteObject(Detach());
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
  return TemporaryFor(hObject);
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
  return TemporaryFor(hBitmap);
}
