// A store that cannot be used is reported once; the program runs on its
// defaults and leaves the damaged file exactly as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "harness/temp_dir.h"
#include "platform/registry_store.h"

namespace {

TEST(RegistryStore, ADamagedFileIsReportedAndNeverWritten) {
  test::TempDir dir;
  const std::string path = dir / "registry.db";
  const std::string garbage(8192, 'x');
  test::WriteFile(path, garbage);
  platform::RegistryStore store(path);
  std::string error;
  EXPECT_FALSE(store.Open(error));
  EXPECT_NE(error.find(path), std::string::npos);
  EXPECT_FALSE(store.WriteString(platform::kQuandrellKey, "TempPath", "/tmp"));
  std::string text;
  EXPECT_EQ(store.ReadString(platform::kQuandrellKey, "TempPath", 260, text), platform::ReadStatus::Unavailable);
  EXPECT_EQ(test::ReadFile(path), garbage);
}

TEST(RegistryStore, AnUnreadableFileIsReported) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  test::TempDir dir;
  const std::string path = dir / "registry.db";
  test::WriteFile(path, "");
  chmod(path.c_str(), 0);
  platform::RegistryStore store(path);
  std::string error;
  EXPECT_FALSE(store.Open(error));
}

TEST(RegistryStore, ReadSizesWorkAsTheRegistryDoes) {
  test::TempDir dir;
  platform::RegistryStore store(dir / "registry.db");
  std::string error;
  ASSERT_TRUE(store.Open(error));
  const std::string key = platform::kQuandrellKey;
  EXPECT_FALSE(store.KeyExists(key));
  store.WriteString(key, "Preset", "veryslow");  // 9 bytes with its terminator
  std::string text;
  EXPECT_EQ(store.ReadString(key, "Preset", 8, text), platform::ReadStatus::TooLong);
  EXPECT_EQ(store.ReadString(key, "Preset", 9, text), platform::ReadStatus::Ok);
  EXPECT_EQ(text, "veryslow");
  EXPECT_EQ(store.ReadString(key, "Nothing", 9, text), platform::ReadStatus::Missing);
  store.WriteDword(key, "CRF", -2);
  int32_t value = 0;
  EXPECT_EQ(store.ReadDword(key, "CRF", value), platform::ReadStatus::Ok);
  EXPECT_EQ(value, -2);
  EXPECT_TRUE(store.Delete(key, "CRF"));
  EXPECT_TRUE(store.Delete(key, "CRF"));
  EXPECT_TRUE(store.KeyExists(key));
}

TEST(RegistryStore, AnUncommittedTransactionLeavesNothing) {
  test::TempDir dir;
  platform::RegistryStore store(dir / "registry.db");
  std::string error;
  ASSERT_TRUE(store.Open(error));
  {
    platform::RegistryStore::Transaction t(store);
    store.WriteDword(platform::kQuandrellKey, "Job_0", 1);
  }
  int32_t value = 0;
  EXPECT_EQ(store.ReadDword(platform::kQuandrellKey, "Job_0", value), platform::ReadStatus::Missing);
}

}  // namespace
