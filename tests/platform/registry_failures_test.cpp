// The store when it cannot take what is written: another program holds its
// write lock (waited for a bounded time, with a notice), a table of another
// shape (refused, left as it is), and reading only (no store created, the
// store unchanged).

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "harness/temp_dir.h"
#include "platform/registry_store.h"

namespace {

using namespace std::chrono_literals;
using platform::kQuandrellKey;
using platform::RegistryStore;

void Sql(const std::string& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

// The names in the folder, and the store's bytes in short.
std::string Snapshot(const test::TempDir& dir, const std::string& path) {
  std::string seen;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) seen += entry.path().filename().string() + ";";
  return seen + std::to_string(std::hash<std::string>{}(test::ReadFile(path)));
}

TEST(RegistryFailures, ALockedStoreIsWaitedForBrieflyWithANoticeThenRefused) {
  test::TempDir dir;
  const std::string path = dir / "registry.db";
  RegistryStore store(path);
  std::string error;
  ASSERT_TRUE(store.Open(error)) << error;
  std::vector<std::string> notices;
  store.SetLockWait(300ms, [&notices](const std::string& notice) { notices.push_back(notice); });
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  const auto start = std::chrono::steady_clock::now();
  {
    RegistryStore::Transaction transaction(store);
    EXPECT_FALSE(transaction.Ok());
  }
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 300ms);
  EXPECT_LT(waited, 3s);
  EXPECT_EQ(store.LastError(), "another program holds it locked (waited 0.3 s)");
  EXPECT_FALSE(store.WriteDword(kQuandrellKey, "CRF", 18));
  EXPECT_EQ(notices, std::vector<std::string>(2, "The settings store " + path +
                                                     " is locked by another program; waiting up to 0.3 s."));
  sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_TRUE(store.WriteDword(kQuandrellKey, "CRF", 18));
}

// Another program's table without the primary key gained duplicate rows on
// every save (208 rows for 24 names).
TEST(RegistryFailures, ATableOfAnotherShapeIsRefusedWithAClearMessageAndLeftAsItIs) {
  test::TempDir dir;
  const std::string path = dir / "registry.db";
  Sql(path, "CREATE TABLE registry_values (key TEXT, name TEXT, type INTEGER, data BLOB);"
            "INSERT INTO registry_values VALUES ('HKEY_CURRENT_USER\\Software\\Quandrell', 'CRF', 4, x'12000000')");
  const std::string before = Snapshot(dir, path);
  for (auto access : {platform::StoreAccess::ReadWrite, platform::StoreAccess::ReadOnly}) {
    RegistryStore store(path);
    std::string error;
    EXPECT_FALSE(store.Open(error, access));
    EXPECT_EQ(error, "The settings store " + path +
                         " cannot be used (its table registry_values is not of the expected shape: it needs the "
                         "columns key, name, type and data, and the primary key (key, name)). Quandrell runs with "
                         "default settings and will not change that file; the queue is kept only while Quandrell "
                         "runs.");
    EXPECT_FALSE(store.WriteDword(kQuandrellKey, "CRF", 20));
  }
  EXPECT_EQ(Snapshot(dir, path), before);
}

TEST(RegistryFailures, ReadingOnlyCreatesNoStoreChangesNoneAndRefusesWrites) {
  test::TempDir dir;
  const std::string path = dir / "registry.db";
  {
    RegistryStore missing(path);
    std::string error;
    EXPECT_TRUE(missing.Open(error, platform::StoreAccess::ReadOnly));
    EXPECT_FALSE(missing.KeyExists(kQuandrellKey));
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  {
    RegistryStore writer(path);
    std::string error;
    ASSERT_TRUE(writer.Open(error));
    ASSERT_TRUE(writer.WriteString(kQuandrellKey, "Preset", "slow"));
  }
  chmod(path.c_str(), 0444);
  const std::string before = test::ReadFile(path);
  {
    RegistryStore reader(path);
    std::string error;
    ASSERT_TRUE(reader.Open(error, platform::StoreAccess::ReadOnly)) << error;
    std::string preset;
    EXPECT_EQ(reader.ReadString(kQuandrellKey, "Preset", 16, preset), platform::ReadStatus::Ok);
    EXPECT_EQ(preset, "slow");
    EXPECT_FALSE(reader.WriteString(kQuandrellKey, "Preset", "fast"));
    EXPECT_EQ(reader.LastError(), "attempt to write a readonly database");
  }
  // SQLite's own shared-memory files may appear beside it; the store is unchanged.
  EXPECT_TRUE(test::ReadFile(path) == before);
}

}  // namespace
