#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include "app/entity_helper_app.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "logic/classes_field.h"
#include "logic/spawnteams_field.h"
#include "res/resource.h"
#include "tests/support/gui_test_support.h"

namespace {

// The boxes of a calculator that are ticked, by label.
QStringList Ticked(CDialog& dialog, UINT firstBox, std::span<const ToggleRow> rows) {
  QStringList ticked;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (ControlAs<QCheckBox>(dialog, static_cast<int>(firstBox + row))->isChecked()) {
      ticked << rows[row].label;
    }
  }
  return ticked;
}

class PasteValue : public testing::Test {
 protected:
  QLineEdit* Field() { return ControlAs<QLineEdit>(dialog, IDC_CLASSES_VALUE); }
  QStringList TickedClasses() { return Ticked(dialog, IDC_FIRST_CLASS, ClassBitTable); }
  QCheckBox* Box(std::size_t row) {
    return ControlAs<QCheckBox>(dialog, static_cast<int>(IDC_FIRST_CLASS + row));
  }
  void Paste(const QString& text) {
    if (text.isNull()) {
      QApplication::clipboard()->clear();
    } else {
      QApplication::clipboard()->setText(text);
    }
    Field()->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_V, Qt::ControlModifier);
  }

  CEntityHelperApp app;
  CClassesCalculatorDlg dialog;
};

TEST_F(PasteValue, ValidValuesTickTheirBoxes) {
  RunModalThenDone(dialog, [&] {
    Paste("130");
    EXPECT_EQ(TickedClasses(), QStringList({"Grunt", "Mech"}));
    EXPECT_EQ(Field()->text(), "130");
    Paste(" 0x10000\n");
    EXPECT_EQ(TickedClasses(), QStringList({"Breeder"}));
    EXPECT_EQ(Field()->text(), "65536");
    EXPECT_EQ(Field()->toolTip(), "");
  });
}

TEST_F(PasteValue, BitsNoClassNamesStayThroughClicksAndAreNamed) {
  RunModalThenDone(dialog, [&] {
    Paste("0x1000182");  // bits 1, 7, 8 and 24
    EXPECT_EQ(TickedClasses(), QStringList({"Grunt", "Mech"}));
    EXPECT_EQ(Field()->text(), "16777602");
    EXPECT_EQ(Field()->toolTip(), "Bits 8 and 24 are set but name no class.");
    Click(Box(8));  // Engineer
    EXPECT_EQ(Field()->text(), "16777603");
    Click(Box(9));  // Grunt
    EXPECT_EQ(Field()->text(), "16777601");
    EXPECT_EQ(Field()->toolTip(), "Bits 8 and 24 are set but name no class.");
    Paste("2");
    EXPECT_EQ(Field()->toolTip(), "");
  });
}

TEST_F(PasteValue, AnythingElseChangesNothingAndSaysSo) {
  MessageBoxRecorder boxes;
  RunModalThenDone(dialog, [&] {
    Click(Box(9));  // Grunt
    const QString longText = QString("x").repeated(50);
    for (const QString& text :
         {QString("words"), QString("12 13"), QString("4294967296"), QString(), longText}) {
      Paste(text);
      EXPECT_EQ(TickedClasses(), QStringList({"Grunt"}));
      EXPECT_EQ(Field()->text(), "2");
    }
    EXPECT_EQ(boxes.Texts(),
              std::vector<QString>(
                  {"Not a valid classes value: words", "Not a valid classes value: 12 13",
                   "Not a valid classes value: 4294967296", "Not a valid classes value: ",
                   "Not a valid classes value: " + longText.left(40)}));
  });
}

TEST_F(PasteValue, ContextMenuOffersPasteValueAfterCopy) {
  RunModalThenDone(dialog, [&] {
    QApplication::clipboard()->setText("65664");  // Breeder and Mech
    QStringList items;
    WhenMenuShows([&](QMenu* menu) {
      for (const QAction* action : menu->actions()) {
        items << action->text().remove('&').split('\t').first();
      }
      for (QAction* action : menu->actions()) {
        if (action->text() == "Paste Value") {
          action->trigger();
        }
      }
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                            Field()->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(Field(), &event);
    const qsizetype copy = items.indexOf("Copy");
    ASSERT_GE(copy, 0) << items.join('|').toStdString();
    EXPECT_EQ(items.value(copy + 1), "Paste Value") << items.join("|").toStdString();
    EXPECT_EQ(TickedClasses(), QStringList({"Breeder", "Mech"}));
  });
}

TEST_F(PasteValue, TypingStillChangesNothing) {
  RunModalThenDone(dialog, [&] {
    Field()->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_5);
    EXPECT_EQ(Field()->text(), "");
    EXPECT_EQ(TickedClasses(), QStringList());
  });
}

TEST(PasteValueSpawnteams, KeepsBitEightBesideItsGroups) {
  CEntityHelperApp app;
  CSpawnteamsCalculatorDlg dialog;
  RunModal(dialog, [&] {
    QApplication::clipboard()->setText("300");
    ControlOf(dialog, IDC_SPAWNTEAMS_VALUE)->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Ticked(dialog, IDC_FIRST_GROUP, SpawnteamGroupTable),
              QStringList({"Group C", "Group D", "Group F"}));
    auto* field = ControlAs<QLineEdit>(dialog, IDC_SPAWNTEAMS_VALUE);
    EXPECT_EQ(field->text(), "300");
    EXPECT_EQ(field->toolTip(), "Bit 8 is set but names no group.");
    Click(ControlOf(dialog, IDC_FIRST_GROUP));
    EXPECT_EQ(field->text(), "301");
    Click(ControlOf(dialog, IDOK));
  });
}

TEST(PasteValueFog, FogFieldsTakeNoPaste) {
  CEntityHelperApp app;
  CFogSettingsDlg dialog;
  RunModal(dialog, [&] {
    QApplication::clipboard()->setText("7");
    auto* mass = ControlAs<QLineEdit>(dialog, IDC_FOG_MASS);
    mass->setFocus();
    PressKey(WindowOf(dialog), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(mass->text(), "50");
    QStringList items;
    WhenMenuShows([&](QMenu* menu) {
      for (const QAction* action : menu->actions()) {
        items << action->text();
      }
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                            mass->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(mass, &event);
    EXPECT_FALSE(items.isEmpty());
    EXPECT_FALSE(items.contains("Paste Value"));
    Click(ControlOf(dialog, IDOK));
  });
}

}  // namespace
