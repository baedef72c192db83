#include "platform/detail/value_field.h"

#include <algorithm>
#include <string>

#include "platform/additions.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/window_map.h"
#include "platform/user32.h"

namespace platform::detail {

namespace {

constexpr UINT kVirtualKeyC = 'C';
constexpr UINT kVirtualKeyV = 'V';

enum MenuItem : UINT { kCopyItem = 1, kPasteItem, kSelectAllItem };

std::string TextOf(HWND field) {
  std::string text(static_cast<std::size_t>(SendMessageA(field, WM_GETTEXTLENGTH, 0, 0)), '\0');
  text.resize(static_cast<std::size_t>(
      SendMessageA(field, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void CopyValue(HWND field) {
  const std::string text = TextOf(field);
  if (text.empty()) {
    return;
  }
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::size_t from = std::min<std::size_t>({start, end, text.size()});
  const std::size_t to = std::min<std::size_t>(std::max(start, end), text.size());
  PutOnClipboard(field, from < to ? text.substr(from, to - from) : text);
}

}  // namespace

std::optional<ValueFieldCommand> ValueFieldKey(UINT key, bool control, bool shift,
                                               bool takesPaste) {
  if (control && !shift && (key == kVirtualKeyC || key == VK_INSERT)) {
    return ValueFieldCommand::kCopy;
  }
  if (takesPaste &&
      ((control && !shift && key == kVirtualKeyV) || (shift && !control && key == VK_INSERT))) {
    return ValueFieldCommand::kPaste;
  }
  return std::nullopt;
}

void RunValueFieldCommand(HWND field, ValueFieldCommand command) {
  switch (command) {
    case ValueFieldCommand::kCopy:
      CopyValue(field);
      break;
    case ValueFieldCommand::kPaste:
      SendMessageA(OwningDialog(field), WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(field)),
                              static_cast<WORD>(kPasteValueNotification)),
                   reinterpret_cast<LPARAM>(field));
      break;
    case ValueFieldCommand::kSelectAll:
      SendMessageA(field, EM_SETSEL, 0, -1);
      break;
  }
}

void ShowValueFieldMenu(HWND field, POINT where, LPCSTR pasteItem) {
  const HMENU menu = CreatePopupMenu();
  const UINT withText = TextOf(field).empty() ? MF_GRAYED : MF_ENABLED;
  AppendMenuA(menu, MF_STRING | withText, kCopyItem, "&Copy\tCtrl+C");
  if (pasteItem != nullptr) {
    std::string pasted;
    const UINT withPaste =
        GetClipboardText(pasted) == ClipboardRead::kNoText ? MF_GRAYED : MF_ENABLED;
    AppendMenuA(menu, MF_STRING | withPaste, kPasteItem,
                (std::string(pasteItem) + "\tCtrl+V").c_str());
  }
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING | withText, kSelectAllItem, "Select &All");
  const auto chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, where.x, where.y, 0, field, nullptr));
  DestroyMenu(menu);
  switch (chosen) {
    case kCopyItem:
      RunValueFieldCommand(field, ValueFieldCommand::kCopy);
      break;
    case kPasteItem:
      SendMessageA(field, WM_PASTE, 0, 0);
      break;
    case kSelectAllItem:
      RunValueFieldCommand(field, ValueFieldCommand::kSelectAll);
      break;
    default:
      break;
  }
}

}  // namespace platform::detail
