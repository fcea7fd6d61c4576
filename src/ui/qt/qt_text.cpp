#include "ui/qt/qt_records.h"

namespace ui::qt {

QString ToQ(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQ(const QString& text) { return text.toUtf8().toStdString(); }

QString WithAccelerator(const std::string& label) {
  std::string out;
  for (size_t i = 0; i < label.size(); ++i) {
    if (label.compare(i, 2, "__") == 0) {
      out += '&';
      ++i;
    } else if (label[i] == '&') {
      out += "&&";
    } else {
      out += label[i];
    }
  }
  return ToQ(out);
}

}  // namespace ui::qt
