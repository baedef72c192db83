#include "platform/win32/value_field.h"

#include <windowsx.h>

#include <cstring>
#include <string>

#include "platform/additions.h"

namespace platform::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x7661;  // any number, the same for every value field
constexpr WPARAM kCtrlC = 0x03;           // the characters the keys make
constexpr WPARAM kCtrlV = 0x16;

enum MenuCommand : UINT { kCopy = 1, kPasteValue, kSelectAll };

void NotifyPaste(HWND field) {
  SendMessageA(GetParent(field), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(field)),
                          static_cast<WORD>(kPasteValueNotification)),
               reinterpret_cast<LPARAM>(field));
}

// A value is copied whole: with nothing selected, Copy takes all of it, and the selection the
// user had stays as it was.
LRESULT CopyValue(HWND field) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start != end) {
    return DefSubclassProc(field, WM_COPY, 0, 0);
  }
  SendMessageA(field, EM_SETSEL, 0, -1);
  const LRESULT result = DefSubclassProc(field, WM_COPY, 0, 0);
  SendMessageA(field, EM_SETSEL, start, static_cast<LPARAM>(end));
  return result;
}

// The place of a menu asked for by the keyboard (Shift+F10, the menu key): the field's corner.
POINT MenuPlace(HWND field, LPARAM where) {
  if (where != -1) {
    return {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  }
  POINT corner{0, 0};
  ClientToScreen(field, &corner);
  return corner;
}

void ShowContextMenu(HWND field, LPARAM where, bool takesPaste) {
  const HMENU menu = CreatePopupMenu();
  const UINT withText = GetWindowTextLengthA(field) > 0 ? MF_ENABLED : MF_GRAYED;
  AppendMenuA(menu, MF_STRING | withText, kCopy, "&Copy\tCtrl+C");
  if (takesPaste) {
    std::string text;
    const UINT withClipboardText =
        GetClipboardText(text) != ClipboardRead::kNoText ? MF_ENABLED : MF_GRAYED;
    AppendMenuA(menu, MF_STRING | withClipboardText, kPasteValue, "Paste &Value\tCtrl+V");
  }
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING | withText, kSelectAll, "Select &All");
  const POINT at = MenuPlace(field, where);
  const auto command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, field, nullptr));
  DestroyMenu(menu);
  switch (command) {
    case kCopy:
      CopyValue(field);
      break;
    case kPasteValue:
      SendMessageA(field, WM_PASTE, 0, 0);
      break;
    case kSelectAll:
      SendMessageA(field, EM_SETSEL, 0, -1);
      break;
    default:
      break;
  }
}

LRESULT CALLBACK ValueFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR takesPaste) {
  switch (message) {
    case WM_CHAR:
      if (wParam == kCtrlC) {
        CopyValue(field);
        return 0;
      }
      if (wParam == kCtrlV && takesPaste != 0) {
        SendMessageA(field, WM_PASTE, 0, 0);
        return 0;
      }
      break;
    case WM_KEYDOWN:
      // The other keys for paste and copy of any edit box; a read-only box would paste nothing
      // and copy only a selection.
      if (wParam == VK_INSERT && (GetKeyState(VK_SHIFT) < 0) != (GetKeyState(VK_CONTROL) < 0)) {
        if (GetKeyState(VK_SHIFT) < 0) {
          SendMessageA(field, WM_PASTE, 0, 0);
        } else {
          CopyValue(field);
        }
        return 0;
      }
      break;
    case WM_COPY:
      return CopyValue(field);
    case WM_PASTE:
      if (takesPaste != 0) {
        NotifyPaste(field);
        return 0;
      }
      break;
    case WM_CONTEXTMENU:
      ShowContextMenu(field, lParam, takesPaste != 0);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, ValueFieldProc, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

void SubclassValueFields(HWND dialog, const DialogTemplate& dialogTemplate) {
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    if (std::strcmp(item.windowClass, WC_EDIT) != 0 || (item.style & ES_READONLY) == 0) {
      continue;
    }
    if (const HWND field = GetDlgItem(dialog, item.id)) {
      SetWindowSubclass(field, ValueFieldProc, kSubclassId, item.takesPastedValue ? 1 : 0);
    }
  }
}

}  // namespace platform::win32
