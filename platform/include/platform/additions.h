#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/win_types.h"

class CWnd;
struct ResourceTable;

// What this layer offers beyond the Win32 and class-library API it follows: services the
// program needs that Win32 lacks or spreads over many calls. None of it exists on Windows
// under these names.
namespace platform {

// The WM_COMMAND notification code a read-only edit box sends its dialog when the user asks to
// paste into it (Ctrl+V, or "Paste Value" in its context menu). Only boxes whose template item
// takes pasted values offer it.
inline constexpr UINT kPasteValueNotification = 0x0F01;

// Hands the program's resources to the layer: its dialog templates, version block and help
// texts, and its icons and bitmaps where the backend keeps no resources of its own.
void SetResourceTable(const ResourceTable* table);

// What a reading of the clipboard found.
enum class ClipboardRead {
  kText,    // text, now in `text`
  kNoText,  // nothing that is text
  kBusy,    // another program held the clipboard, or never handed its text over
};

// The clipboard's text as the program's 8-bit text: every character of it, a character that
// has no 8-bit form as '?', only NULs at its end dropped. `text` is empty unless kText.
ClipboardRead GetClipboardText(std::string& text);

// A tip shown while the mouse rests on the window; an empty text removes it.
void SetToolTip(CWnd& window, LPCSTR text);

// What assistive tools say the window shows, where its text does not tell (a picture).
void SetAccessibleDescription(CWnd& window, LPCSTR text);

// A picture read from a file: 32-bit pixels, blue, green, red and a fourth byte, rows top
// first and `width` pixels apart.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<BYTE> pixels;
};

// What reading a picture file found.
enum class PictureRead {
  kRead,
  kNoSuchFile,
  kFolder,
  kUnreadable,  // the system would not let the program read it
  kEmpty,
  kNotAPicture,  // not a PNG, JPEG or BMP picture
  kDamaged,      // one, but broken or cut short
  kTooLarge,     // its pixels would take more than kLargestPicture bytes
};

inline constexpr std::size_t kLargestPicture = std::size_t{64} << 20;

// Reads a PNG, JPEG or BMP file with the system's own decoder. A large picture may come back
// reduced (as a JPEG decoder reduces cheaply), but never below `coverWidth` by `coverHeight`
// where it is larger; one too large is refused from its header, before its pixels take memory.
// On kTooLarge, `picture` holds the size the file gives and no pixels.
PictureRead ReadPictureFile(LPCWSTR path, int coverWidth, int coverHeight, Picture& picture);

}  // namespace platform
