// The Fog Settings Helper's picture: the map maker's own, dropped on the helper or chosen with
// Ctrl+O or the preview's menu, or the sample picture again.
#include <string>

#include "dialogs/fog_settings_dlg.h"
#include "logic/preview_picture.h"
#include "logic/preview_pixels.h"
#include "platform/additions.h"
#include "platform/files.h"
#include "platform/user32.h"
#include "res/resource.h"

namespace {

// Enough for any path Windows or Linux gives.
constexpr DWORD kLongestPath = 32768;

// The file's name, without its folder, in the program's 8-bit text, to show.
std::string ShownName(const std::wstring& path) {
  const std::wstring name = path.substr(path.find_last_of(L"/\\") + 1);
  const int length = WideCharToMultiByte(CP_ACP, 0, name.c_str(), static_cast<int>(name.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string shown(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, name.c_str(), static_cast<int>(name.size()), shown.data(), length,
                      nullptr, nullptr);
  return shown;
}

std::string WhyNot(platform::PictureRead read, const platform::Picture& picture) {
  switch (read) {
    case platform::PictureRead::kNoSuchFile:
      return "there is no such file";
    case platform::PictureRead::kFolder:
      return "it is a folder";
    case platform::PictureRead::kUnreadable:
      return "the file cannot be read";
    case platform::PictureRead::kEmpty:
      return "the file is empty";
    case platform::PictureRead::kNotAPicture:
      return "it is not a PNG, JPEG or BMP picture";
    case platform::PictureRead::kDamaged:
      return "the picture in it is damaged or cut short";
    case platform::PictureRead::kTooLarge:
      return picture.width > 0 ? "at " + std::to_string(picture.width) + " by " +
                                     std::to_string(picture.height) + " pixels it is too large"
                               : "it is too large";
    case platform::PictureRead::kRead:
      break;
  }
  return {};
}

}  // namespace

void CFogSettingsDlg::OnDropFiles(HDROP hDropInfo) {
  // The first file of a drop: the preview shows one picture.
  std::wstring path(DragQueryFileW(hDropInfo, 0, nullptr, 0), L'\0');
  DragQueryFileW(hDropInfo, 0, path.data(), static_cast<UINT>(path.size() + 1));
  DragFinish(hDropInfo);
  UsePicture(path);
}

void CFogSettingsDlg::OnContextMenu(CWnd* pWnd, POINT pos) {
  // The picture lets the mouse through to the dialog, so the menu is asked of the dialog, at a
  // point on the picture; from the keyboard, of the picture itself.
  CWnd* preview = GetDlgItem(IDC_FOG_PREVIEW);
  RECT place{};
  GetWindowRect(preview->m_hWnd, &place);
  const bool fromKeyboard = pos.x == -1 && pos.y == -1;
  const bool onPicture =
      pos.x >= place.left && pos.x < place.right && pos.y >= place.top && pos.y < place.bottom;
  if (pWnd != preview && !onPicture) {
    return;
  }
  if (fromKeyboard) {
    pos = {place.left, place.top};
  }
  const HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, ID_FILE_OPEN, "Use &Picture...\tCtrl+O");
  AppendMenuA(menu, MF_STRING | (m_bOwnPicture ? MF_ENABLED : MF_GRAYED), ID_USE_SAMPLE_PICTURE,
              "Use &Sample Picture");
  const auto chosen = static_cast<WORD>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pos.x, pos.y, 0, m_hWnd, nullptr));
  DestroyMenu(menu);
  if (chosen != 0) {
    SendMessage(WM_COMMAND, MAKEWPARAM(chosen, 0));
  }
}

void CFogSettingsDlg::OnUsePicture() {
  std::wstring path(kLongestPath, L'\0');
  OPENFILENAMEW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = m_hWnd;
  choice.lpstrFilter = L"Pictures (*.png, *.jpg, *.bmp)\0*.png;*.jpg;*.jpeg;*.bmp\0All files\0*\0";
  choice.lpstrFile = path.data();
  choice.nMaxFile = kLongestPath;
  choice.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&choice)) {
    path.resize(path.find(L'\0'));
    UsePicture(path);
  }
}

void CFogSettingsDlg::OnUseSamplePicture() {
  if (m_pPreviewBitmap->GetBitmapBits(kPreviewByteCount, m_pSourceBits.get()) == 0) {
    MessageBoxA("Error loading bitmap bits");
  }
  m_bOwnPicture = false;
  platform::SetAccessibleDescription(*GetDlgItem(IDC_FOG_PREVIEW), kSamplePictureDescription);
  ShowFog();
}

// A picture that cannot be used changes nothing, and the message says why.
void CFogSettingsDlg::UsePicture(const std::wstring& path) {
  platform::Picture picture;
  const platform::PictureRead read =
      platform::ReadPictureFile(path.c_str(), kPreviewWidth, kPreviewHeight, picture);
  const std::string name = ShownName(path);
  if (read != platform::PictureRead::kRead) {
    MessageBoxA(
        ("Cannot use \"" + name + "\" as the picture: " + WhyNot(read, picture) + ".").c_str());
    return;
  }
  CoverPreview(picture.pixels.data(), picture.width, picture.height, m_pSourceBits.get());
  m_bOwnPicture = true;
  platform::SetAccessibleDescription(
      *GetDlgItem(IDC_FOG_PREVIEW),
      ("The picture " + name + " seen through a fog of the chosen colour and alpha.").c_str());
  ShowFog();
}
