#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "logic/apply_fog.h"
#include "logic/preview_pixels.h"
#include "platform/cwinapp.h"
#include "platform/user32.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

// Opens an edit box's context menu, runs `steps` with it and gives its items' texts.
// Chooses the item as a user does, so that the menu answers with it.
void Choose(QMenu* menu, QAction* action) {
  menu->setActiveAction(action);
  QTest::keyClick(menu, Qt::Key_Return);
}

QStringList ContextMenu(QLineEdit* field, const std::function<void(QMenu*)>& steps) {
  QStringList items;
  WhenMenuShows([&](QMenu* menu) {
    for (const QAction* action : menu->actions()) {
      items << action->text().remove('&').split('\t').first();
    }
    steps(menu);
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(field, &event);
  return items;
}

// The helpers worked with the mouse and the keyboard, as a user works them.
class ClassesByHand : public testing::Test {
 protected:
  QLineEdit* Field() { return ControlAs<QLineEdit>(dialog, IDC_CLASSES_VALUE); }
  QCheckBox* Box(std::size_t row) {
    return ControlAs<QCheckBox>(dialog, static_cast<int>(IDC_FIRST_CLASS + row));
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    PressKey(WindowOf(dialog), key, modifiers);
  }

  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
};

TEST_F(ClassesByHand, ValueFieldTakesCtrlVAndPasteValueButNoTyping) {
  SKIP_WITHOUT_CLIPBOARD();
  RunModal(dialog, [&] {
    Field()->setFocus();
    Key(Qt::Key_5);
    EXPECT_EQ(Field()->text(), "");
    QApplication::clipboard()->setText("0x1000182");  // bits 1, 7, 8 and 24
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Field()->text(), "16777602");
    EXPECT_EQ(Field()->toolTip(), "Bits 8 and 24 are set but name no class.");
    QApplication::clipboard()->setText("65664");  // Breeder and Mech
    const QStringList items = ContextMenu(Field(), [](QMenu* menu) {
      for (QAction* action : menu->actions()) {
        if (action->text().remove('&').startsWith("Paste Value")) {
          Choose(menu, action);
        }
      }
    });
    const qsizetype copy = items.indexOf("Copy");
    ASSERT_GE(copy, 0) << items.join('|').toStdString();
    EXPECT_EQ(items.value(copy + 1), "Paste Value") << items.join('|').toStdString();
    EXPECT_TRUE(Box(0)->isChecked());
    EXPECT_TRUE(Box(15)->isChecked());
    EXPECT_FALSE(Box(9)->isChecked());
    EXPECT_EQ(Field()->toolTip(), "");
    dialog.EndDialog(IDOK);
  });
}

TEST_F(ClassesByHand, CopyWithNothingSelectedCopiesTheWholeValue) {
  SKIP_WITHOUT_CLIPBOARD();
  RunModal(dialog, [&] {
    Click(Box(15));  // Mech
    QApplication::clipboard()->setText("old");
    ClickAt(Field(), QPoint(2, Field()->height() / 2));
    EXPECT_FALSE(Field()->hasSelectedText());
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "128");
    QApplication::clipboard()->setText("old");
    bool copyEnabled = false;
    ContextMenu(Field(), [&](QMenu* menu) {
      for (QAction* action : menu->actions()) {
        if (action->text().remove('&').startsWith("Copy")) {
          copyEnabled = action->isEnabled();
          Choose(menu, action);
        }
      }
    });
    EXPECT_TRUE(copyEnabled);
    EXPECT_EQ(QApplication::clipboard()->text(), "128");
    dialog.EndDialog(IDOK);
  });
}

TEST(FogByHand, FogFieldsOfferToPasteAFog) {
  CEntityHelperApp app;
  CFogSettingsDlg dialog;
  RunModal(dialog, [&] {
    const QStringList items =
        ContextMenu(ControlAs<QLineEdit>(dialog, IDC_FOG_MASS), [](QMenu*) {});
    EXPECT_TRUE(items.contains("Copy"));
    EXPECT_TRUE(items.contains("Paste Fog"));
    dialog.EndDialog(IDOK);
  });
}

class FogSlidersByHand : public testing::Test {
 protected:
  QSlider* Slider(unsigned id) { return ControlAs<QSlider>(dialog, static_cast<int>(id)); }
  QPoint Thumb(unsigned id) { return ThumbCentre(Slider(id)); }

  CEntityHelperApp app;
  CFogSettingsDlg dialog;
};

TEST_F(FogSlidersByHand, ClosedWhileTheMouseHoldsASliderTheNextOneStillTakesKeys) {
  RunModal(dialog, [&] {
    QTest::mousePress(Slider(IDC_FOG_ALPHA), Qt::LeftButton, {}, Thumb(IDC_FOG_ALPHA));
    EXPECT_NE(GetCapture(), nullptr);
    PressKey(WindowOf(dialog), Qt::Key_Escape);
  });
  EXPECT_EQ(GetCapture(), nullptr);
  for (int reopening = 0; reopening < 20; ++reopening) {
    CFogSettingsDlg next;
    RunModal(next, [&] {
      ControlOf(next, IDC_FOG_ALPHA)->setFocus();
      PressKey(WindowOf(next), Qt::Key_Right);
      EXPECT_EQ(ControlAs<QLineEdit>(next, IDC_FOG_MASS)->text(), "51") << reopening;
      next.EndDialog(IDOK);
    });
  }
}

TEST_F(FogSlidersByHand, PreviewDrawsTheBlendOpaqueOnAnAlphaSurface) {
  RunModal(dialog, [&] {
    std::vector<std::uint8_t> sample(kPreviewByteCount);
    CBitmap picture;
    picture.Attach(LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_FOG_SAMPLE)));
    ASSERT_GT(picture.GetBitmapBits(kPreviewByteCount, sample.data()), 0);
    std::vector<std::uint8_t> fogged(kPreviewByteCount);
    ApplyFog(sample.data(), fogged.data(), DefaultFogColor());

    // At the picture's own size the control draws each pixel as it is, as a compositor's
    // alpha surface (Wayland's) receives it.
    QWidget* preview = ControlOf(dialog, IDC_FOG_PREVIEW);
    preview->resize(128, 96);
    QImage drawn(128, 96, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    preview->render(&drawn);
    int wrong = 0;
    for (int y = 0; y < 96; ++y) {
      for (int x = 0; x < 128; ++x) {
        const std::size_t at = 4 * static_cast<std::size_t>(y * 128 + x);
        wrong += drawn.pixel(x, y) != qRgba(fogged[at + 2], fogged[at + 1], fogged[at], 255);
      }
    }
    EXPECT_EQ(wrong, 0);
    dialog.EndDialog(IDOK);
  });
}

}  // namespace
