#include <fstream>
#include <map>
#include <sstream>

#include "ui/uir_model.h"
#include "ui/uir_tokens.h"

namespace ui {

namespace {

const std::map<std::string, Kind> kKinds = {
    {"command", Kind::Command},   {"string", Kind::String},
    {"numeric", Kind::Numeric},   {"ring", Kind::Ring},
    {"check", Kind::Check},       {"textbox", Kind::TextBox},
    {"textmsg", Kind::TextMsg},   {"tree", Kind::Tree},
    {"listbox", Kind::ListBox},   {"table", Kind::Table},
    {"progress", Kind::Progress}, {"timer", Kind::Timer},
    {"picture", Kind::Picture},   {"picturebutton", Kind::PictureButton},
    {"webbrowser", Kind::WebBrowser},
};

bool ParseInts(const std::string& text, std::vector<int>& out) {
  out.clear();
  std::stringstream in(text);
  std::string piece;
  while (std::getline(in, piece, ',')) {
    try {
      size_t used = 0;
      out.push_back(std::stoi(piece, &used));
      if (used != piece.size()) return false;
    } catch (...) {
      return false;
    }
  }
  return true;
}

class Parser {
 public:
  UirParseResult Run(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
      ++lineNo_;
      std::vector<UirToken> tokens;
      std::string error;
      if (!TokenizeUirLine(line, tokens, error)) return Fail(error);
      if (!tokens.empty() && !Statement(tokens)) return Fail(error_);
    }
    if (panel_ || bar_) return Fail("missing \"end\" at the end of the file");
    if (model_.panels.empty()) return Fail("no panel defined");
    return {std::move(model_), ""};
  }

 private:
  UirParseResult Fail(const std::string& why) {
    return {std::nullopt, "line " + std::to_string(lineNo_) + ": " + why};
  }
  bool Error(const std::string& why) {
    error_ = why;
    return false;
  }

  bool Statement(const std::vector<UirToken>& t) {
    const std::string& word = t[0].text;
    if (word == "panel") return Panel(t);
    if (word == "control") return Control(t);
    if (word == "item") return panel_ ? RingItem(t) : MenuItem(t);
    if (word == "row") return Row(t);
    if (word == "menubar") return MenuBar(t);
    if (word == "menu") return Menu(t);
    if (word == "submenu") return Submenu(t);
    if (word == "separator") return Separator();
    if (word == "end") return End();
    return Error("unknown word \"" + word + "\"");
  }

  bool Panel(const std::vector<UirToken>& t) {
    if (panel_ || bar_) return Error("panel inside another block");
    if (t.size() < 3 || !t[2].quoted) return Error("panel needs a name and a title");
    PanelDef p;
    p.name = t[1].text;
    p.title = t[2].text;
    p.id = static_cast<int>(model_.panels.size()) + 1;
    for (size_t i = 3; i < t.size(); ++i) {
      auto [key, value] = KeyValue(t[i].text);
      std::vector<int> n;
      if (key == "size" && ParseInts(value, n) && n.size() == 2) {
        p.width = n[0];
        p.height = n[1];
      } else if (key == "menubar") {
        p.menuBar = value;
      } else {
        return Error("unknown panel option \"" + t[i].text + "\"");
      }
    }
    model_.panels.push_back(std::move(p));
    panel_ = &model_.panels.back();
    control_ = nullptr;
    return true;
  }

  bool Control(const std::vector<UirToken>& t) {
    if (!panel_) return Error("control outside a panel");
    if (t.size() < 3) return Error("control needs a name and a kind");
    auto kind = kKinds.find(t[2].text);
    if (kind == kKinds.end()) return Error("unknown control kind \"" + t[2].text + "\"");
    for (const auto& c : panel_->controls)
      if (c.name == t[1].text) return Error("control " + t[1].text + " defined twice");
    ControlDef c;
    c.name = t[1].text;
    c.kind = kind->second;
    c.id = static_cast<int>(panel_->controls.size()) + 2;
    size_t i = 3;
    if (i < t.size() && t[i].quoted) c.label = t[i++].text;
    for (; i < t.size(); ++i)
      if (!ControlOption(c, t[i].text)) return false;
    panel_->controls.push_back(std::move(c));
    control_ = &panel_->controls.back();
    return true;
  }

  bool ControlOption(ControlDef& c, const std::string& word) {
    auto [key, value] = KeyValue(word);
    std::vector<int> n;
    if (key == "at" && ParseInts(value, n) && n.size() == 4) {
      c.at = {n[0], n[1], n[2], n[3]};
    } else if (key == "callback" && !value.empty()) {
      c.callback = value;
    } else if (key == "values" && (value == "int" || value == "real" || value == "text")) {
      c.valueType = value == "int" ? ValueType::Int : value == "real" ? ValueType::Real : ValueType::Text;
    } else if (key == "interval") {
      try {
        c.interval = std::stod(value);
      } catch (...) {
        return Error("bad interval \"" + value + "\"");
      }
    } else if (word == "dimmed") {
      c.dimmed = true;
    } else if (word == "hidden") {
      c.hidden = true;
    } else {
      return Error("unknown control option \"" + word + "\"");
    }
    return true;
  }

  bool RingItem(const std::vector<UirToken>& t) {
    if (!control_ || (control_->kind != Kind::Ring && control_->kind != Kind::ListBox))
      return Error("item outside a ring or list");
    if (t.size() < 2 || !t[1].quoted) return Error("item needs a quoted label");
    ItemDef item{t[1].text, 0};
    int index = static_cast<int>(control_->items.size());
    try {
      switch (control_->valueType) {
        case ValueType::Int:
          item.value = t.size() > 2 ? std::stoi(t[2].text) : index;
          break;
        case ValueType::Real:
          item.value = t.size() > 2 ? std::stod(t[2].text) : static_cast<double>(index);
          break;
        case ValueType::Text:
          item.value = t.size() > 2 ? t[2].text : t[1].text;
          break;
      }
    } catch (...) {
      return Error("bad item value \"" + t[2].text + "\"");
    }
    control_->items.push_back(std::move(item));
    return true;
  }

  bool Row(const std::vector<UirToken>& t) {
    if (!control_ || control_->kind != Kind::Table) return Error("row outside a table");
    if (t.size() != 2 || !t[1].quoted) return Error("row needs a quoted heading");
    control_->rowHeadings.push_back(t[1].text);
    return true;
  }

  bool MenuBar(const std::vector<UirToken>& t) {
    if (panel_ || bar_) return Error("menubar inside another block");
    if (t.size() != 2) return Error("menubar needs a name");
    MenuBarDef b;
    b.name = t[1].text;
    b.id = static_cast<int>(model_.menuBars.size()) + 1;
    model_.menuBars.push_back(std::move(b));
    bar_ = &model_.menuBars.back();
    nextMenuId_ = 2;
    return true;
  }

  bool Menu(const std::vector<UirToken>& t) {
    if (!bar_ || menu_) return Error("menu outside a menubar");
    if (t.size() != 3 || !t[2].quoted) return Error("menu needs a name and a quoted label");
    bar_->menus.push_back({t[1].text, t[2].text, {}, nextMenuId_++});
    menu_ = &bar_->menus.back();
    return true;
  }

  std::vector<MenuItemDef>* CurrentItems() {
    if (submenu_) return &submenu_->submenu;
    return menu_ ? &menu_->items : nullptr;
  }

  bool MenuItem(const std::vector<UirToken>& t) {
    auto* items = CurrentItems();
    if (!items) return Error("item outside a menu");
    if (t.size() < 3 || !t[2].quoted) return Error("menu item needs a name and a quoted label");
    MenuItemDef item{t[1].text, t[2].text, "", false, {}, nextMenuId_++};
    for (size_t i = 3; i < t.size(); ++i) {
      auto [key, value] = KeyValue(t[i].text);
      if (key != "callback" || value.empty()) return Error("unknown menu item option \"" + t[i].text + "\"");
      item.callback = value;
    }
    items->push_back(std::move(item));
    return true;
  }

  bool Submenu(const std::vector<UirToken>& t) {
    if (!menu_ || submenu_) return Error("submenu outside a menu");
    if (t.size() != 3 || !t[2].quoted) return Error("submenu needs a name and a quoted label");
    menu_->items.push_back({t[1].text, t[2].text, "", false, {}, nextMenuId_++});
    submenu_ = &menu_->items.back();
    return true;
  }

  bool Separator() {
    auto* items = CurrentItems();
    if (!items) return Error("separator outside a menu");
    items->push_back({"", "", "", true, {}, 0});
    return true;
  }

  bool End() {
    if (submenu_) {
      if (submenu_->submenu.empty()) return Error("empty submenu");
      submenu_ = nullptr;
    } else if (menu_) {
      menu_ = nullptr;
    } else if (bar_) {
      bar_ = nullptr;
    } else if (panel_) {
      panel_ = nullptr;
      control_ = nullptr;
    } else {
      return Error("\"end\" without a block");
    }
    return true;
  }

  static std::pair<std::string, std::string> KeyValue(const std::string& word) {
    auto eq = word.find('=');
    if (eq == std::string::npos) return {word, ""};
    return {word.substr(0, eq), word.substr(eq + 1)};
  }

  UirModel model_;
  PanelDef* panel_ = nullptr;
  ControlDef* control_ = nullptr;
  MenuBarDef* bar_ = nullptr;
  MenuDef* menu_ = nullptr;
  MenuItemDef* submenu_ = nullptr;
  int nextMenuId_ = 2;
  int lineNo_ = 0;
  std::string error_;
};

}  // namespace

UirParseResult ParseUir(const std::string& text) { return Parser().Run(text); }

UirParseResult LoadUirFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {std::nullopt, "cannot open " + path};
  std::stringstream text;
  text << in.rdbuf();
  UirParseResult result = ParseUir(text.str());
  if (!result.model) result.error = path + ": " + result.error;
  return result;
}

}  // namespace ui
