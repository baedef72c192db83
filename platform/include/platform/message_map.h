#pragma once

#include <cstdint>
#include <span>

#include "platform/files.h"
#include "platform/win_constants.h"
#include "platform/win_types.h"

class CCmdTarget;

// One row of a class's message map: which message (and, for WM_COMMAND and WM_NOTIFY, which
// notification from which controls) goes to which member handler. The dispatcher is made from
// the handler's member pointer by the Map... functions below, so the table stays typed.
struct MessageMapEntry {
  UINT message;
  UINT code;
  UINT firstId;
  UINT lastId;
  LRESULT (*dispatch)(CCmdTarget& target, UINT id, WPARAM wParam, LPARAM lParam);
};

// A class's entries and the map of its base class, searched after them.
struct MessageMap {
  const MessageMap* base;
  std::span<const MessageMapEntry> entries;
};

// Anything that handles messages through a message map.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // Routes a WM_COMMAND notification through the map; FALSE when no entry takes it.
  BOOL OnCmdMsg(UINT nID, UINT nCode);

 protected:
  static const MessageMap* GetThisMessageMap();
  virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

  // Calls the first entry that takes the message; FALSE when none does.
  BOOL DispatchThroughMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  const MessageMapEntry* FindEntry(UINT message, UINT code, UINT id) const;
};

// Declares a class's message map; the class defines GetThisMessageMap with its entries. It
// leaves the access as it finds it: place it under "protected:", where derived classes' maps can
// reach it.
#define DECLARE_MESSAGE_MAP()                        \
  static const MessageMap* GetThisMessageMap();      \
  const MessageMap* GetMessageMap() const override { \
    return GetThisMessageMap();                      \
  }

namespace message_map_detail {

template <class Handler>
struct MemberOf;
template <class Class, class Result, class... Args>
struct MemberOf<Result (Class::*)(Args...)> {
  using type = Class;
};

template <auto Handler>
using ClassOf = typename MemberOf<decltype(Handler)>::type;

}  // namespace message_map_detail

// What an entry's code is for a command, whichever way it comes: from a menu (code 0), an
// accelerator (code 1) or a push button's click (BN_CLICKED, 0 too).
inline constexpr UINT kCommandFromAnywhere = 0xFFFFFFFF;

// A command, as the class library's ON_COMMAND takes it: from a menu, an accelerator or a button.
template <auto Handler>
constexpr MessageMapEntry MapCommand(UINT id) {
  return {WM_COMMAND, kCommandFromAnywhere, id, id,
          [](CCmdTarget& target, UINT, WPARAM, LPARAM) -> LRESULT {
            (static_cast<message_map_detail::ClassOf<Handler>&>(target).*Handler)();
            return 0;
          }};
}

// BN_CLICKED, CBN_SELCHANGE and other WM_COMMAND notifications from one control.
template <auto Handler>
constexpr MessageMapEntry MapCommand(UINT code, UINT id) {
  return {WM_COMMAND, code, id, id, [](CCmdTarget& target, UINT, WPARAM, LPARAM) -> LRESULT {
            (static_cast<message_map_detail::ClassOf<Handler>&>(target).*Handler)();
            return 0;
          }};
}

// A WM_COMMAND notification from a range of controls; the handler learns which one.
template <auto Handler>
constexpr MessageMapEntry MapCommandRange(UINT code, UINT firstId, UINT lastId) {
  return {WM_COMMAND, code, firstId, lastId,
          [](CCmdTarget& target, UINT id, WPARAM, LPARAM) -> LRESULT {
            (static_cast<message_map_detail::ClassOf<Handler>&>(target).*Handler)(id);
            return 0;
          }};
}

// A WM_NOTIFY notification from one control; the handler sets the result.
template <auto Handler>
constexpr MessageMapEntry MapNotify(UINT code, UINT id) {
  return {WM_NOTIFY, code, id, id, [](CCmdTarget& target, UINT, WPARAM, LPARAM lParam) -> LRESULT {
            LRESULT result = 0;
            (static_cast<message_map_detail::ClassOf<Handler>&>(target).*Handler)(
                reinterpret_cast<NMHDR*>(lParam), &result);
            return result;
          }};
}

// A window message whose handler takes nothing and returns nothing (WM_PAINT, WM_DESTROY).
template <UINT Message, auto Handler>
constexpr MessageMapEntry MapMessage() {
  return {Message, 0, 0, 0, [](CCmdTarget& target, UINT, WPARAM, LPARAM) -> LRESULT {
            (static_cast<message_map_detail::ClassOf<Handler>&>(target).*Handler)();
            return 0;
          }};
}

template <auto Handler>
constexpr MessageMapEntry MapQueryDragIcon() {
  return {WM_QUERYDRAGICON, 0, 0, 0, [](CCmdTarget& target, UINT, WPARAM, LPARAM) -> LRESULT {
            return reinterpret_cast<LRESULT>(
                (static_cast<message_map_detail::ClassOf<Handler>&>(target).*Handler)());
          }};
}

// WM_HSCROLL: the scroll code, the position and the window of the control that scrolled.
template <auto Handler>
constexpr MessageMapEntry MapHScroll() {
  return {WM_HSCROLL, 0, 0, 0,
          [](CCmdTarget& target, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            using Window = message_map_detail::ClassOf<Handler>;
            (static_cast<Window&>(target).*Handler)(
                LOWORD(wParam), HIWORD(wParam), Window::FromHandle(reinterpret_cast<HWND>(lParam)));
            return 0;
          }};
}

// WM_DROPFILES: the files dropped on the window (platform/files.h).
template <auto Handler>
constexpr MessageMapEntry MapDropFiles() {
  return {WM_DROPFILES, 0, 0, 0, [](CCmdTarget& target, UINT, WPARAM wParam, LPARAM) -> LRESULT {
            (static_cast<message_map_detail::ClassOf<Handler>&>(target).*
             Handler)(reinterpret_cast<HDROP>(wParam));
            return 0;
          }};
}

// WM_CONTEXTMENU: the window the menu is asked for in, and where, in screen coordinates
// ((-1, -1) when asked from the keyboard).
template <auto Handler>
constexpr MessageMapEntry MapContextMenu() {
  return {WM_CONTEXTMENU, 0, 0, 0,
          [](CCmdTarget& target, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            using Window = message_map_detail::ClassOf<Handler>;
            const POINT where{static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                              static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)))};
            (static_cast<Window&>(target).*Handler)(
                Window::FromHandle(reinterpret_cast<HWND>(wParam)), where);
            return 0;
          }};
}
