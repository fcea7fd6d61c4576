#include "source/text_case.h"

#include <QString>

std::string LowerText(const std::string& text) {
  return QString::fromStdString(text).toLower().toStdString();
}

std::string UpperText(const std::string& text) {
  return QString::fromStdString(text).toUpper().toStdString();
}

void CapitalizeWords(std::string& text) {
  QString title = QString::fromStdString(text);
  const qsizetype length = title.size();
  if (length == 0) return;
  title[0] = title[0].toUpper();
  for (qsizetype i = 1; i < length - 1; ++i) {
    if (title[i - 1] == u' ' && title[i] != u' ' && title[i + 1] != u' ') title[i] = title[i].toUpper();
  }
  text = title.toStdString();
}
