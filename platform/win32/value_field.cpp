#include "platform/win32/value_field.h"

#include <windowsx.h>

#include <cstring>

#include "platform/detail/value_field.h"

namespace platform::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x7661;  // any number, the same for every value field
constexpr WPARAM kCtrlC = 0x03;           // the characters the keys make
constexpr WPARAM kCtrlV = 0x16;

// The place of a menu asked for by the keyboard (Shift+F10, the menu key): the field's corner.
POINT MenuPlace(HWND field, LPARAM where) {
  if (where != -1) {
    return {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  }
  POINT corner{0, 0};
  ClientToScreen(field, &corner);
  return corner;
}

bool Pressed(int key) {
  return GetKeyState(key) < 0;
}

LRESULT CALLBACK ValueFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR pasteItem) {
  const auto item = reinterpret_cast<LPCSTR>(pasteItem);
  switch (message) {
    case WM_CHAR:
      // Ctrl+C and Ctrl+V arrive as their characters, which the box itself would act on.
      if (wParam == kCtrlC || wParam == kCtrlV) {
        if (const auto command =
                detail::ValueFieldKey(wParam == kCtrlC ? 'C' : 'V', true, false, item != nullptr)) {
          detail::RunValueFieldCommand(field, *command);
        }
        return 0;
      }
      break;
    case WM_KEYDOWN:
      // A read-only box would paste nothing and copy only a selection on these.
      if (wParam == VK_INSERT) {
        if (const auto command = detail::ValueFieldKey(VK_INSERT, Pressed(VK_CONTROL),
                                                       Pressed(VK_SHIFT), item != nullptr)) {
          detail::RunValueFieldCommand(field, *command);
          return 0;
        }
      }
      break;
    case WM_COPY:
      detail::RunValueFieldCommand(field, detail::ValueFieldCommand::kCopy);
      return 0;
    case WM_PASTE:
      if (item != nullptr) {
        detail::RunValueFieldCommand(field, detail::ValueFieldCommand::kPaste);
      }
      return 0;
    case WM_CONTEXTMENU:
      detail::ShowValueFieldMenu(field, MenuPlace(field, lParam), item);
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
      SetWindowSubclass(field, ValueFieldProc, kSubclassId,
                        reinterpret_cast<DWORD_PTR>(item.pasteItem));
    }
  }
}

}  // namespace platform::win32
