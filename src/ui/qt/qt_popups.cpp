#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <iostream>

#include "ui/qt/qt_records.h"

namespace ui::qt {

namespace {

// Every popup also goes to standard error: a user who started the program
// from a terminal, and its log, see what it said.
void Log(const std::string& title, const std::string& message) {
  std::cerr << "Quandrell: " << title << ": " << message << std::endl;
}

}  // namespace

int QtToolkit::MessagePopup(const std::string& title, const std::string& message) {
  Log(title, message);
  return OnUi<int>([=, this] {
    QMessageBox::information(DialogParent(), ToQ(title), ToQ(message));
    return 1;
  }, 1);
}

int QtToolkit::ConfirmPopup(const std::string& title, const std::string& message) {
  Log(title, message);
  return OnUi<int>([=, this] {
    return QMessageBox::question(DialogParent(), ToQ(title), ToQ(message), QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes ? 1 : 0;
  }, 0);
}

int QtToolkit::GenericMessagePopup(const std::string& title, const std::string& message,
                                   const std::string& button1, const std::string& button2,
                                   const std::string& button3, int enterButton, int escapeButton) {
  Log(title, message);
  return OnUi<int>([=, this] {
    QMessageBox box(QMessageBox::Question, ToQ(title), ToQ(message), QMessageBox::NoButton, DialogParent());
    std::vector<QPushButton*> buttons;
    for (const std::string* label : {&button1, &button2, &button3})
      buttons.push_back(label->empty() ? nullptr : box.addButton(ToQ(*label), QMessageBox::ActionRole));
    if (enterButton >= 1 && enterButton <= 3 && buttons[enterButton - 1]) box.setDefaultButton(buttons[enterButton - 1]);
    if (escapeButton >= 1 && escapeButton <= 3 && buttons[escapeButton - 1]) box.setEscapeButton(buttons[escapeButton - 1]);
    // Without an Escape button the question must be answered.
    for (;;) {
      box.exec();
      for (int i = 0; i < 3; ++i)
        if (buttons[i] && box.clickedButton() == buttons[i]) return i + 1;
    }
  }, 1);
}

FileChoice QtToolkit::FileSelectPopup(const std::string& startPath, const std::string& pattern,
                                      const std::string& filterLabel, const std::string& title) {
  return OnUi<FileChoice>([=, this] {
    // Patterns come as "*.mkv;*.m2ts"; Qt separates a filter's patterns with blanks.
    const QString filter = ToQ(filterLabel) + " (" + ToQ(pattern).replace(u';', u' ') + ")";
    const QString path = QFileDialog::getOpenFileName(DialogParent(), ToQ(title), ToQ(startPath), filter);
    return path.isEmpty() ? FileChoice{} : FileChoice{true, FromQ(path)};
  }, FileChoice{});
}

FileChoice QtToolkit::DirSelectPopup(const std::string& startFolder, const std::string& title) {
  return OnUi<FileChoice>([=, this] {
    const QString path = QFileDialog::getExistingDirectory(DialogParent(), ToQ(title), ToQ(startFolder));
    return path.isEmpty() ? FileChoice{} : FileChoice{true, FromQ(path)};
  }, FileChoice{});
}

// The font and its colour are chosen one after the other: Qt's font dialog
// has no colour of its own.
bool QtToolkit::FontSelectPopup(const std::string& title, FontChoice& font) {
  FontChoice chosen = font;
  const bool ok = OnUi<int>([&, this] {
    bool accepted = false;
    QFont initial(ToQ(font.face), font.pointSize > 0 ? font.pointSize : 12);
    const QFont picked = QFontDialog::getFont(&accepted, initial, DialogParent(), ToQ(title));
    if (!accepted) return 0;
    const QColor start(font.color & 0xFF, (font.color >> 8) & 0xFF, (font.color >> 16) & 0xFF);
    const QColor color = QColorDialog::getColor(start, DialogParent(), ToQ(title));
    if (!color.isValid()) return 0;
    chosen.face = FromQ(picked.family());
    chosen.pointSize = picked.pointSize();
    chosen.color = static_cast<unsigned>(color.red()) | (static_cast<unsigned>(color.green()) << 8) |
                   (static_cast<unsigned>(color.blue()) << 16);
    return 1;
  }, 0);
  if (ok) font = chosen;
  return ok;
}

}  // namespace ui::qt
