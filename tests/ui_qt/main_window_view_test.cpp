// The main window on Qt as a user sees it with a source open and jobs in
// the queue: the program's own loading and redrawing, drawn by the real
// widgets. With QUANDRELL_SCREENSHOT_DIR set, the picture is saved there.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QTreeWidget>
#include <memory>

#include "harness/app_harness.h"
#include "harness/recording_power.h"
#include "harness/sample_jobs.h"
#include "media_fixtures.h"
#include "queue/queue_display.h"
#include "shell/callbacks.h"
#include "shell/main_window_settings.h"
#include "shell/settings_store.h"
#include "shell/window_title.h"
#include "source/load_source.h"
#include "ui/qt/qt_toolkit.h"

namespace {

TEST(MainWindowView, ASourceAndAQueueAsTheUserSeesThem) {
  test::TempDir dir;
  setenv("HOME", (dir / "home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
  const std::string clip = quandrell::test::M2tsClip().string();

  ui::CallbackTable callbacks;
  ui::qt::QtToolkit toolkit(test::WindowDefinition(), callbacks);
  platform::RegistryStore store(platform::RegistryStore::DefaultPath());
  std::string error;
  ASSERT_TRUE(store.Open(error)) << error;
  test::RecordingOpener opener;
  test::RecordingPower power;
  auto app = std::make_unique<App>(toolkit, store, opener, power, QUANDRELL_TEST_PROGRAM_DIR);
  callbacks = BindAllCallbacks(*app);
  app->mainPanel = toolkit.LoadPanel(0, PANEL);
  toolkit.SetPanelAttribute(app->mainPanel, ui::ATTR_TITLE, MainWindowTitle(*app));
  LoadSettings(*app);
  app->settings.Scrape = 0;  // no title lookup on the web
  ApplySettingsToMainWindow(*app);

  Job finished = test::MkvRemuxJob("Nosferatu (1922)", "/media/films/Nosferatu.mkv", dir / "home/AVCHD/Nosferatu (1922).mkv");
  finished.state = JobFinished;
  Job failed = test::Bd25Job("METROPOLIS", "/media/films/Metropolis.m2ts", dir / "home/AVCHD/METROPOLIS");
  failed.state = JobFailed;
  app->queue[0] = finished;
  app->queue[1] = failed;
  app->queue[2] = test::MkvCrfJob("The General (1926)", "/media/films/General.m2ts", dir / "home/AVCHD/The General (1926).mkv");
  RedrawQueue(*app);
  LoadSource(*app, clip, "");

  QWidget* window = toolkit.PanelWidget(app->mainPanel);
  auto* video = window->findChild<QComboBox*>("S_VIDEO");
  auto* audio = window->findChild<QComboBox*>("S_AUDIO");
  ASSERT_EQ(video->count(), 1);
  EXPECT_EQ(video->itemText(0).left(8), "4113 :  ");
  EXPECT_EQ(audio->count(), 2);
  EXPECT_EQ(window->findChild<QTreeWidget*>("COLA2")->topLevelItemCount(), 3);

  const QByteArray shots = qgetenv("QUANDRELL_SCREENSHOT_DIR");
  if (!shots.isEmpty()) {
    window->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->grab().save(shots + "/main-window-with-source.png"));
  }
  toolkit.DiscardPanel(app->mainPanel);
}

}  // namespace
