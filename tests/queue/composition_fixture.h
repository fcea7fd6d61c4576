#pragma once
// "Add to Queue" pressed on a main window that shows a source described
// by the test: a two-hour 1920x1080 film with an AC-3 640 kb/s track,
// opened from a Blu-ray folder unless the test says otherwise.

#include <string>
#include <vector>

#include "platform/fixed_text.h"
#include "queue/job.h"
#include "support/planning_window.h"

namespace test {

class CompositionTest : public PlanningWindow {
 protected:
  // The film as described so far, with its video and audio when the test
  // added none.
  void OpenFilm(const std::string& path = "/media/disc/FILM/BDMV/STREAM/00001.m2ts") {
    if (source().videoCount == 0) Add(Video(1920, 1080));
    if (source().audioCount == 0) Add(Ac3(640));
    Open(path);
  }
  void AddToQueue() { Click(PANEL_ADD); }
  bool Added() { return LoadState(app().queue[0]) == JobPending; }
  const Job& Added0() { return app().queue[0]; }
  bool SlotIsZero(int slot) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&app().queue[slot]);
    for (size_t i = 0; i < sizeof(Job); ++i)
      if (bytes[i] != 0) return false;
    return true;
  }
  std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (const auto& popup : ui().Popups()) titles.push_back(popup.title);
    return titles;
  }
  std::string LastMessage() { return ui().Popups().empty() ? "" : ui().Popups().back().message; }
  int Focus() { return ui().GetActiveCtrl(panel()); }
};

}  // namespace test
