#pragma once

#include <cstdint>
#include <span>

#include "platform/win_types.h"

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
  // For a read-only edit box that offers to paste a value, which its dialog then reads (the
  // layer's paste notification): the item its context menu offers for it ("Paste &Value").
  // Null for a box that takes no paste.
  const char* pasteItem = nullptr;
  // What assistive tools say the control shows, where its text does not tell (a picture).
  const char* accessibleDescription = nullptr;
};

// A key that gives a dialog a command wherever the focus is in it, as an accelerator table does:
// a virtual key ('V', VK_INSERT) with Ctrl and Shift held or not.
struct DialogAccelerator {
  WORD key;
  bool control;
  bool shift;
  WORD command;
};

// A dialog as data: frame, font and controls, the controls in tab order, and its keys.
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
  std::span<const DialogAccelerator> accelerators = {};
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

// What Help (F1) shows in a dialog, by the dialog's template number.
struct HelpText {
  WORD id;  // the dialog's template number
  const char* text;
};

// Everything a program keeps in its resources. The layer looks items up by number and knows
// nothing of what a particular program holds.
struct ResourceTable {
  std::span<const DialogTemplate> dialogs;
  std::span<const BinaryResource> icons;
  std::span<const BinaryResource> bitmaps;
  const VersionBlock* version;
  std::span<const HelpText> help;
  // What the program says of itself for --help, where it has a command line.
  const char* usage = nullptr;
  // The name of its desktop entry, where desktops match windows to entries by it.
  const char* desktopFileName = nullptr;
};
