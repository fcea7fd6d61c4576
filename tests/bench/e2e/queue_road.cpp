// Queues the Matroska road's job in the user's own store (HOME and XDG_*
// as the environment has them): the film is opened, "MKV" at the settings'
// CRF 20 with the audio in FLAC is chosen, and "Add to Queue" pressed, on
// the headless renderer as in the end-to-end tests. "quandrell --run" then
// runs it.
//   e2e_queue_road <film.m2ts>   (made from the test media when missing)
// Prints the job's output path; exits 1 when no job was added.

#include <filesystem>
#include <iostream>
#include <memory>

#include "harness/app_harness.h"
#include "platform/registry_store.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "road_media.h"
#include "shell/callbacks.h"
#include "shell/main_window_settings.h"
#include "shell/settings_store.h"
#include "window_user.h"

namespace {

constexpr int kMediaMkv = 6, kAudioFlac = 2;

// What the program's start-up does before the user acts, on the user's store.
struct UserSession {
  ui::CallbackTable callbacks;
  ui::memory::MemoryToolkit toolkit{test::WindowDefinition(), callbacks};
  platform::RegistryStore store{platform::RegistryStore::DefaultPath()};
  test::RecordingOpener opener;
  test::RecordingPower power;
  std::unique_ptr<App> app;

  bool Start() {
    std::string error;
    if (!store.Open(error)) {
      std::cerr << "e2e_queue_road: " << error << "\n";
      return false;
    }
    app = std::make_unique<App>(toolkit, store, opener, power, QUANDRELL_TEST_PROGRAM_DIR);
    callbacks = BindAllCallbacks(*app);
    app->mainPanel = toolkit.LoadPanel(0, PANEL);
    LoadSettings(*app);
    ApplySettingsToMainWindow(*app);
    LoadQueue(*app);
    RedrawQueue(*app);
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: e2e_queue_road <film.m2ts>\n";
    return 2;
  }
  const std::filesystem::path film = argv[1];
  if (!std::filesystem::exists(film)) std::filesystem::copy_file(e2e::LpcmClip(), film);
  UserSession session;
  if (!session.Start()) return 1;
  e2e::WindowUser user(*session.app, session.toolkit);
  user.SetUp("ultrafast", 6);
  user.OpenVideoFile(film.string());
  user.ChooseMedia(kMediaMkv);
  user.ChooseAudioTarget(kAudioFlac);
  user.AddToQueue();
  const Job& job = session.app->queue[0];
  if (LoadState(job) != JobPending) {
    std::cerr << "e2e_queue_road: no job was added\n";
    return 1;
  }
  std::cout << job.outputPath << "\n";
  return 0;
}
