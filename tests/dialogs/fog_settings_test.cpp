#include "dialogs/fog_settings_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/entity_helper_app.h"
#include "logic/apply_fog.h"
#include "logic/preview_picture.h"
#include "logic/preview_pixels.h"
#include "platform/cslider_ctrl.h"
#include "platform/cwinapp.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"
#include "tests/support/picture_files.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

Pixels SamplePicture() {
  Pixels pixels(kPreviewByteCount);
  CBitmap sample;
  sample.Attach(LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_FOG_SAMPLE)));
  EXPECT_EQ(sample.GetBitmapBits(static_cast<DWORD>(pixels.size()), pixels.data()),
            static_cast<LONG>(kPreviewByteCount));
  return pixels;
}

Pixels Fogged(const FogColor& color) {
  const Pixels sample = SamplePicture();
  Pixels fogged(kPreviewByteCount, 0xFF);  // shown pictures are opaque
  ApplyFog(sample.data(), fogged.data(), color);
  return fogged;
}

// The preview a picture of these colours should give under the default fog.
Pixels FoggedCover(int width, int height, const PictureColour& colour) {
  Pixels pixels(static_cast<std::size_t>(width) * height * 4, 0xFF);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto bgr = colour(x, y);
      std::copy(bgr.begin(), bgr.end(), &pixels[(static_cast<std::size_t>(y) * width + x) * 4]);
    }
  }
  Pixels covered(kPreviewByteCount);
  CoverPreview(pixels.data(), width, height, covered.data());
  Pixels fogged(kPreviewByteCount, 0xFF);
  ApplyFog(covered.data(), fogged.data(), DefaultFogColor());
  return fogged;
}

class FogSettings : public testing::Test {
 protected:
  void TearDown() override { AfxSetResourceHandle(nullptr); }

  std::vector<std::string> Fields() {
    return {TextOf(dialog, IDC_FOG_MASS), TextOf(dialog, IDC_FOG_SPEED),
            TextOf(dialog, IDC_FOG_ACCEL), TextOf(dialog, IDC_FOG_DECEL)};
  }
  Pixels Shown() { return PictureBits(dialog, IDC_FOG_PREVIEW); }
  HBITMAP ShownBitmap() {
    return reinterpret_cast<HBITMAP>(
        dialog.GetDlgItem(IDC_FOG_PREVIEW)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
  }

  CEntityHelperApp app;
  CFogSettingsDlg dialog;
};

TEST_F(FogSettings, OpensAtTheDefaultsWithTheDefaultFog) {
  RunModal(dialog, [&] {
    for (unsigned id : {IDC_FOG_RED, IDC_FOG_GREEN, IDC_FOG_BLUE}) {
      EXPECT_EQ(SliderPosition(dialog, static_cast<int>(id)), 100);
    }
    EXPECT_EQ(SliderPosition(dialog, IDC_FOG_ALPHA), 50);
    EXPECT_EQ(Fields(), std::vector<std::string>({"50", "100", "100", "100"}));
    EXPECT_EQ(Shown(), Fogged(DefaultFogColor()));
    Click(dialog, IDOK);
  });
}

TEST_F(FogSettings, ReleasingAnySliderRereadsAllFour) {
  RunModal(dialog, [&] {
    PlaceSlider(dialog, IDC_FOG_GREEN, 50);
    PlaceSlider(dialog, IDC_FOG_BLUE, 0);
    EXPECT_EQ(Fields(), std::vector<std::string>({"50", "100", "100", "100"}));
    DragSlider(dialog, IDC_FOG_ALPHA, 50);
    EXPECT_EQ(Fields(), std::vector<std::string>({"50", "100", "50", "0"}));
    EXPECT_EQ(Shown(), Fogged({100, 50, 0, 50}));

    PlaceSlider(dialog, IDC_FOG_ALPHA, 0);
    DragSlider(dialog, IDC_FOG_RED, 100);
    EXPECT_EQ(Shown(), Fogged({100, 50, 0, 0}));  // no fog: the picture itself

    // Another program may widen a slider's range: the fog still takes 0 to 100.
    static_cast<CSliderCtrl*>(dialog.GetDlgItem(IDC_FOG_ALPHA))->SetRange(-50, 1000, TRUE);
    PlaceSlider(dialog, IDC_FOG_RED, -20);
    PlaceSlider(dialog, IDC_FOG_ALPHA, 500);
    DragSlider(dialog, IDC_FOG_BLUE, 0);
    EXPECT_EQ(Fields(), std::vector<std::string>({"100", "0", "50", "0"}));
    EXPECT_EQ(Shown(), Fogged({0, 50, 0, 100}));
    Click(dialog, IDOK);
  });
}

// With the picture gone, each update says so once: the boxes count the updates.
TEST_F(FogSettings, EachMoveByHandUpdatesOnce) {
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    ASSERT_TRUE(DeleteObject(ShownBitmap()));
    for (const SliderGesture gesture : {SliderGesture::kKey, SliderGesture::kDragThumb,
                                        SliderGesture::kClickTrack, SliderGesture::kWheel}) {
      SCOPED_TRACE(static_cast<int>(gesture));
      const int before = SliderPosition(dialog, IDC_FOG_ALPHA);
      const std::size_t updates = boxes.Texts().size();
      MoveSliderByHand(dialog, IDC_FOG_ALPHA, gesture);
      const int after = SliderPosition(dialog, IDC_FOG_ALPHA);
      // Wine's trackbar leaves the wheel to its dialog; every other gesture moves it.
      EXPECT_TRUE(after != before || gesture == SliderGesture::kWheel);
      EXPECT_EQ(boxes.Texts().size() - updates, after != before ? 1u : 0u);
      EXPECT_EQ(TextOf(dialog, IDC_FOG_MASS), std::to_string(after));
    }
    EXPECT_EQ(std::count(boxes.Texts().begin(), boxes.Texts().end(), "Set bits failed"),
              static_cast<std::ptrdiff_t>(boxes.Texts().size()));
    Click(dialog, IDOK);
  });
}

TEST_F(FogSettings, WithoutTheSamplePictureItOpensOnFogOverBlack) {
  AfxSetResourceHandle(ResourcesWithoutBitmaps());
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>({"Error loading bitmap bits",
                                                       "Set bits failed", "Set bits failed"}));
    for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
      ASSERT_EQ(dialog.m_pFoggedBits[i], i % 4 == kPreviewFourthByte ? 0 : 126) << i;
    }
    MoveSliderByHand(dialog, IDC_FOG_BLUE, SliderGesture::kKey);
    EXPECT_EQ(TextOf(dialog, IDC_FOG_DECEL), "99");
    EXPECT_EQ(boxes.Texts().size(), 4u);
    Click(dialog, IDOK);
  });
}

// A map maker's own picture, dropped or chosen, goes under the fog as the sample does; the
// sample comes back from the preview's menu.
TEST_F(FogSettings, APictureOfYourOwnGoesUnderTheFogAsTheSampleDoes) {
  const PictureFolder folder;
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    DropFiles(dialog, {folder.Write("level.bmp", TestPictureFile(TestPicture::kPatternBmp))});
    EXPECT_EQ(Shown(), FoggedCover(40, 30, PatternColour));
    WhenFileDialogShows(
        folder.Write(u8"niveau \u00e9t\u00e9.png", TestPictureFile(TestPicture::kPatternPng)));
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_FILE_OPEN), 1));  // Ctrl+O
    EXPECT_EQ(Shown(), FoggedCover(30, 40, PatternColour));
    WhenFileDialogShows({});  // cancelled: nothing changes
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_FILE_OPEN), 1));
    EXPECT_EQ(Shown(), FoggedCover(30, 40, PatternColour));
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_USE_SAMPLE_PICTURE), 0));
    EXPECT_EQ(Shown(), Fogged(DefaultFogColor()));
    EXPECT_TRUE(boxes.Texts().empty());
    Click(dialog, IDOK);
  });
}

TEST_F(FogSettings, AFileItCannotUseChangesNothingAndSaysWhy) {
  const PictureFolder folder;
  const std::pair<std::filesystem::path, std::string> files[] = {
      {folder.Write("notes.png", Bytes{'m', 'a', 's', 's'}),
       "it is not a PNG, JPEG or BMP picture"},
      {folder.Write("huge.png", TestPictureFile(TestPicture::kHugePng)),
       "at 30000 by 30000 pixels it is too large"},
  };
  MessageBoxRecorder boxes;
  RunModal(dialog, [&] {
    const Pixels before = Shown();
    for (const auto& [file, why] : files) {
      DropFiles(dialog, {file});
      EXPECT_EQ(boxes.Texts().back(),
                "Cannot use \"" + file.filename().string() + "\" as the picture: " + why + ".");
      EXPECT_EQ(Shown(), before);
    }
    Click(dialog, IDOK);
  });
}

}  // namespace
