#include "tests/platform/probe_dialog.h"

#include "platform/additions.h"
#include "platform/user32.h"
#include "platform/win_constants.h"
#include "tests/support/dialog_driver.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr DialogItemTemplate kItems[] = {
    {WC_BUTTON, "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 150, 80, 50, 14},
    {WC_BUTTON, "Frame", 0xFFFF, kChild | BS_GROUPBOX, 5, 5, 110, 90},
    {WC_BUTTON, "1", IDC_PROBE_FLAT, kChild | WS_TABSTOP | BS_FLAT, 10, 15, 20, 14},
    {WC_BUTTON, "Tick", IDC_PROBE_CHECK, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 35, 90, 10},
    {WC_STATIC, "", static_cast<WORD>(IDC_PROBE_PICTURE), kChild | SS_BITMAP, 120, 20, 40, 20,
     static_cast<WORD>(IDB_PROBE)},
    {WC_EDIT, "", IDC_PROBE_EDIT, kChild | WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
     10, 50, 60, 14},
    {WC_COMBOBOX, "", IDC_PROBE_LIST,
     kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 120, 45, 80, 60},
    {TRACKBAR_CLASS, "", IDC_PROBE_SLIDER, kChild | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS, 10, 70,
     100, 15},
};

constexpr DialogAccelerator kKeys[] = {{'K', true, false, ID_PROBE_KEY}};

constexpr DialogTemplate kProbeTemplate{
    IDD_PROBE,
    "Probe",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    210,
    100,
    "MS Sans Serif",
    8,
    kItems,
    kKeys};

// A 4 by 2 picture, 24 bits per pixel, bottom row first, each row padded to four bytes.
constexpr std::uint8_t kBitmap[] = {
    'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                // file header
    40, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header
    24, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // bottom row: blue, green, red, white (as blue, green, red bytes)
    255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255,
    // top row: black, grey, (10, 20, 30), (1, 2, 3)
    0, 0, 0, 128, 128, 128, 30, 20, 10, 3, 2, 1};

}  // namespace

const ResourceTable* ProbeResources() {
  static const BinaryResource bitmaps[] = {{static_cast<WORD>(IDB_PROBE), kBitmap}};
  static const DialogTemplate dialogs[] = {kProbeTemplate};
  static const ResourceTable table{dialogs, {}, bitmaps, nullptr, {}};
  return &table;
}

const MessageMap* CProbeDlg::GetThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      MapCommandRange<&CProbeDlg::OnClicked>(BN_CLICKED, IDC_PROBE_FLAT, IDC_PROBE_CHECK),
      MapCommand<&CProbeDlg::OnSelChange>(CBN_SELCHANGE, IDC_PROBE_LIST),
      MapCommand<&CProbeDlg::OnKeyCommand>(ID_PROBE_KEY),
      MapNotify<&CProbeDlg::OnReleasedCapture>(NM_RELEASEDCAPTURE, IDC_PROBE_SLIDER),
      MapHScroll<&CProbeDlg::OnHScroll>(),
      MapMessage<WM_DESTROY, &CProbeDlg::OnDestroy>(),
      MapDropFiles<&CProbeDlg::OnDropFiles>(),
  };
  static const MessageMap map{CDialog::GetThisMessageMap(), entries};
  return &map;
}

void CProbeDlg::OnClicked(UINT nID) {
  log.push_back("clicked " + std::to_string(nID));
}

void CProbeDlg::OnKeyCommand() {
  log.push_back("key command");
}

void CProbeDlg::OnSelChange() {
  CString text;
  GetDlgItem(IDC_PROBE_LIST)->GetWindowTextA(text);
  log.push_back(std::string("selchange ") + static_cast<const char*>(text));
}

void CProbeDlg::OnReleasedCapture(NMHDR* pNMHDR, LRESULT* pResult) {
  log.push_back("released " + std::to_string(pNMHDR->idFrom) + " at " +
                std::to_string(GetDlgItem(IDC_PROBE_SLIDER)->SendMessage(TBM_GETPOS)));
  *pResult = 0;
}

void CProbeDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  const bool fromSlider = pScrollBar == GetDlgItem(IDC_PROBE_SLIDER);
  const bool captured = GetCapture() == pScrollBar->m_hWnd;
  log.push_back("scroll " + std::to_string(nSBCode) + " to " + std::to_string(nPos) +
                (fromSlider ? "" : " (elsewhere)") + (captured ? " captured" : ""));
}

void CProbeDlg::OnDestroy() {
  CString text;
  GetDlgItem(IDC_PROBE_EDIT)->GetWindowTextA(text);
  editTextAtDestroy = static_cast<const char*>(text);
}

void CProbeDlg::OnDropFiles(HDROP hDropInfo) {
  drops.push_back(hDropInfo);
}

void ProbeTest::SetUp() {
  platform::SetResourceTable(ProbeResources());
}

void ProbeTest::InProbe(const std::function<void()>& steps) {
  RunModal(dialog, [&] {
    steps();
    dialog.EndDialog(IDOK);
  });
}
