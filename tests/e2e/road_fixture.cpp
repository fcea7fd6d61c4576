#include "road_fixture.h"

#include <stdlib.h>

#include "harness/temp_dir.h"
#include "platform/fixed_text.h"

namespace e2e {

namespace {

// Unsets QUANDRELL_TOOLS_DIR, before the harness exists, and says what it held.
std::optional<std::string> TakeToolsDir() {
  const char* value = getenv("QUANDRELL_TOOLS_DIR");
  std::optional<std::string> kept = value ? std::optional<std::string>(value) : std::nullopt;
  unsetenv("QUANDRELL_TOOLS_DIR");
  return kept;
}

}  // namespace

RoadTest::RoadTest() : toolsDir_(TakeToolsDir()) {}

void RoadTest::SetUp() {
  harness.StartMainWindow();
  ASSERT_NO_FATAL_FAILURE(user.SetUp("ultrafast", kCustomMediumMb));
}

RoadTest::~RoadTest() {
  if (toolsDir_) setenv("QUANDRELL_TOOLS_DIR", toolsDir_->c_str(), 1);
}

std::string RoadTest::Place(const std::filesystem::path& media, const std::string& name) {
  const std::filesystem::path placed = harness.dir() / name;
  std::filesystem::copy(media, placed, std::filesystem::copy_options::recursive);
  return placed.string();
}

std::string RoadTest::OpenFilm(const std::filesystem::path& media) {
  const std::string film = Place(media, "Road.Film.2012.1080p.BluRay.m2ts");
  user.OpenVideoFile(film);
  return film;
}

void RoadTest::RunQueue() {
  ASSERT_EQ(LoadState(FirstJob()), JobPending) << "the job was not added";
  ASSERT_TRUE(user.StartJobsAndWait(kQueueLimit)) << "the queue did not run dry";
  ASSERT_EQ(LoadState(FirstJob()), JobFinished) << ErrorLog();
}

std::string RoadTest::ErrorLog() {
  return test::ReadFile(TempFile("error_log.txt").string());
}

std::filesystem::path RoadTest::TempFile(const std::string& name) {
  return std::filesystem::path(platform::FixedText(app().settings.TempPath)) / name;
}

}  // namespace e2e
