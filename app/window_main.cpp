// The window: builds the window system, the program's state and its
// callbacks, and runs the main window.

#include <signal.h>

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "engine/pipeline.h"
#include "online/version_check.h"
#include "platform/http_client.h"
#include "platform/power.h"
#include "platform/program_dir.h"
#include "platform/registry_store.h"
#include "platform/session_signals.h"
#include "platform/shell_open.h"
#include "platform/single_instance.h"
#include "shell/app.h"
#include "shell/callbacks.h"
#include "shell/exit_request.h"
#include "shell/startup.h"
#include "shell/window_definition.h"
#include "ui/qt/qt_toolkit.h"
#include "window_main.h"

namespace {

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* value = std::getenv(name); value && *value) return true;
  return false;
}

// Start-up cannot go on: the message goes to standard error and to a
// popup, which the end of the session also closes.
int Fail(const std::string& message) {
  std::cerr << "Quandrell: " << message << std::endl;
  platform::SessionSignals session;
  session.Start({SIGTERM, SIGHUP}, [](int) {
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
  });
  QMessageBox::critical(nullptr, "Quandrell", QString::fromStdString(message));
  return 1;
}

}  // namespace

int RunWindow(int argc, char** argv) {
  if (!HasDisplay()) {
    std::cerr << "Quandrell: no display to show the window on.\n";
    return -1;
  }
  QApplication application(argc, argv);
  platform::HttpGlobalInit();
  const std::string programDir = platform::ProgramDir();

  ui::UirModel model;
  if (std::string error = LoadWindowDefinition(programDir, model); !error.empty()) return Fail(error);

  ui::CallbackTable callbacks;
  ui::qt::QtToolkit toolkit(model, callbacks);
  platform::RegistryStore store(platform::RegistryStore::DefaultPath());
  std::string storeError;
  store.SetLockWait(platform::RegistryStore::kDefaultLockWait,
                    [](const std::string& notice) { std::cerr << "Quandrell: " << notice << std::endl; });
  store.Open(storeError);
  platform::XdgOpener opener;
  platform::LogindPower power;
  auto app = std::make_unique<App>(toolkit, store, opener, power, programDir);
  callbacks = BindAllCallbacks(*app);
  if (auto unbound = ui::UnboundCallbacks(model, callbacks); !unbound.empty())
    return Fail("The window definition names a callback this program lacks: " + unbound.front());

  const auto lockPath = std::filesystem::path(store.Path()).parent_path() / "instance.lock";
  platform::SingleInstance instance(lockPath.string());
  // The desktop's session manager asks before a logout: the running job is
  // stopped and saved, and the program ends.
  QObject::connect(&application, &QGuiApplication::commitDataRequest, [&app] { EndSession(*app); });
  const int code = RunMainWindow(*app, instance, storeError);
  // Before the toolkit's last events run: an update offer must not pop up
  // while the program ends.
  StopVersionCheck(*app);
  toolkit.Shutdown();
  JoinPipeline(*app);
  return code;
}
