#pragma once

// The Win32 scalar and handle types the dialogs use. On Windows they are the system's own; on
// every other platform the layer defines them with Win32's widths and meanings.

#if defined(_WIN32)

#if defined(UNICODE) || defined(_UNICODE)
#error "The program's text is 8-bit: build without UNICODE so that the A names are the defaults."
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// The common controls: trackbar messages and styles, NMHDR notification codes.
#include <commctrl.h>

struct ResourceTable;

#else

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Opaque handles: each names a record of the layer's backend, or is null.
struct HWND__;
struct HICON__;
struct HBITMAP__;
struct HDC__;
struct HMENU__;
struct ResourceTable;
using HWND = HWND__*;
using HICON = HICON__*;
using HCURSOR = HICON;
using HBITMAP = HBITMAP__*;
using HDC = HDC__*;
using HMENU = HMENU__*;
using HGDIOBJ = void*;
// Where the backend finds icons and bitmaps by number: the program's resource table.
using HINSTANCE = const ResourceTable*;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

struct POINT {
  LONG x;
  LONG y;
};

struct NMHDR {
  HWND hwndFrom;
  UINT_PTR idFrom;
  UINT code;
};

// What BeginPaint hands out for one paint of a window.
struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
};

constexpr WORD LOWORD(std::uintptr_t value) {
  return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t value) {
  return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
  return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}

// A resource named by number rather than by string, as Win32 encodes it in a name pointer.
inline LPCSTR MAKEINTRESOURCEA(WORD id) {
  return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id));
}
inline bool IS_INTRESOURCE(LPCSTR name) {
  return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

#endif
