#include "platform/qt/controls/accessibility.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/qt/controls/button.h"
#include "platform/qt/controls/edit_box.h"
#include "platform/qt/controls/group_frame.h"
#include "platform/qt/controls/picture_widget.h"
#include "platform/qt/controls/read_only_edit_accessible.h"
#include "platform/qt/controls/static_text.h"
#include "platform/qt/controls/trackbar.h"
#include "platform/qt/window_record.h"

namespace platform::qt {

namespace {

class CheckBoxAccessible : public QAccessibleWidget {
 public:
  explicit CheckBoxAccessible(WholeRectCheckBox* box)
      : QAccessibleWidget(box, QAccessible::CheckBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return Box()->text().remove(QLatin1Char('&'));
    }
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Box()->isChecked();
    return state;
  }

  QStringList actionNames() const override { return {toggleAction(), pressAction()}; }

  // Qt's own toggles the box without a click; the dialog hears only clicks.
  void doAction(const QString& name) override {
    if ((name == toggleAction() || name == pressAction()) && Box()->isEnabled()) {
      Box()->click();
    }
  }

  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  WholeRectCheckBox* Box() const { return static_cast<WholeRectCheckBox*>(widget()); }
};

class TrackbarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit TrackbarAccessible(Trackbar* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) {
      return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) {
      return QString::number(Slider()->value());
    }
    return QAccessibleWidget::text(kind);
  }

  QVariant currentValue() const override { return Slider()->value(); }
  void setCurrentValue(const QVariant& value) override {
    Slider()->SetPositionAsUser(value.toInt());
  }
  QVariant maximumValue() const override { return Slider()->maximum(); }
  QVariant minimumValue() const override { return Slider()->minimum(); }
  QVariant minimumStepSize() const override { return Slider()->singleStep(); }

 private:
  Trackbar* Slider() const { return static_cast<Trackbar*>(widget()); }
};

QAccessibleInterface* ControlAccessibility(const QString&, QObject* object) {
  if (auto* box = qobject_cast<WholeRectCheckBox*>(object)) {
    return new CheckBoxAccessible(box);
  }
  if (auto* slider = qobject_cast<Trackbar*>(object)) {
    return new TrackbarAccessible(slider);
  }
  if (auto* edit = qobject_cast<EditBox*>(object); edit != nullptr && edit->isReadOnly()) {
    return new ReadOnlyEditAccessible(edit);
  }
  // Named by their titles (group boxes) or by the group box around them (pictures).
  if (auto* frame = qobject_cast<GroupFrame*>(object)) {
    return new QAccessibleWidget(frame, QAccessible::Grouping);
  }
  if (auto* picture = qobject_cast<PictureWidget*>(object)) {
    return new QAccessibleWidget(picture, QAccessible::Graphic);
  }
  return nullptr;
}

bool TakesALabel(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) != nullptr ||
         qobject_cast<const QComboBox*>(widget) != nullptr ||
         qobject_cast<const Trackbar*>(widget) != nullptr;
}

// A picture has no text of its own: it takes the title of the smallest group box around it.
void NamePictureByItsGroup(QWidget* picture, const std::vector<HWND>& controls) {
  const GroupFrame* group = nullptr;
  for (HWND other : controls) {
    const auto* frame = qobject_cast<const GroupFrame*>(WidgetOf(other));
    if (frame != nullptr && frame->geometry().contains(picture->geometry()) &&
        (group == nullptr || group->geometry().contains(frame->geometry()))) {
      group = frame;
    }
  }
  if (group != nullptr) {
    picture->setAccessibleName(group->Title());
  }
}

}  // namespace

void InstallControlAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ControlAccessibility);
    return true;
  }();
  (void)installed;
}

void NameControlsByTheirLabels(const std::vector<HWND>& controls) {
  constexpr int kTouching = 2;  // pixels a label may reach into its control
  for (HWND control : controls) {
    QWidget* widget = WidgetOf(control);
    if (qobject_cast<PictureWidget*>(widget) != nullptr) {
      NamePictureByItsGroup(widget, controls);
      continue;
    }
    if (!TakesALabel(widget)) {
      continue;
    }
    const QRect place = widget->geometry();
    StaticText* nearest = nullptr;
    for (HWND other : controls) {
      auto* label = qobject_cast<StaticText*>(WidgetOf(other));
      if (label == nullptr) {
        continue;
      }
      const QRect text = label->geometry();
      const bool sameLine = text.top() <= place.bottom() && place.top() <= text.bottom();
      const bool toTheLeft = text.right() <= place.left() + kTouching;
      if (sameLine && toTheLeft &&
          (nearest == nullptr || text.right() > nearest->geometry().right())) {
        nearest = label;
      }
    }
    if (nearest != nullptr) {
      nearest->setBuddy(widget);
      widget->setAccessibleName(nearest->FullText());
    }
  }
}

}  // namespace platform::qt
