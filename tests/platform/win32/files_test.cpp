#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/picture_files.h"

namespace {

const std::filesystem::path kNonAscii = L"caf\u00e9 \u65e5\u672c.png";

// The probe, taking dropped files and noting their names as the system gives them.
class CDropProbeDlg : public CProbeDlg {
 public:
  std::vector<std::filesystem::path> dropped;

 protected:
  DECLARE_MESSAGE_MAP()

  BOOL OnInitDialog() override {
    CProbeDlg::OnInitDialog();
    DragAcceptFiles(m_hWnd, TRUE);
    return TRUE;
  }

  void OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
      std::wstring name(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
      name.resize(DragQueryFileW(drop, index, name.data(), static_cast<UINT>(name.size())));
      dropped.emplace_back(name);
    }
    DragFinish(drop);
  }
};

const MessageMap* CDropProbeDlg::GetThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {MapDropFiles<&CDropProbeDlg::OnDropFiles>()};
  static const MessageMap map{CProbeDlg::GetThisMessageMap(), entries};
  return &map;
}

TEST_F(ProbeTest, DroppedFilesReachTheDialogUnderTheirWholeNames) {
  const PictureFolder folder;
  const std::vector<std::filesystem::path> files{folder.Write("a.bmp", {}),
                                                 folder.Write(kNonAscii, {})};
  CDropProbeDlg dropTarget;
  RunModal(dropTarget, [&] {
    DropFiles(dropTarget, files);
    dropTarget.EndDialog(IDOK);
  });
  EXPECT_EQ(dropTarget.dropped, files);
}

TEST(OpenFileDialog, GivesTheChosenFileUnderItsWholeNameOrNothingWhenCancelled) {
  const PictureFolder folder;
  const std::filesystem::path file = folder.Write(kNonAscii, {'x'});
  const ModalTimeLimit limit;
  std::wstring chosen(MAX_PATH, L'\0');
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.lpstrFilter = L"Pictures\0*.png;*.jpg;*.jpeg;*.bmp\0";
  open.lpstrFile = chosen.data();
  open.nMaxFile = MAX_PATH;
  open.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

  WhenFileDialogShows(file);
  ASSERT_TRUE(GetOpenFileNameW(&open));
  EXPECT_EQ(std::filesystem::path(chosen.c_str()), file);

  WhenFileDialogShows({});
  EXPECT_FALSE(GetOpenFileNameW(&open));
  EXPECT_EQ(CommDlgExtendedError(), 0u);  // cancelled, not failed
}

}  // namespace
