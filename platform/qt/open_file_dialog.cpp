#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <algorithm>
#include <cwchar>
#include <string>

#include "platform/detail/backend_contract.h"
#include "platform/qt/window_record.h"

namespace {

// Qt's name filters from Windows' list of pairs, "Pictures (*.png;*.jpg)\0*.png;*.jpg\0\0":
// "Pictures (*.png *.jpg)". Qt reads the patterns from the name's parentheses, so the name's
// own list, separated as Windows separates it, makes way for the pair's patterns.
QStringList NameFilters(LPCWSTR filter) {
  static const QRegularExpression givenPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  QStringList filters;
  while (filter != nullptr && *filter != L'\0') {
    const std::size_t nameLength = std::wcslen(filter);
    const LPCWSTR patterns = filter + nameLength + 1;
    const std::size_t patternsLength = std::wcslen(patterns);
    if (patternsLength == 0) {
      break;
    }
    QStringList qtPatterns;
    for (const QString& pattern :
         QString::fromWCharArray(patterns, static_cast<qsizetype>(patternsLength))
             .split(';', Qt::SkipEmptyParts)) {
      // Windows' "*.*" is every file, with or without an extension.
      qtPatterns << (pattern.trimmed() == "*.*" ? QString("*") : pattern.trimmed());
    }
    filters << QString::fromWCharArray(filter, static_cast<qsizetype>(nameLength))
                       .remove(givenPatterns) +
                   " (" + qtPatterns.join(' ') + ")";
    filter = patterns + patternsLength + 1;
  }
  return filters;
}

}  // namespace

// Qt's own dialog rather than the desktop's: the desktop's runs in another process, or not at
// all, depending on the session (no desktop offscreen or under a bare compositor), and a modal
// loop of our own lets the program and its tests answer it alike everywhere.
BOOL GetOpenFileNameW(OPENFILENAMEW* lpofn) {
  if (lpofn == nullptr || lpofn->lpstrFile == nullptr || lpofn->nMaxFile == 0) {
    return FALSE;
  }
  QWidget* owner = platform::qt::WidgetOf(lpofn->hwndOwner);
  QFileDialog dialog(owner != nullptr ? owner->window() : nullptr);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (lpofn->lpstrTitle != nullptr) {
    dialog.setWindowTitle(QString::fromWCharArray(lpofn->lpstrTitle));
  }
  dialog.setNameFilters(NameFilters(lpofn->lpstrFilter));
  if (lpofn->lpstrFile[0] != L'\0') {
    dialog.selectFile(QString::fromWCharArray(lpofn->lpstrFile));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return FALSE;
  }
  const std::wstring chosen =
      QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdWString();
  if (chosen.size() >= lpofn->nMaxFile) {
    return FALSE;
  }
  std::copy(chosen.begin(), chosen.end(), lpofn->lpstrFile);
  lpofn->lpstrFile[chosen.size()] = L'\0';
  return TRUE;
}
