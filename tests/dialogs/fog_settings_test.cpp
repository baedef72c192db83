#include "dialogs/fog_settings_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <vector>

#include "app/entity_helper_app.h"
#include "logic/apply_fog.h"
#include "logic/preview_pixels.h"
#include "platform/resource_table.h"
#include "platform/user32.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/support/gui_test_support.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

// The helper with its buffers in view.
class FogHelper : public CFogSettingsDlg {
 public:
  using CFogSettingsDlg::m_pFoggedBits;
  using CFogSettingsDlg::m_pPreviewBitmap;
  using CFogSettingsDlg::m_pSourceBits;
};

Pixels SamplePicture() {
  Pixels pixels(kPreviewByteCount);
  HBITMAP sample = LoadBitmapA(ProgramResources(), MAKEINTRESOURCEA(IDB_FOG_SAMPLE));
  EXPECT_EQ(GetBitmapBits(sample, static_cast<LONG>(pixels.size()), pixels.data()),
            static_cast<LONG>(kPreviewByteCount));
  DeleteObject(sample);
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
  int differing = 0;
  for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
    differing += i % 4 != kPreviewFourthByte && a[i] != b[i];
  }
  return differing;
}

class FogSettings : public testing::Test {
 protected:
  QSlider* Slider(unsigned id) { return ControlAs<QSlider>(dialog, static_cast<int>(id)); }
  QString Field(unsigned id) { return ControlAs<QLineEdit>(dialog, static_cast<int>(id))->text(); }
  std::vector<QString> Fields() {
    return {Field(IDC_FOG_MASS), Field(IDC_FOG_SPEED), Field(IDC_FOG_ACCEL), Field(IDC_FOG_DECEL)};
  }
  void SetQuietly(unsigned id, int position) {
    dialog.GetDlgItem(static_cast<int>(id))->SendMessage(TBM_SETPOS, TRUE, position);
  }
  HBITMAP Shown() {
    return reinterpret_cast<HBITMAP>(
        dialog.GetDlgItem(IDC_FOG_PREVIEW)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
  }
  Pixels ShownPixels() {
    Pixels pixels(kPreviewByteCount);
    GetBitmapBits(Shown(), static_cast<LONG>(pixels.size()), pixels.data());
    return pixels;
  }
  QPoint Thumb(unsigned id) { return ThumbCentre(Slider(id)); }
  // A press and release on the thumb: the slider does not move, but lets go of the mouse.
  void TouchThumb(unsigned id) {
    QTest::mouseClick(Slider(id), Qt::LeftButton, {}, Thumb(id));
    DeliverQueued();
  }
  void Turn(unsigned id, int degrees) {
    QSlider* slider = Slider(id);
    QWheelEvent wheel(QPointF(5, 5), slider->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, degrees * 8), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(slider, &wheel);
  }
  void Key(unsigned id, int key) {
    Slider(id)->setFocus();
    PressKey(WindowOf(dialog), key);
  }

  CEntityHelperApp app;
  FogHelper dialog;
};

TEST_F(FogSettings, OpensAtTheDefaultsWithTheDefaultFog) {
  RunModalThenDone(dialog, [&] {
    for (unsigned id : {IDC_FOG_RED, IDC_FOG_GREEN, IDC_FOG_BLUE}) {
      EXPECT_EQ(Slider(id)->value(), 100);
    }
    EXPECT_EQ(Slider(IDC_FOG_ALPHA)->value(), 50);
    EXPECT_EQ(Fields(), std::vector<QString>({"50", "100", "100", "100"}));
    const Pixels sample = SamplePicture();
    const Pixels shown = ShownPixels();
    int wrong = 0;
    for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
      wrong += i % 4 != kPreviewFourthByte && shown[i] != 126 + sample[i] / 2;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(ClippedTexts(WindowOf(dialog)), std::vector<QString>());
  });
}

TEST_F(FogSettings, ReleasingAnySliderRereadsAllFour) {
  RunModalThenDone(dialog, [&] {
    SetQuietly(IDC_FOG_GREEN, 50);
    SetQuietly(IDC_FOG_BLUE, 0);
    EXPECT_EQ(Fields(), std::vector<QString>({"50", "100", "100", "100"}));
    TouchThumb(IDC_FOG_ALPHA);
    EXPECT_EQ(Fields(), std::vector<QString>({"50", "100", "50", "0"}));
    EXPECT_EQ(ColourBytesDiffering(ShownPixels(), Fogged({100, 50, 0, 50})), 0);

    SetQuietly(IDC_FOG_ALPHA, 0);
    TouchThumb(IDC_FOG_RED);
    EXPECT_EQ(ColourBytesDiffering(ShownPixels(), SamplePicture()), 0);

    SetQuietly(IDC_FOG_ALPHA, 100);
    TouchThumb(IDC_FOG_BLUE);
    const Pixels flat = ShownPixels();
    for (std::size_t i = 0; i < kPreviewByteCount; i += 4) {
      ASSERT_EQ(flat[i + kPreviewRedByte], 254);
      ASSERT_EQ(flat[i + kPreviewGreenByte], 126);
      ASSERT_EQ(flat[i + kPreviewBlueByte], 0);
    }
  });
}

TEST_F(FogSettings, DraggingUpdatesWhenTheMouseLetsGo) {
  RunModalThenDone(dialog, [&] {
    QSlider* alpha = Slider(IDC_FOG_ALPHA);
    QTest::mousePress(alpha, Qt::LeftButton, {}, Thumb(IDC_FOG_ALPHA));
    QTest::mouseMove(alpha, QPoint(-20, alpha->height() / 2));
    EXPECT_EQ(alpha->value(), 0);
    EXPECT_EQ(Field(IDC_FOG_MASS), "50");
    QTest::mouseRelease(alpha, Qt::LeftButton, {}, QPoint(-20, alpha->height() / 2));
    DeliverQueued();
    EXPECT_EQ(Field(IDC_FOG_MASS), "0");
  });
}

TEST_F(FogSettings, KeysAndTheWheelUpdateAtOnce) {
  RunModalThenDone(dialog, [&] {
    Key(IDC_FOG_GREEN, Qt::Key_Left);
    EXPECT_EQ(Fields(), std::vector<QString>({"50", "100", "99", "100"}));
    Key(IDC_FOG_ALPHA, Qt::Key_End);
    EXPECT_EQ(Field(IDC_FOG_MASS), "100");
    Turn(IDC_FOG_RED, -15);
    EXPECT_EQ(Field(IDC_FOG_SPEED), QString::number(Slider(IDC_FOG_RED)->value()));
    EXPECT_NE(Field(IDC_FOG_SPEED), "100");
    EXPECT_EQ(
        ColourBytesDiffering(ShownPixels(), Fogged({Slider(IDC_FOG_RED)->value(), 99, 100, 100})),
        0);
  });
}

TEST_F(FogSettings, WithThePictureGoneEveryUpdateSaysSoOnce) {
  MessageBoxRecorder boxes;
  RunModalThenDone(dialog, [&] {
    ASSERT_TRUE(DeleteObject(Shown()));
    Key(IDC_FOG_ALPHA, Qt::Key_Right);
    EXPECT_EQ(boxes.Texts(), std::vector<QString>({"Set bits failed"}));
    EXPECT_EQ(Field(IDC_FOG_MASS), "51");
    Turn(IDC_FOG_ALPHA, 15);
    EXPECT_EQ(boxes.Texts().size(), 2u);
    QSlider* alpha = Slider(IDC_FOG_ALPHA);
    QTest::mousePress(alpha, Qt::LeftButton, {}, Thumb(IDC_FOG_ALPHA));
    QTest::mouseMove(alpha, QPoint(alpha->width() / 4, alpha->height() / 2));
    QTest::mouseMove(alpha, QPoint(alpha->width() / 5, alpha->height() / 2));
    EXPECT_EQ(boxes.Texts().size(), 2u);
    QTest::mouseRelease(alpha, Qt::LeftButton, {}, QPoint(alpha->width() / 5, alpha->height() / 2));
    DeliverQueued();
    EXPECT_EQ(boxes.Texts().size(), 3u);
    EXPECT_EQ(Field(IDC_FOG_MASS), QString::number(alpha->value()));
  });
}

TEST_F(FogSettings, WithoutTheSamplePictureItOpensOnFogOverBlack) {
  ResourceTable withoutPicture = *ProgramResources();
  withoutPicture.bitmaps = {};
  AfxSetResourceHandle(&withoutPicture);
  MessageBoxRecorder boxes;
  RunModalThenDone(dialog, [&] {
    EXPECT_EQ(boxes.Texts(), std::vector<QString>({"Error loading bitmap bits", "Set bits failed",
                                                   "Set bits failed"}));
    for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
      ASSERT_EQ(dialog.m_pFoggedBits[i], i % 4 == kPreviewFourthByte ? 0 : 126) << i;
    }
    Key(IDC_FOG_BLUE, Qt::Key_Left);
    EXPECT_EQ(Field(IDC_FOG_DECEL), "99");
    EXPECT_EQ(boxes.Texts().size(), 4u);
  });
}

TEST_F(FogSettings, LetsGoOfItsPictureAndBuffersWhenItCloses) {
  HBITMAP own = nullptr;
  RunModalThenDone(dialog,
                   [&] { own = static_cast<HBITMAP>(dialog.m_pPreviewBitmap->GetSafeHandle()); });
  EXPECT_EQ(dialog.m_pPreviewBitmap, nullptr);
  EXPECT_EQ(dialog.m_pSourceBits, nullptr);
  EXPECT_EQ(dialog.m_pFoggedBits, nullptr);
  std::uint8_t bits[4] = {};
  EXPECT_NE(own, nullptr);
  EXPECT_EQ(GetBitmapBits(own, 4, bits), 0);
}

}  // namespace
