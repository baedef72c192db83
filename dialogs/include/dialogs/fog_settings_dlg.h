#pragma once

#include <memory>
#include <string>

#include "logic/fog_color.h"
#include "platform/cdialog.h"
#include "platform/gdi.h"

// Fog colour and thickness on four sliders, shown as the entity fields mass, speed, accel and
// decel and as the fog laid over a sample picture.
class CFogSettingsDlg : public CDialog {
 public:
  explicit CFogSettingsDlg(CWnd* pParent = nullptr);
  ~CFogSettingsDlg() override;

  BOOL OnInitDialog() override;

  // The unchanged sample picture, from which every blend starts.
  std::unique_ptr<CBitmap> m_pPreviewBitmap;
  std::unique_ptr<BYTE[]> m_pSourceBits;
  std::unique_ptr<BYTE[]> m_pFoggedBits;
  FogColor m_color;

 protected:
  DECLARE_MESSAGE_MAP()

  // Where the data exchange would take work of its own; it only calls the base class.
  void DoDataExchange(CDataExchange* pDX) override;

  void OnSliderReleased(NMHDR* pNMHDR, LRESULT* pResult);
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  void OnDeferredUpdate();
  void OnDestroy();
  // A fog pasted anywhere in the helper (Ctrl+V, Shift+Insert) or into one of its fields.
  void OnPasteFog();
  void OnFieldPaste(UINT nID);
  // The map maker's own picture under the fog: dropped, or chosen (Ctrl+O, the preview's menu).
  void OnDropFiles(HDROP hDropInfo);
  void OnContextMenu(CWnd* pWnd, POINT pos);
  void OnUsePicture();
  void OnUseSamplePicture();
  void UsePicture(const std::wstring& path);

  // Reads all four sliders, writes the four fields and redraws the preview.
  void UpdateFog();
  // Blends the fog over the clean picture and puts the result on the screen.
  void ShowFog();

 private:
  // An update asked for by a slider's change and not yet made.
  bool m_bUpdatePending = false;
  // Whether the picture under the fog is the map maker's own rather than the sample.
  bool m_bOwnPicture = false;
};
