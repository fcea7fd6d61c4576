#pragma once
// Answers for the popups and choosers of a headless run, set up in advance
// by a test, and the record of every popup shown.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace ui::memory {

struct PopupRecord {
  enum Kind { Message, Confirm, Generic, FileChooser, FolderChooser, Font, ContextMenu };
  Kind kind = Message;
  std::string title;
  std::string message;
  std::vector<std::string> buttons;  // labels of Generic popups
  int answer = 0;
};

class PopupScript {
 public:
  // The next message, confirm or generic popup answers with this button.
  void Answer(int button) { answers_.push_back({Scripted::Button, button, {}, {}}); }
  // The next file or folder chooser returns this path.
  void Choose(const std::string& path) { answers_.push_back({Scripted::File, 0, FileChoice{true, path}, {}}); }
  // The next file or folder chooser is cancelled.
  void CancelChooser() { answers_.push_back({Scripted::File, 0, FileChoice{}, {}}); }
  void ChooseFont(const FontChoice& font) { answers_.push_back({Scripted::Font, 0, {}, font}); }
  // The next context menu picks this item (0: none).
  void PickMenuItem(int item) { answers_.push_back({Scripted::MenuPick, item, {}, {}}); }
  bool Empty() const { return answers_.empty(); }

  std::optional<int> TakeButton() {
    auto a = Take(Scripted::Button);
    return a ? std::optional<int>(a->number) : std::nullopt;
  }
  std::optional<FileChoice> TakeFile() {
    auto a = Take(Scripted::File);
    return a ? std::optional<FileChoice>(a->file) : std::nullopt;
  }
  std::optional<FontChoice> TakeFont() {
    auto a = Take(Scripted::Font);
    return a ? std::optional<FontChoice>(a->font) : std::nullopt;
  }
  std::optional<int> TakeMenuPick() {
    auto a = Take(Scripted::MenuPick);
    return a ? std::optional<int>(a->number) : std::nullopt;
  }

 private:
  struct Scripted {
    enum Kind { Button, File, Font, MenuPick } kind;
    int number;  // a button or a menu item
    FileChoice file;
    FontChoice font;
  };

  // An answer of another kind stays for the popup it was meant for.
  std::optional<Scripted> Take(Scripted::Kind kind) {
    if (answers_.empty() || answers_.front().kind != kind) return std::nullopt;
    Scripted answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  std::deque<Scripted> answers_;
};

}  // namespace ui::memory
