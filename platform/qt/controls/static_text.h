#pragma once

#include <QLabel>
#include <vector>

#include "platform/win_types.h"

namespace platform::qt {

// A static text, wrapped. At the template's size a text may need more lines than its rectangle
// holds in the user's font (a wide one, or a large one): then it grows downwards into the free
// room below it, and where that is not enough it shows what fits, ending in an ellipsis, with
// the whole text in its tooltip. Its window text stays the whole text.
class StaticText : public QLabel {
  Q_OBJECT

 public:
  StaticText(const QString& text, QWidget* parent);

  QString FullText() const { return m_fullText; }
  void SetFullText(const QString& text);
  // The lowest the text may reach in its dialog; until set, its template rectangle.
  void SetRoomBelow(int bottom);

 private:
  void Fit();
  QString Elided(int lines) const;

  QString m_fullText;
  int m_templateHeight = 0;
  int m_lowestBottom = 0;
};

// Gives each static text among the dialog's controls the room below it: down to the nearest
// control under it, the frame of a group box around it, or the dialog's edge.
void MakeRoomForTexts(QWidget* dialog, const std::vector<HWND>& controls);

}  // namespace platform::qt
