#include "platform/message_map.h"

const MessageMap* CCmdTarget::GetThisMessageMap() {
  static const MessageMap map{nullptr, {}};
  return &map;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
  LRESULT ignored = 0;
  return DispatchThroughMap(
      WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), static_cast<WORD>(nCode)), 0, &ignored);
}

BOOL CCmdTarget::DispatchThroughMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  UINT code = 0;
  UINT id = 0;
  if (message == WM_COMMAND) {
    code = HIWORD(wParam);
    id = LOWORD(wParam);
  } else if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr) {
      return FALSE;
    }
    code = header->code;
    id = static_cast<UINT>(header->idFrom);
  }
  const MessageMapEntry* entry = FindEntry(message, code, id);
  if (entry == nullptr) {
    return FALSE;
  }
  *result = entry->dispatch(*this, id, wParam, lParam);
  return TRUE;
}

const MessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
  for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
    for (const MessageMapEntry& entry : map->entries) {
      const bool codeMatches =
          entry.code == code ||
          (entry.code == kCommandFromAnywhere && message == WM_COMMAND && (code == 0 || code == 1));
      if (entry.message == message && codeMatches && entry.firstId <= id && id <= entry.lastId) {
        return &entry;
      }
    }
  }
  return nullptr;
}
