#pragma once

#include "platform/win_types.h"

// The graphics objects the dialogs hold. A bitmap's bits are 32-bit pixels, blue, green, red and
// a fourth byte, row after row from the top.
class CGdiObject {
 public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  // Deletes the object it holds, as the class library does.
  virtual ~CGdiObject();

  HGDIOBJ m_hObject = nullptr;

  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();

  // A wrapper the layer owns and discards once control is back in the message loop; never
  // null, even for a null or deleted handle, whose calls then fail as the handle's would.
  static CGdiObject* FromHandle(HGDIOBJ hObject);
};

class CBitmap : public CGdiObject {
 public:
  static CBitmap* FromHandle(HBITMAP hBitmap);

  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT: as the library
  // Copy at most the bitmap's size; they return the bytes copied, 0 for a null or deleted bitmap.
  LONG GetBitmapBits(DWORD dwCount, LPVOID lpBits) const;
  DWORD SetBitmapBits(DWORD dwCount, LPCVOID lpBits);
};

#if !defined(_WIN32)
HBITMAP LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName);
LONG GetBitmapBits(HBITMAP hBitmap, LONG cb, LPVOID lpBits);
LONG SetBitmapBits(HBITMAP hBitmap, DWORD cb, LPCVOID lpBits);
BOOL DeleteObject(HGDIOBJ hObject);
#endif
