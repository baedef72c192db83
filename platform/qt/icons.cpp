#include <map>
#include <optional>
#include <utility>

#include "platform/detail/backend_contract.h"
#include "platform/detail/resources.h"
#include "platform/qt/device_context.h"
#include "platform/qt/icon_file.h"
#include "platform/qt/icon_record.h"
#include "platform/user32.h"

namespace {

constexpr int kIconSize = 32;
constexpr int kSmallIconSize = 16;

std::optional<platform::qt::IconRecord> ReadIcon(const BinaryResource& resource) {
  platform::qt::IconRecord icon{platform::qt::ReadIconImage(resource.bytes, kIconSize),
                                platform::qt::ReadIconImage(resource.bytes, kSmallIconSize)};
  if (icon.large.isNull()) {
    return std::nullopt;
  }
  if (icon.small.isNull()) {
    icon.small = icon.large.scaled(kSmallIconSize, kSmallIconSize, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
  }
  return icon;
}

}  // namespace

HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  if (!IS_INTRESOURCE(lpIconName)) {
    return nullptr;
  }
  const WORD id = LOWORD(reinterpret_cast<std::uintptr_t>(lpIconName));
  // Icons are shared: every load of the same resource gives the same handle.
  static std::map<std::pair<HINSTANCE, WORD>, HICON> loaded;
  HICON& icon = loaded[{hInstance, id}];
  if (icon == nullptr) {
    if (const BinaryResource* resource = platform::detail::FindIcon(hInstance, id)) {
      if (const std::optional<platform::qt::IconRecord> images = ReadIcon(*resource)) {
        icon = platform::qt::AddIcon(*images);
      }
    }
  }
  return icon;
}

BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon) {
  platform::qt::DeviceContext* context = platform::qt::Context(hDC);
  const platform::qt::IconRecord* icon = platform::qt::Icon(hIcon);
  if (context == nullptr || icon == nullptr) {
    return FALSE;
  }
  context->painter.drawImage(QRect(x, y, kIconSize, kIconSize), icon->large);
  return TRUE;
}

int GetSystemMetrics(int nIndex) {
  return nIndex == SM_CXICON || nIndex == SM_CYICON ? kIconSize : 0;
}
