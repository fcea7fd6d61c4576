// The launcher progress as a desktop sees it: the LauncherEntry signal on
// a session bus of the test's own, read back with dbus-monitor.

#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "platform/taskbar_progress.h"
#include "tools/child_process.h"

namespace {

using namespace std::chrono_literals;

// Everything a piped child printed within `wait`.
std::string ReadFor(tools::ChildProcess& child, std::chrono::milliseconds wait) {
  std::string text;
  for (auto end = std::chrono::steady_clock::now() + wait; std::chrono::steady_clock::now() < end;) {
    if (child.Peek() > 0) text += child.TakeOutput();
    std::this_thread::sleep_for(20ms);
  }
  return text;
}

bool StartPiped(tools::ChildProcess& child, std::vector<std::string> argv) {
  tools::ProcessOptions options;
  options.argv = std::move(argv);
  options.pipeStdout = true;
  std::string error;
  return child.Start(options, error);
}

TEST(LauncherProgress, TheSessionBusCarriesTheBarsVisibilityAndValue) {
  for (const char* program : {"/usr/bin/dbus-daemon", "/usr/bin/dbus-monitor"})
    if (::access(program, X_OK) != 0) GTEST_SKIP() << program << " is missing";
  tools::ChildProcess daemon, monitor;
  ASSERT_TRUE(StartPiped(daemon, {"/usr/bin/dbus-daemon", "--session", "--nofork", "--print-address=1"}));
  std::string address = ReadFor(daemon, 500ms);
  address = address.substr(0, address.find('\n'));
  ASSERT_FALSE(address.empty());
  ASSERT_TRUE(StartPiped(monitor, {"/usr/bin/dbus-monitor", "--address", address,
                                   "type='signal',interface='com.canonical.Unity.LauncherEntry'"}));
  ReadFor(monitor, 300ms);
  setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
  static int argc = 1;
  static char name[] = "engine_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);

  auto launcher = platform::MakeTaskbarProgress();
  launcher->SetState(platform::TaskbarState::Normal);
  launcher->SetValue(400, 1000);
  launcher->SetState(platform::TaskbarState::NoProgress);
  const std::string seen = ReadFor(monitor, 500ms);
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  monitor.Terminate();
  monitor.Wait();
  daemon.Terminate();
  daemon.Wait();

  EXPECT_NE(seen.find("path=/com/canonical/unity/launcherentry/quandrell; interface=com.canonical.Unity.LauncherEntry;"
                      " member=Update"),
            std::string::npos)
      << seen;
  EXPECT_NE(seen.find("string \"application://quandrell.desktop\""), std::string::npos);
  EXPECT_NE(seen.find("double 0.4"), std::string::npos);
  const size_t last = seen.rfind("progress-visible");
  ASSERT_NE(last, std::string::npos);
  EXPECT_NE(seen.find("boolean false", last), std::string::npos) << "the bar is hidden at the end";
}

}  // namespace
