#include "platform/files.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QUrl>

#include "tests/platform/probe_dialog.h"
#include "tests/support/picture_files.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

using Names = std::vector<std::wstring>;

// Every name of a drop, read as a program reads them: the count, each length, then the name.
Names NamesOf(HDROP drop) {
  Names names(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
  for (UINT i = 0; i < names.size(); ++i) {
    names[i].resize(DragQueryFileW(drop, i, nullptr, 0));
    DragQueryFileW(drop, i, names[i].data(), static_cast<UINT>(names[i].size() + 1));
  }
  return names;
}

using FilesByHand = ProbeTest;

TEST_F(FilesByHand, DroppedFilesReachTheDialogByTheirFullNamesWhileItTakesThem) {
  const PictureFolder folder;
  const std::filesystem::path level = folder.Write("level.png", {});
  const std::filesystem::path unusual = folder.Write(u8"caf\u00e9 \u65e5\u672c.jpg", {});
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QFile::decodeName(level.c_str())),
                 QUrl::fromLocalFile(QFile::decodeName(unusual.c_str()))});
  QMimeData text;
  text.setText("level.png");
  InProbe([&] {
    // Over a value field, which leaves drops to its dialog.
    const QPoint field = ControlOf(dialog, IDC_PROBE_EDIT)->geometry().center();
    EXPECT_EQ(DragAndDrop(WindowOf(dialog), field, files), Qt::IgnoreAction);
    DragAcceptFiles(dialog.m_hWnd, TRUE);
    EXPECT_EQ(DragAndDrop(WindowOf(dialog), field, text), Qt::IgnoreAction);
    // A copy, never the move proposed: a file manager deletes what it moves.
    EXPECT_EQ(DragAndDrop(WindowOf(dialog), field, files), Qt::CopyAction);
    DeliverQueued();
    ASSERT_EQ(dialog.drops.size(), 1u);
    const HDROP drop = dialog.drops.front();
    EXPECT_EQ(NamesOf(drop), Names({WideName(level), WideName(unusual)}));
    WCHAR cut[4] = L"###";
    EXPECT_EQ(DragQueryFileW(drop, 0, cut, 4), 3u);
    EXPECT_EQ(std::wstring(cut), WideName(level).substr(0, 3));
    EXPECT_EQ(DragQueryFileW(drop, 2, cut, 4), 0u);
    DragFinish(drop);
    EXPECT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), 0u);
    DragAcceptFiles(dialog.m_hWnd, FALSE);
    DropFiles(dialog, {level});
    EXPECT_EQ(dialog.drops.size(), 1u);
  });
}

TEST_F(FilesByHand, OpenFileDialogShowsTheFiltersAndGivesTheChosenFullName) {
  const PictureFolder folder;
  const std::filesystem::path chosen = folder.Write(u8"caf\u00e9.png", {});
  WCHAR name[260] = L"";
  OPENFILENAMEW request{sizeof(OPENFILENAMEW),
                        nullptr,
                        L"Pictures (*.png;*.jpg)\0*.png;*.jpg\0All files\0*.*\0",
                        name,
                        260,
                        L"Use Picture",
                        0};
  InProbe([&] {
    request.hwndOwner = dialog.m_hWnd;
    QStringList filters;
    RunWhen([] { return dynamic_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
            [&] {
              auto* shown = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
              filters = shown->nameFilters();
              EXPECT_EQ(shown->windowTitle(), "Use Picture");
              EXPECT_EQ(shown->parentWidget(), WindowOf(dialog));
              shown->reject();
            });
    EXPECT_FALSE(GetOpenFileNameW(&request));
    EXPECT_EQ(filters, QStringList({"Pictures (*.png *.jpg)", "All files (*)"}));
    WhenFileDialogShows(chosen);
    ASSERT_TRUE(GetOpenFileNameW(&request));
    EXPECT_EQ(std::wstring(name), WideName(chosen));
    // No room for the name's NUL: refused, as Windows refuses it.
    request.nMaxFile = static_cast<DWORD>(WideName(chosen).size());
    WhenFileDialogShows(chosen);
    EXPECT_FALSE(GetOpenFileNameW(&request));
  });
}

TEST(WideCharToMultiByte, GivesLatin1AndTheDefaultCharacterForTheRest) {
  char text[16] = "";
  BOOL usedDefault = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u65e5 caf\u00e9", -1, nullptr, 0, nullptr, nullptr),
            7);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u65e5 caf\u00e9", -1, text, 7, nullptr, &usedDefault),
            7);
  EXPECT_STREQ(text, "? caf\xe9");
  EXPECT_TRUE(usedDefault);
  // A length given: no NUL of its own.
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u65e5xy", 2, text, 16, "#", &usedDefault), 2);
  EXPECT_STREQ(text, "#xcaf\xe9");
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"xy", -1, text, 2, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"xy", -1, text, 3, nullptr, &usedDefault), 3);
  EXPECT_FALSE(usedDefault);
}

}  // namespace
