#pragma once

#include <cstdint>
#include <span>

#include "win_types.h"

// One control of a dialog template; the rectangle is in dialog units.
struct DialogItemTemplate {
  const char* windowClass;
  const char* text;
  WORD id;
  DWORD style;
  short x;
  short y;
  short cx;
  short cy;
  // For a static picture: the bitmap resource it shows.
  WORD imageId = 0;
};

// A dialog as data: frame, font and controls, the controls in tab order.
struct DialogTemplate {
  WORD id;
  const char* caption;
  DWORD style;
  DWORD exStyle;
  short cx;
  short cy;
  const char* fontName;
  WORD pointSize;
  std::span<const DialogItemTemplate> items;
};

// An icon (the bytes of an .ico file) or a bitmap (the bytes of a .bmp file).
struct BinaryResource {
  WORD id;
  std::span<const std::uint8_t> bytes;
};

struct VersionString {
  const char* key;
  const char* value;
};

struct VersionBlock {
  WORD fileVersion[4];
  std::span<const VersionString> strings;
};

// Everything a program keeps in its resources. The platform looks items up by number and knows
// nothing of what a particular program holds.
struct ResourceTable {
  std::span<const DialogTemplate> dialogs;
  std::span<const BinaryResource> icons;
  std::span<const BinaryResource> bitmaps;
  const VersionBlock* version;
};

const DialogTemplate* FindDialogTemplate(HINSTANCE resources, UINT id);
const BinaryResource* FindIcon(HINSTANCE resources, UINT id);
const BinaryResource* FindBitmap(HINSTANCE resources, UINT id);
// The value of a version string, or null when the block or the key is missing.
const char* FindVersionString(HINSTANCE resources, const char* key);
