#include "dialogs/fog_settings_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/entity_helper_app.h"
#include "logic/apply_fog.h"
#include "logic/preview_pixels.h"
#include "platform/cslider_ctrl.h"
#include "platform/cwinapp.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/dialog_messages.h"

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
  Pixels fogged(kPreviewByteCount, 0);
  ApplyFog(sample.data(), fogged.data(), color);
  return fogged;
}

// Colour bytes that differ; the fourth byte of a pixel is not part of the picture.
int ColourBytesDiffering(const Pixels& a, const Pixels& b) {
  if (a.size() < kPreviewByteCount || b.size() < kPreviewByteCount) {
    return -1;
  }
  int differing = 0;
  for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
    differing += i % 4 != kPreviewFourthByte && a[i] != b[i];
  }
  return differing;
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
    const Pixels sample = SamplePicture();
    const Pixels shown = Shown();
    ASSERT_EQ(shown.size(), kPreviewByteCount);
    int wrong = 0;
    for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
      wrong += i % 4 != kPreviewFourthByte && shown[i] != 126 + sample[i] / 2;
    }
    EXPECT_EQ(wrong, 0);
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
    EXPECT_EQ(ColourBytesDiffering(Shown(), Fogged({100, 50, 0, 50})), 0);

    PlaceSlider(dialog, IDC_FOG_ALPHA, 0);
    DragSlider(dialog, IDC_FOG_RED, 100);
    EXPECT_EQ(ColourBytesDiffering(Shown(), SamplePicture()), 0);

    // Another program may widen a slider's range: the fog still takes 0 to 100.
    static_cast<CSliderCtrl*>(dialog.GetDlgItem(IDC_FOG_ALPHA))->SetRange(-50, 1000, TRUE);
    PlaceSlider(dialog, IDC_FOG_RED, -20);
    PlaceSlider(dialog, IDC_FOG_ALPHA, 500);
    DragSlider(dialog, IDC_FOG_BLUE, 0);
    EXPECT_EQ(Fields(), std::vector<std::string>({"100", "0", "50", "0"}));
    PlaceSlider(dialog, IDC_FOG_RED, 100);
    DragSlider(dialog, IDC_FOG_BLUE, 0);
    const Pixels flat = Shown();
    ASSERT_EQ(flat.size(), kPreviewByteCount);
    for (std::size_t i = 0; i < kPreviewByteCount; i += 4) {
      ASSERT_EQ(flat[i + kPreviewRedByte], 254);
      ASSERT_EQ(flat[i + kPreviewGreenByte], 126);
      ASSERT_EQ(flat[i + kPreviewBlueByte], 0);
    }
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

// Its own copy of the picture, and the one its picture control showed, go with it.
TEST_F(FogSettings, LetsGoOfItsPicturesAndBuffersWhenItCloses) {
  HBITMAP own = nullptr;
  HBITMAP shown = nullptr;
  RunModal(dialog, [&] {
    own = static_cast<HBITMAP>(dialog.m_pPreviewBitmap->m_hObject);
    shown = ShownBitmap();
    Click(dialog, IDOK);
  });
  EXPECT_NE(shown, nullptr);
  EXPECT_FALSE(DeleteObject(shown));
  EXPECT_EQ(dialog.m_pPreviewBitmap, nullptr);
  EXPECT_EQ(dialog.m_pSourceBits, nullptr);
  EXPECT_EQ(dialog.m_pFoggedBits, nullptr);
  EXPECT_NE(own, nullptr);
  EXPECT_FALSE(DeleteObject(own));
}

}  // namespace
