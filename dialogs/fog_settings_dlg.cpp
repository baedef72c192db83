#include "dialogs/fog_settings_dlg.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/pasted_text.h"
#include "logic/apply_fog.h"
#include "logic/entity_text.h"
#include "logic/preview_pixels.h"
#include "platform/additions.h"
#include "platform/cslider_ctrl.h"
#include "platform/cwinapp.h"
#include "platform/user32.h"
#include "res/resource.h"

namespace {

constexpr int kSliderMaximum = 100;
constexpr unsigned kSliders[] = {IDC_FOG_RED, IDC_FOG_GREEN, IDC_FOG_BLUE, IDC_FOG_ALPHA};

// The update a slider's change asks for, posted so that it comes once the input behind the
// change has been handled.
constexpr UINT WM_FOG_DEFERRED_UPDATE = WM_APP + 1;

// The fog entity's fields, each with the slider it comes from.
constexpr std::string_view kFogFields[] = {"mass", "speed", "accel", "decel"};
constexpr unsigned kFogFieldSliders[] = {IDC_FOG_ALPHA, IDC_FOG_RED, IDC_FOG_GREEN, IDC_FOG_BLUE};

}  // namespace

CFogSettingsDlg::CFogSettingsDlg(CWnd* pParent) : CDialog(IDD_FOG_SETTINGS, pParent) {}

CFogSettingsDlg::~CFogSettingsDlg() = default;

const MessageMap* CFogSettingsDlg::GetThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      MapNotify<&CFogSettingsDlg::OnSliderReleased>(NM_RELEASEDCAPTURE, IDC_FOG_ALPHA),
      MapNotify<&CFogSettingsDlg::OnSliderReleased>(NM_RELEASEDCAPTURE, IDC_FOG_BLUE),
      MapNotify<&CFogSettingsDlg::OnSliderReleased>(NM_RELEASEDCAPTURE, IDC_FOG_GREEN),
      MapNotify<&CFogSettingsDlg::OnSliderReleased>(NM_RELEASEDCAPTURE, IDC_FOG_RED),
      MapHScroll<&CFogSettingsDlg::OnHScroll>(),
      MapMessage<WM_FOG_DEFERRED_UPDATE, &CFogSettingsDlg::OnDeferredUpdate>(),
      MapCommand<&CFogSettingsDlg::OnPasteFog>(ID_EDIT_PASTE),
      MapCommand<&CFogSettingsDlg::OnUsePicture>(ID_FILE_OPEN),
      MapCommand<&CFogSettingsDlg::OnUseSamplePicture>(ID_USE_SAMPLE_PICTURE),
      MapDropFiles<&CFogSettingsDlg::OnDropFiles>(),
      MapContextMenu<&CFogSettingsDlg::OnContextMenu>(),
      MapCommandRange<&CFogSettingsDlg::OnFieldPaste>(platform::kPasteValueNotification,
                                                      IDC_FOG_MASS, IDC_FOG_DECEL),
      MapMessage<WM_DESTROY, &CFogSettingsDlg::OnDestroy>(),
  };
  static const MessageMap map{CDialog::GetThisMessageMap(), entries};
  return &map;
}

BOOL CFogSettingsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_bUpdatePending = false;  // what a window before this one posted went with it
  m_bOwnPicture = false;
  DragAcceptFiles(m_hWnd, TRUE);
  m_pPreviewBitmap = std::make_unique<CBitmap>();
  m_pPreviewBitmap->Attach(
      LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(static_cast<WORD>(IDB_FOG_SAMPLE))));
  // Cleared, so that a picture that cannot be read shows the fog over black, not stray bytes.
  m_pSourceBits = std::make_unique<BYTE[]>(kPreviewBufferSize);
  m_pFoggedBits = std::make_unique<BYTE[]>(kPreviewBufferSize);
  if (m_pPreviewBitmap->GetBitmapBits(kPreviewByteCount, m_pSourceBits.get()) == 0) {
    MessageBoxA("Error loading bitmap bits");
  }

  m_color = DefaultFogColor();
  const std::pair<unsigned, std::int32_t> sliders[] = {{IDC_FOG_RED, m_color.m_nRed},
                                                       {IDC_FOG_GREEN, m_color.m_nGreen},
                                                       {IDC_FOG_BLUE, m_color.m_nBlue},
                                                       {IDC_FOG_ALPHA, m_color.m_nAlpha}};
  for (const auto& [id, value] : sliders) {
    auto* slider = static_cast<CSliderCtrl*>(GetDlgItem(static_cast<int>(id)));
    slider->SetRange(0, kSliderMaximum, TRUE);
    slider->SendMessage(TBM_SETPOS, TRUE, value);
  }
  UpdateFog();
  ShowFog();
  return TRUE;
}

void CFogSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
}

void CFogSettingsDlg::OnSliderReleased(NMHDR*, LRESULT* pResult) {
  m_bUpdatePending = false;
  UpdateFog();
  *pResult = 0;
}

// One user action, one update. A key or the wheel moves a slider without holding the mouse and
// may close its move with TB_ENDTRACK; a click on the track moves it a page just before the
// mouse is held. So a change asks for one update that comes after the input behind it, and
// does it only if no slider holds the mouse then: a mouse action's release does the update.
// A drag's TB_THUMBTRACK and a move's closing TB_ENDTRACK ask for nothing.
void CFogSettingsDlg::OnHScroll(UINT nSBCode, UINT, CWnd*) {
  if (nSBCode == TB_THUMBTRACK || nSBCode == TB_ENDTRACK || m_bUpdatePending) {
    return;
  }
  m_bUpdatePending = PostMessageA(m_hWnd, WM_FOG_DEFERRED_UPDATE, 0, 0) != FALSE;
  if (!m_bUpdatePending) {
    UpdateFog();  // no room left to post: at once rather than never
  }
}

void CFogSettingsDlg::OnDeferredUpdate() {
  if (!m_bUpdatePending) {
    return;  // a release has updated meanwhile
  }
  m_bUpdatePending = false;
  const HWND holder = GetCapture();
  if (std::none_of(std::begin(kSliders), std::end(kSliders), [this, holder](unsigned id) {
        return GetDlgItem(static_cast<int>(id))->m_hWnd == holder;
      })) {
    UpdateFog();
  }
}

// Each field the pasted text gives moves its slider, then everything updates once, as after a
// release; a value that is no fog value changes nothing at all.
void CFogSettingsDlg::OnPasteFog() {
  const std::optional<std::string> pasted = PastedText(*this);
  const std::optional<KeyValues> values =
      pasted ? PastedValues(*this, *pasted, kFogFields) : std::nullopt;
  if (!values) {
    return;
  }
  if (values->found.empty()) {
    MessageBoxA("The pasted text gives none of the fog's fields: mass, speed, accel or decel.");
    return;
  }
  std::vector<std::pair<unsigned, std::int32_t>> moves;
  for (const KeyValue& field : values->found) {
    const std::optional<std::int32_t> value = ParseFogFieldValue(field.value);
    if (!value) {
      RefuseValue(*this, field.key, field.value, "A fog field takes a whole number from 0 to 100.");
      return;
    }
    const auto at = std::find(std::begin(kFogFields), std::end(kFogFields), field.key);
    moves.emplace_back(kFogFieldSliders[at - std::begin(kFogFields)], *value);
  }
  for (const auto& [slider, value] : moves) {
    GetDlgItem(static_cast<int>(slider))->SendMessage(TBM_SETPOS, TRUE, value);
  }
  m_bUpdatePending = false;
  UpdateFog();
}

void CFogSettingsDlg::OnFieldPaste(UINT) {
  OnPasteFog();
}

void CFogSettingsDlg::OnDestroy() {
  CDialog::OnDestroy();
  m_pPreviewBitmap.reset();
  m_pSourceBits.reset();
  m_pFoggedBits.reset();
}

void CFogSettingsDlg::UpdateFog() {
  // Within the fog's range whatever range another program gave a slider.
  const auto position = [this](unsigned id) {
    const LRESULT at = GetDlgItem(static_cast<int>(id))->SendMessage(TBM_GETPOS);
    return static_cast<std::int32_t>(std::clamp<LRESULT>(at, 0, kSliderMaximum));
  };
  m_color.m_nRed = position(IDC_FOG_RED);
  m_color.m_nGreen = position(IDC_FOG_GREEN);
  m_color.m_nBlue = position(IDC_FOG_BLUE);
  m_color.m_nAlpha = position(IDC_FOG_ALPHA);
  const std::pair<unsigned, std::int32_t> fields[] = {{IDC_FOG_SPEED, m_color.m_nRed},
                                                      {IDC_FOG_ACCEL, m_color.m_nGreen},
                                                      {IDC_FOG_DECEL, m_color.m_nBlue},
                                                      {IDC_FOG_MASS, m_color.m_nAlpha}};
  for (const auto& [id, value] : fields) {
    CString text;
    text.Format("%d", value);
    GetDlgItem(static_cast<int>(id))->SetWindowTextA(text);
  }
  ShowFog();
}

void CFogSettingsDlg::ShowFog() {
  if (!m_pSourceBits) {
    return;
  }
  ApplyFog(m_pSourceBits.get(), m_pFoggedBits.get(), m_color);
  CWnd* preview = GetDlgItem(IDC_FOG_PREVIEW);
  const auto shown = reinterpret_cast<HBITMAP>(preview->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
  if (CBitmap::FromHandle(shown)->SetBitmapBits(kPreviewByteCount, m_pFoggedBits.get()) == 0) {
    MessageBoxA("Set bits failed");
  }
  preview->InvalidateRect(nullptr, TRUE);
}
