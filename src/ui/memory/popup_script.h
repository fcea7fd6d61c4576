#pragma once
// Answers for the popups and choosers of a headless run, set up in advance
// by a test, and the record of every popup shown.

#include <deque>
#include <optional>
#include <string>
#include <variant>
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
  void Answer(int button) { answers_.push_back(button); }
  // The next file or folder chooser returns this path.
  void Choose(const std::string& path) { answers_.push_back(FileChoice{true, path}); }
  // The next file or folder chooser is cancelled.
  void CancelChooser() { answers_.push_back(FileChoice{}); }
  void ChooseFont(const FontChoice& font) { answers_.push_back(font); }
  // The next context menu picks this item (0: none).
  void PickMenuItem(int item) { answers_.push_back(MenuPick{item}); }
  bool Empty() const { return answers_.empty(); }

  std::optional<int> TakeButton() { return Take<int>(); }
  std::optional<FileChoice> TakeFile() { return Take<FileChoice>(); }
  std::optional<FontChoice> TakeFont() { return Take<FontChoice>(); }
  std::optional<int> TakeMenuPick() {
    auto pick = Take<MenuPick>();
    return pick ? std::optional<int>(pick->item) : std::nullopt;
  }

 private:
  struct MenuPick {
    int item;
  };
  using Scripted = std::variant<int, FileChoice, FontChoice, MenuPick>;

  // An answer of another kind stays for the popup it was meant for.
  template <typename T>
  std::optional<T> Take() {
    if (answers_.empty() || !std::holds_alternative<T>(answers_.front())) return std::nullopt;
    T value = std::get<T>(answers_.front());
    answers_.pop_front();
    return value;
  }

  std::deque<Scripted> answers_;
};

}  // namespace ui::memory
