#include <gtest/gtest.h>

#include <QtWidgets>
#include <functional>

#include "app/entity_helper_app.h"
#include "app/launcher_dlg.h"
#include "dialogs/classes_calculator_dlg.h"
#include "dialogs/fog_settings_dlg.h"
#include "dialogs/spawnteams_calculator_dlg.h"
#include "platform/additions.h"
#include "platform/cwinapp.h"
#include "platform/detail/backend_contract.h"
#include "platform/detail/resources.h"
#include "platform/user32.h"
#include "res/resource.h"
#include "tests/support/dialog_messages.h"
#include "tests/support/picture_files.h"
#include "tests/support/qt/gui_test_support.h"

namespace {

// Texts that do not fit their control: labels, check boxes and push buttons.
QStringList ClippedTexts(QWidget* window) {
  QStringList clipped;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const QFontMetrics font = widget->fontMetrics();
    const QString text = widget->property("text").toString();
    const auto* label = dynamic_cast<QLabel*>(widget);
    if ((label != nullptr && (label->heightForWidth(label->width()) > label->height() ||
                              font.horizontalAdvance(text.split(' ').first()) > label->width())) ||
        (dynamic_cast<QCheckBox*>(widget) != nullptr &&
         (widget->sizeHint().width() > widget->width() || font.height() > widget->height())) ||
        (dynamic_cast<QPushButton*>(widget) != nullptr &&
         (font.horizontalAdvance(text) + 4 > widget->width() ||
          font.height() + 4 > widget->height()))) {
      clipped << text;
    }
  }
  return clipped;
}

template <class Dialog>
class ProgramDialogs : public testing::Test {
 protected:
  CEntityHelperApp app;
  Dialog shown;
};

using AllDialogs =
    testing::Types<CLauncherDlg, CClassesCalculatorDlg, CSpawnteamsCalculatorDlg, CFogSettingsDlg>;
TYPED_TEST_SUITE(ProgramDialogs, AllDialogs);

// At the template's place in dialog units scaled by the dialog font, each text whole, and Tab
// going round the tab stops in the template's order. In a wide font a text needing more lines
// than its rectangle grows into the room below it, or shows what fits with the whole text in its
// tooltip; it is never cut off silently.
TYPED_TEST(ProgramDialogs, ControlsStandWhereTheTemplatePutsThemInTabOrderAndNoTextIsCutSilently) {
  CDialog& dialog = this->shown;
  const DialogTemplate& layout = *platform::detail::FindDialogTemplate(
      platform::detail::ProgramResourceTable(), dialog.m_nIDHelp);
  RunModal(dialog, [&] {
    QWidget* window = WindowOf(dialog);
    EXPECT_EQ(ClippedTexts(window), QStringList());
    const double perUnitX = window->width() / static_cast<double>(layout.cx);
    const double perUnitY = window->height() / static_cast<double>(layout.cy);
    const auto& controls = platform::qt::Window(dialog.m_hWnd)->children;  // in creation order
    ASSERT_EQ(controls.size(), layout.items.size());
    std::vector<QWidget*> stops;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const DialogItemTemplate& item = layout.items[i];
      QWidget* control = platform::qt::WidgetOf(controls[i]);
      const QRect place = control->geometry();
      EXPECT_NEAR(place.x(), item.x * perUnitX, 2) << item.text;
      EXPECT_NEAR(place.y(), item.y * perUnitY, 2) << item.text;
      EXPECT_NEAR(place.width(), item.cx * perUnitX, 2) << item.text;
      if (std::string(item.windowClass) != WC_COMBOBOX) {  // its height includes the list
        EXPECT_NEAR(place.height(), item.cy * perUnitY, 2) << item.text;
      }
      if ((item.style & WS_TABSTOP) != 0) {
        stops.push_back(control);
      }
    }
    EXPECT_EQ(window->focusWidget(), stops.front());
    for (std::size_t step = 1; step <= stops.size(); ++step) {
      PressKey(window, Qt::Key_Tab);
      EXPECT_EQ(window->focusWidget(), stops[step % stops.size()]) << step << " tabs";
    }
    dialog.EndDialog(IDOK);
  });
  QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans Mono");
  RunModal(dialog, [&] {
    EXPECT_EQ(ClippedTexts(WindowOf(dialog)), QStringList());
    for (const HWND control : platform::qt::Window(dialog.m_hWnd)->children) {
      const auto* label = dynamic_cast<const QLabel*>(platform::qt::WidgetOf(control));
      char whole[512] = {};
      SendMessageA(control, WM_GETTEXT, sizeof whole, reinterpret_cast<LPARAM>(whole));
      if (label != nullptr && label->text() != QString::fromLatin1(whole)) {
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << whole;
        EXPECT_EQ(label->toolTip(), QString::fromLatin1(whole));
      }
    }
    dialog.EndDialog(IDOK);
  });
  QFont::removeSubstitutions("MS Sans Serif");
}

// Runs the program's main loop, the launcher, with `steps` inside it.
void RunLauncher(CEntityHelperApp& app, const std::function<void(QWidget*)>& steps) {
  const ModalTimeLimit limit;
  WhenNextDialogRuns([&](CDialog& launcher) { steps(WindowOf(launcher)); });
  EXPECT_FALSE(app.InitInstance());
}

// The program's icon in both sizes on every window; a helper, which runs with the launcher hidden,
// stands over nothing. The X11 window class and the Wayland application id are what the desktop
// entry names. F1 asks for help; Escape, the close box, and a close that arrives while the window
// is hidden (delivered late, as under load) end the program, rather than leave it running unseen.
TEST(LauncherWindow, CarriesTheProgramIconAndNamesAndEndsTheProgramOnEscapeOrClose) {
  CEntityHelperApp app;
  platform::detail::StartApplication(AfxGetAppName());
  EXPECT_EQ(QApplication::applicationName(), "VardakEntityHelper");
  EXPECT_EQ(QApplication::desktopFileName(), "org.vardak.EntityHelper");
  const auto hasBothSizes = [](const QWidget* window) {
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    return sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32));
  };
  MessageBoxRecorder boxes;
  RunLauncher(app, [&](QWidget* launcher) {
    EXPECT_TRUE(hasBothSizes(launcher));
    WhenNextDialogRuns([&](CDialog& helper) {
      EXPECT_TRUE(hasBothSizes(WindowOf(helper)));
      EXPECT_EQ(WindowOf(helper)->windowHandle()->transientParent(), nullptr);
      PressKey(WindowOf(helper), Qt::Key_F1);
      helper.EndDialog(IDOK);
    });
    QTest::mouseClick(ControlAs(*app.m_pMainWnd, IDC_OPEN_FOG), Qt::LeftButton, {}, {4, 4});
    PressKey(launcher, Qt::Key_Escape);
  });
  EXPECT_EQ(boxes.Texts().size(), 1u);  // so the click opened the helper
  RunLauncher(app, [](QWidget* window) { window->close(); });
  RunLauncher(app, [](QWidget* window) {
    window->hide();
    window->close();
  });
  QApplication::setWindowIcon(QIcon());
}

QAccessibleInterface* Accessible(CDialog& dialog, unsigned id) {
  return QAccessible::queryAccessibleInterface(ControlAs(dialog, static_cast<int>(id)));
}

// Controls named by their labels and the picture by its group; assistive tools click a check box
// and move a slider as a user does, so the dialog hears of it; a value field says it is read-only.
TEST(Accessibility, ControlsAreNamedAndWorkedByToolsAsByHand) {
  CEntityHelperApp app;
  CClassesCalculatorDlg classes;
  RunModal(classes, [&] {
    // A list's name is its choice on Linux; its label comes as the "labelled by" relation.
    const auto relations = Accessible(classes, IDC_ENTITY_NAME)->relations(QAccessible::Label);
    ASSERT_EQ(relations.size(), 1);
    EXPECT_EQ(relations.front().first->text(QAccessible::Name), "Entity Name:");
    QAccessibleInterface* grunt = Accessible(classes, IDC_FIRST_CLASS + 9);
    EXPECT_EQ(grunt->text(QAccessible::Name), "Grunt");
    grunt->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(grunt->state().checked);
    EXPECT_EQ(TextOf(classes, IDC_CLASSES_VALUE), "2");
    classes.EndDialog(IDOK);
  });
  CFogSettingsDlg fog;
  RunModal(fog, [&] {
    EXPECT_EQ(Accessible(fog, IDC_FOG_RED)->text(QAccessible::Name), "R");
    EXPECT_EQ(Accessible(fog, IDC_FOG_DECEL)->text(QAccessible::Name), "decel");
    QAccessibleInterface* preview = Accessible(fog, IDC_FOG_PREVIEW);
    EXPECT_EQ(preview->text(QAccessible::Name), "Preview");
    // Its description names the picture under the fog, as the file's name.
    const PictureFolder folder;
    DropFiles(fog, {folder.Write(u8"caf\u00e9.png", TestPictureFile(TestPicture::kPatternPng))});
    EXPECT_EQ(preview->text(QAccessible::Description),
              "The picture caf\u00e9.png seen through a fog of the chosen colour and alpha.");
    EXPECT_TRUE(Accessible(fog, IDC_FOG_MASS)->state().readOnly);
    QAccessibleValueInterface* alpha = Accessible(fog, IDC_FOG_ALPHA)->valueInterface();
    ASSERT_NE(alpha, nullptr);
    alpha->setCurrentValue(20);
    QCoreApplication::processEvents();
    EXPECT_EQ(TextOf(fog, IDC_FOG_MASS), "20");
    fog.EndDialog(IDOK);
  });
}

// Ctrl+O in the Fog helper asks over it, with its filters in Qt's form.
TEST(OpenFileDialog, ShowsTheFogHelpersFiltersOverIt) {
  CEntityHelperApp app;
  CFogSettingsDlg fog;
  bool asked = false;
  RunModal(fog, [&] {
    RunWhen([] { return dynamic_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
            [&] {
              auto* shown = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
              EXPECT_EQ(shown->nameFilters(),
                        QStringList({"Pictures (*.png *.jpg *.jpeg *.bmp)", "All files (*)"}));
              EXPECT_EQ(shown->parentWidget(), WindowOf(fog));
              asked = true;
              shown->reject();
            });
    PressKey(WindowOf(fog), Qt::Key_O, Qt::ControlModifier);
    fog.EndDialog(IDOK);
  });
  EXPECT_TRUE(asked);
}

}  // namespace
