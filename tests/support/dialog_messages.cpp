#include "tests/support/dialog_messages.h"

#include <algorithm>
#include <stdexcept>

#include "platform/gdi.h"
#include "platform/user32.h"

namespace {

constexpr DWORD kPictureBytesAtMost = 1 << 20;

CWnd& Control(const CWnd& dialog, int id) {
  CWnd* control = dialog.GetDlgItem(id);
  if (control == nullptr) {
    throw std::invalid_argument("no control " + std::to_string(id));
  }
  return *control;
}

}  // namespace

std::string TextOf(const CWnd& dialog, int id) {
  CString text;
  Control(dialog, id).GetWindowTextA(text);
  return static_cast<const char*>(text);
}

bool IsChecked(const CWnd& dialog, int id) {
  return Control(dialog, id).SendMessage(BM_GETCHECK) == BST_CHECKED;
}

void Click(CWnd& dialog, int id) {
  Control(dialog, id).SendMessage(BM_CLICK);
}

std::vector<std::string> ListItems(const CWnd& dialog, int id) {
  CWnd& list = Control(dialog, id);
  std::vector<std::string> items;
  const auto count = static_cast<WPARAM>(list.SendMessage(CB_GETCOUNT));
  for (WPARAM index = 0; index < count; ++index) {
    std::string item(static_cast<std::size_t>(list.SendMessage(CB_GETLBTEXTLEN, index)), '\0');
    list.SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
    items.push_back(item);
  }
  return items;
}

void Choose(CWnd& dialog, int id, const std::string& item) {
  const std::vector<std::string> items = ListItems(dialog, id);
  const auto found = std::find(items.begin(), items.end(), item);
  if (found == items.end()) {
    throw std::invalid_argument("no item " + item);
  }
  CWnd& list = Control(dialog, id);
  list.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(found - items.begin()));
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list.m_hWnd));
}

int SliderPosition(const CWnd& dialog, int id) {
  return static_cast<int>(Control(dialog, id).SendMessage(TBM_GETPOS));
}

void PlaceSlider(CWnd& dialog, int id, int position) {
  Control(dialog, id).SendMessage(TBM_SETPOS, TRUE, position);
}

void DragSlider(CWnd& dialog, int id, int position) {
  CWnd& slider = Control(dialog, id);
  slider.SendMessage(TBM_SETPOS, TRUE, position);
  NMHDR released{slider.m_hWnd, static_cast<UINT_PTR>(id), NM_RELEASEDCAPTURE};
  dialog.SendMessage(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&released));
}

std::vector<std::uint8_t> PictureBits(const CWnd& dialog, int id) {
  const auto shown =
      reinterpret_cast<HBITMAP>(Control(dialog, id).SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
  std::vector<std::uint8_t> bits(kPictureBytesAtMost);
  bits.resize(static_cast<std::size_t>(
      CBitmap::FromHandle(shown)->GetBitmapBits(kPictureBytesAtMost, bits.data())));
  return bits;
}

void PasteInto(CWnd& dialog, int id) {
  Control(dialog, id).SendMessage(WM_PASTE);
}
