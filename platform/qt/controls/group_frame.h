#pragma once

#include <QString>
#include <QWidget>

namespace platform::qt {

// A group box as Windows draws it: an etched frame whose top line runs through the middle of
// the title, so that the frame encloses exactly the template's rectangle. Assistive tools see a
// grouping named by its title. It repaints whenever a control in front of it does, so it draws
// its title only when the repaint reaches it.
class GroupFrame : public QWidget {
  Q_OBJECT

 public:
  GroupFrame(const QString& title, QWidget* parent);

  QString Title() const { return m_title; }
  void SetTitle(const QString& title);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Where the title stands, worked out once per title and font.
  QRect TitleRect();

  QString m_title;
  QRect m_titleRect;
};

}  // namespace platform::qt
