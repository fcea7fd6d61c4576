#pragma once
// A user at the program's main window: what they pick in the choosers,
// set in the rings and boxes and press, on the headless renderer. Every
// step checks that the window took it, so a road fails where it breaks.

#include <chrono>
#include <string>
#include <vector>

#include "ui/memory/memory_toolkit.h"

struct App;

namespace e2e {

using Popups = std::vector<ui::memory::PopupRecord>;

class WindowUser {
 public:
  WindowUser(App& app, ui::memory::MemoryToolkit& ui);

  // Options: no title lookup, then Settings with the x264 preset and the
  // custom medium size (MB), saved.
  void SetUp(const std::string& preset, int customMediaMb);
  void ToggleDebugMode();

  // File > Open Video File / Open BD Folder, the chooser answered.
  void OpenVideoFile(const std::string& path);
  void OpenBlurayFolder(const std::string& folder);

  // The playlist dialog: its lines, its clip text, Proceed on a line.
  int PlaylistDialog() const;
  std::vector<std::string> Playlists() const;
  std::string PlaylistClips() const;
  void ProceedWithPlaylist(int index);

  void ChooseMedia(int index);
  void ChooseAudioTarget(int value);
  void ChooseSubtitleTarget(int value);
  void TypeChapters(const std::string& lines);
  // The advanced dialog: "Resize to 720p" ticked and applied.
  void ResizeTo720p();
  // Scan Bitrates, to its end, then Close.
  void ScanBitrates();

  // Add to Queue with these answers to its questions; the popups it showed.
  Popups AddToQueue(const std::vector<int>& answers = {});
  // Start Jobs, then wait until the queue has run dry.
  bool StartJobsAndWait(std::chrono::seconds limit);

  std::string Text(int control) const;
  std::vector<std::string> RingLabels(int control) const;
  int Value(int control) const;

 private:
  void Choose(int control, int index);

  int Panel() const;

  App& app_;
  ui::memory::MemoryToolkit& ui_;
};

}  // namespace e2e
