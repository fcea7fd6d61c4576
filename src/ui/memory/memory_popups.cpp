#include <iostream>

#include "ui/memory/memory_toolkit.h"

namespace ui::memory {

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

}  // namespace

int MemoryToolkit::Record(PopupRecord record) {
  Lock lock(mutex_);
  if (echoPopups_) std::cerr << record.title << ": " << record.message << "\n";
  popups_.push_back(record);
  return record.answer;
}

std::vector<PopupRecord> MemoryToolkit::Popups() const {
  Lock lock(mutex_);
  return popups_;
}

void MemoryToolkit::ClearPopups() {
  Lock lock(mutex_);
  popups_.clear();
}

// Unscripted popups take the answer that changes nothing: OK, No, the
// Enter button, a cancelled chooser.
int MemoryToolkit::MessagePopup(const std::string& title, const std::string& message) {
  Lock lock(mutex_);
  script_.TakeButton();
  return Record({PopupRecord::Message, title, message, {"OK"}, 1});
}

int MemoryToolkit::ConfirmPopup(const std::string& title, const std::string& message) {
  Lock lock(mutex_);
  int answer = script_.TakeButton().value_or(0);
  return Record({PopupRecord::Confirm, title, message, {"Yes", "No"}, answer});
}

int MemoryToolkit::GenericMessagePopup(const std::string& title, const std::string& message,
                                       const std::string& button1, const std::string& button2,
                                       const std::string& button3, int enterButton,
                                       int /*escapeButton*/) {
  Lock lock(mutex_);
  std::vector<std::string> buttons;
  for (const auto* b : {&button1, &button2, &button3})
    if (!b->empty()) buttons.push_back(*b);
  int answer = script_.TakeButton().value_or(enterButton > 0 ? enterButton : 1);
  return Record({PopupRecord::Generic, title, message, buttons, answer});
}

FileChoice MemoryToolkit::FileSelectPopup(const std::string& startPath, const std::string& pattern,
                                          const std::string& /*filterLabel*/,
                                          const std::string& title) {
  Lock lock(mutex_);
  FileChoice choice = script_.TakeFile().value_or(FileChoice{});
  Record({PopupRecord::FileChooser, title, startPath + " " + pattern, {}, choice.chosen ? 1 : 0});
  return choice;
}

FileChoice MemoryToolkit::DirSelectPopup(const std::string& startFolder, const std::string& title) {
  Lock lock(mutex_);
  FileChoice choice = script_.TakeFile().value_or(FileChoice{});
  Record({PopupRecord::FolderChooser, title, startFolder, {}, choice.chosen ? 1 : 0});
  return choice;
}

bool MemoryToolkit::FontSelectPopup(const std::string& title, FontChoice& font) {
  Lock lock(mutex_);
  auto chosen = script_.TakeFont();
  Record({PopupRecord::Font, title, font.face, {}, chosen ? 1 : 0});
  if (chosen) font = *chosen;
  return chosen.has_value();
}

int MemoryToolkit::GetPanelMenuBar(int panel) {
  Lock lock(mutex_);
  return Panel(panel).menuBar;
}

int MemoryToolkit::LoadMenuBar(int panel, int menuBarResource) {
  Lock lock(mutex_);
  const MenuBarDef* def = model_.FindMenuBar(menuBarResource);
  if (!def) return -1;
  int handle = nextHandle_++;
  menuBars_[handle] = {def, panel, {}};
  return handle;
}

void MemoryToolkit::DiscardMenuBar(int menuBar) {
  Lock lock(mutex_);
  menuBars_.erase(menuBar);
}

void MemoryToolkit::SetMenuBarAttribute(int menuBar, int item, Attr attr, const Value& value) {
  Lock lock(mutex_);
  auto it = menuBars_.find(menuBar);
  if (it != menuBars_.end()) it->second.attrs[{item, attr}] = value;
}

Value MemoryToolkit::GetMenuBarAttribute(int menuBar, int item, Attr attr) {
  Lock lock(mutex_);
  auto it = menuBars_.find(menuBar);
  if (it == menuBars_.end()) return 0;
  auto a = it->second.attrs.find({item, attr});
  return a == it->second.attrs.end() ? Value(0) : a->second;
}

int MemoryToolkit::RunPopupMenu(int menuBar, int /*menu*/, int /*panel*/, int /*top*/,
                                int /*left*/) {
  int item = 0;
  {
    Lock lock(mutex_);
    item = script_.TakeMenuPick().value_or(0);
    if (item && AsInt(GetMenuBarAttribute(menuBar, item, ATTR_DIMMED))) item = 0;
    Record({PopupRecord::ContextMenu, "", "", {}, item});
  }
  if (item) FireMenuItem(menuBar, item);
  return item;
}

}  // namespace ui::memory
