// The real program, started without a display (offscreen): it comes up,
// refuses a second copy while it runs, ends cleanly at the end of the
// session, and refuses to start without its window definition.

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "harness/temp_dir.h"
#include "program_run.h"

namespace {

using namespace std::chrono_literals;
using test::Program;
using test::WaitExit;
using test::WaitFor;
namespace fs = std::filesystem;

Program Start(const test::TempDir& dir, const std::string& binary, const std::string& name) {
  auto env = test::UserEnvironment(dir);
  env.push_back("QT_QPA_PLATFORM=offscreen");
  return test::StartProgram(binary, {}, env, dir / name);
}

// The settings are written once the main window is up.
bool SettingsWritten(const test::TempDir& dir) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2((dir / "config/Quandrell/registry.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return false;
  }
  sqlite3_stmt* s = nullptr;
  bool found = sqlite3_prepare_v2(db, "SELECT 1 FROM registry_values WHERE name = 'Scrape'", -1, &s, nullptr) == SQLITE_OK &&
               sqlite3_step(s) == SQLITE_ROW;
  sqlite3_finalize(s);
  sqlite3_close(db);
  return found;
}

TEST(Program, StartsRefusesASecondCopyAndEndsWithTheSession) {
  test::TempDir dir;
  fs::create_directories(dir / "home");
  Program first = Start(dir, QUANDRELL_BINARY, "first");
  ASSERT_TRUE(WaitFor([&] { return SettingsWritten(dir); }, 20s)) << test::ReadFile(first.errFile);

  Program second = Start(dir, QUANDRELL_BINARY, "second");
  ASSERT_TRUE(WaitFor([&] {
    return test::ReadFile(second.errFile).find("Another instance of Quandrell is already running!") != std::string::npos;
  }, 20s));
  kill(second.pid, SIGTERM);  // the user's session ends while the message is shown
  EXPECT_EQ(WaitExit(second.pid, 10s), 0);
  EXPECT_EQ(kill(first.pid, 0), 0) << "the first copy must keep running";

  kill(first.pid, SIGTERM);
  EXPECT_EQ(WaitExit(first.pid, 10s), 0) << test::ReadFile(first.errFile);
}

// The store's error shows before the event loop runs; the end of the
// session while it shows once went unheard and left the program running.
TEST(Program, TheEndOfTheSessionClosesTheStoresErrorMessageAndTheProgram) {
  test::TempDir dir;
  fs::create_directories(dir / "config/Quandrell");
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((dir / "config/Quandrell/registry.db").c_str(), &db), SQLITE_OK);
  sqlite3_exec(db, "CREATE TABLE registry_values (key TEXT, name TEXT, type INTEGER, data BLOB)", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  Program p = Start(dir, QUANDRELL_BINARY, "shape");
  ASSERT_TRUE(WaitFor([&] { return p.Err().find("is not of the expected shape") != std::string::npos; }, 20s))
      << p.Err();
  kill(p.pid, SIGTERM);
  EXPECT_EQ(WaitExit(p.pid, 10s), 0) << p.Err();
}

TEST(Program, AMissingOrDamagedWindowDefinitionEndsStartUpWithAMessage) {
  test::TempDir dir;
  fs::create_directories(dir / "home");
  fs::create_directories(dir / "bin");
  const std::string binary = dir / "bin/quandrell";
  fs::copy_file(QUANDRELL_BINARY, binary);
  // The message stays up until the user closes it (here: the session ends).
  auto expectRefusal = [&](const std::string& name, const std::string& words) {
    Program p = Start(dir, binary, name);
    EXPECT_TRUE(WaitFor([&] { return test::ReadFile(p.errFile).find(words) != std::string::npos; }, 20s))
        << test::ReadFile(p.errFile);
    kill(p.pid, SIGTERM);
    EXPECT_EQ(WaitExit(p.pid, 10s), 1);
  };
  expectRefusal("missing", "window definition is missing or damaged");
  test::WriteFile(dir / "bin/Quandrell.uir", "panel PANEL \"Quandrell\" size=10,10\n  control X gizmo\nend\n");
  expectRefusal("damaged", "line 2: unknown control kind \"gizmo\"");
}

}  // namespace
