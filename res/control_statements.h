#pragma once

#include "platform/resource_table.h"
#include "platform/win_constants.h"

// The statements of a dialog template, one per kind of control, each with the styles that kind
// always has. Rectangles are x, y, width, height in dialog units.

inline constexpr DWORD kDialogFrame =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
inline constexpr const char* kDialogFont = "MS Sans Serif";
inline constexpr WORD kDialogPointSize = 8;

inline constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr DialogItemTemplate DefPushButton(const char* text, WORD id, short x, short y, short cx,
                                           short cy) {
  return {WC_BUTTON, text, id, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, x, y, cx, cy};
}

constexpr DialogItemTemplate FlatPushButton(const char* text, WORD id, short x, short y, short cx,
                                            short cy) {
  return {WC_BUTTON, text, id, kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT, x, y, cx, cy};
}

constexpr DialogItemTemplate GroupBox(const char* text, short x, short y, short cx, short cy) {
  return {WC_BUTTON, text, 0xFFFF, kChild | BS_GROUPBOX, x, y, cx, cy};
}

constexpr DialogItemTemplate AutoCheckBox(const char* text, WORD id, short x, short y, short cx,
                                          short cy) {
  return {WC_BUTTON, text, id, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, x, y, cx, cy};
}

constexpr DialogItemTemplate LeftText(const char* text, short x, short y, short cx, short cy,
                                      WORD id = 0xFFFF) {
  return {WC_STATIC, text, id, kChild | WS_GROUP | SS_LEFT, x, y, cx, cy};
}

constexpr DialogItemTemplate RightText(const char* text, short x, short y, short cx, short cy) {
  return {WC_STATIC, text, 0xFFFF, kChild | WS_GROUP | SS_RIGHT, x, y, cx, cy};
}

// `description` tells assistive tools what the picture shows.
constexpr DialogItemTemplate Picture(WORD bitmapId, WORD id, short x, short y, short cx, short cy,
                                     const char* description) {
  DialogItemTemplate picture{WC_STATIC, "", id, kChild | SS_BITMAP, x, y, cx, cy, bitmapId};
  picture.accessibleDescription = description;
  return picture;
}

constexpr DialogItemTemplate ReadOnlyEdit(WORD id, short x, short y, short cx, short cy) {
  return {WC_EDIT, "", id, kChild | WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
          x,       y,  cx, cy};
}

// A value field the user may also paste an existing value into, for the dialog to read; its
// context menu offers that as `pasteItem`.
constexpr DialogItemTemplate PastableValueField(WORD id, short x, short y, short cx, short cy,
                                                const char* pasteItem = "Paste &Value") {
  DialogItemTemplate field = ReadOnlyEdit(id, x, y, cx, cy);
  field.pasteItem = pasteItem;
  return field;
}

constexpr DialogItemTemplate SortedDropDownList(WORD id, short x, short y, short cx, short cy) {
  return {WC_COMBOBOX, "", id, kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT,
          x,           y,  cx, cy};
}

constexpr DialogItemTemplate Slider(const char* text, WORD id, short x, short y, short cx,
                                    short cy) {
  return {TRACKBAR_CLASS, text, id, kChild | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS, x, y, cx, cy};
}
