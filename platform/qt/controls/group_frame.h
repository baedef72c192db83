#pragma once

#include <QString>
#include <QWidget>

namespace platform::qt {

// A group box as Windows draws it: an etched frame whose top line runs through the middle of
// the title, so that the frame encloses exactly the template's rectangle. Assistive tools see a
// grouping named by its title.
class GroupFrame : public QWidget {
  Q_OBJECT

 public:
  GroupFrame(const QString& title, QWidget* parent);

  QString Title() const { return m_title; }
  void SetTitle(const QString& title);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_title;
};

}  // namespace platform::qt
