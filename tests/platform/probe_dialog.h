#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/cdialog.h"
#include "platform/cwinapp.h"
#include "platform/files.h"
#include "platform/resource_table.h"

// A dialog of the tests' own with one control of every kind, logging what reaches its map.
inline constexpr UINT IDD_PROBE = 500;
inline constexpr UINT IDB_PROBE = 600;
inline constexpr int IDC_PROBE_FLAT = 10;
inline constexpr int IDC_PROBE_CHECK = 11;
inline constexpr int IDC_PROBE_PICTURE = 14;
inline constexpr int IDC_PROBE_EDIT = 15;
inline constexpr int IDC_PROBE_LIST = 16;
inline constexpr int IDC_PROBE_SLIDER = 17;
// The command Ctrl+K gives anywhere in the probe.
inline constexpr int ID_PROBE_KEY = 77;

// The probe template and, where the backend reads bitmaps from the table, a 4 by 2 bitmap.
const ResourceTable* ProbeResources();

class CProbeDlg : public CDialog {
 public:
  explicit CProbeDlg(CWnd* pParent = nullptr) : CDialog(IDD_PROBE, pParent) {}

  std::vector<std::string> log;
  // The drops that reached it (WM_DROPFILES), for the test to read and finish.
  std::vector<HDROP> drops;
  // Set by the WM_DESTROY handler: the edit box's text, read while the controls still exist.
  std::string editTextAtDestroy = "(not destroyed)";

 protected:
  DECLARE_MESSAGE_MAP()

  void OnClicked(UINT nID);
  void OnKeyCommand();
  void OnSelChange();
  void OnReleasedCapture(NMHDR* pNMHDR, LRESULT* pResult);
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  void OnDestroy();
  void OnDropFiles(HDROP hDropInfo);
};

// A test with the probe's resources handed over and a probe dialog to run.
class ProbeTest : public testing::Test {
 protected:
  void SetUp() override;
  // Runs the steps in the open probe dialog, then closes it.
  void InProbe(const std::function<void()>& steps);

  CWinApp app;
  CProbeDlg dialog;
};
