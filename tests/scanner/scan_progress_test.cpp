// The scan while it runs: the worker reads named pipes, so the test decides
// how far it gets before each tick.

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "packet_builder.h"
#include "scan_fixture.h"
#include "scanner/scan_dialog.h"
#include "scanner/scan_worker.h"

namespace {

using namespace scantest;

// The writing end of a named pipe; opening waits for the worker to open it.
class PipeWriter {
 public:
  explicit PipeWriter(const std::string& path) : fd_(open(path.c_str(), O_WRONLY | O_CLOEXEC)) {}
  ~PipeWriter() { Close(); }
  void Write(const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t wrote = write(fd_, bytes.data() + done, bytes.size() - done);
      ASSERT_GT(wrote, 0);
      done += static_cast<size_t>(wrote);
    }
  }
  void Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

class ScanProgress : public ScanFixture {
 protected:
  std::shared_ptr<scanner::ScanRun> Run(const std::vector<std::string>& names, uint32_t totalPackets,
                                        bool pipes = true) {
    auto run = std::make_shared<scanner::ScanRun>();
    for (const auto& name : names) {
      if (pipes) {
        EXPECT_EQ(mkfifo(Path(name).c_str(), 0600), 0);
      }
      run->files.push_back({Path(name), name});
    }
    run->counters.totalPackets = totalPackets;
    return run;
  }
  static bool Done(const scanner::ScanRun& run, uint32_t packets, int file) {
    return run.counters.donePackets.load() == packets && run.currentFile.load() == file;
  }
};

TEST_F(ScanProgress, AJoinedPlaylistShowsEachClipInTurn) {
  auto run = Run({"00001.m2ts", "00002.m2ts", "00003.m2ts"}, 300);
  scanner::StartScan(app(), run);
  PipeWriter first(Path("00001.m2ts"));
  Tick();
  EXPECT_EQ(ProgressText(), "Scanning 00001.m2ts 0 packets of 300 (0.00 MB/s)...");
  first.Write(Packets(kVideoPid, 100));
  first.Close();
  ASSERT_TRUE(Eventually([&] { return Done(*run, 100, 1); }));
  Tick();
  EXPECT_EQ(ProgressText(), "Scanning 00002.m2ts 100 packets of 300 (0.02 MB/s)...");
  EXPECT_EQ(ProgressValue(), 100);
  PipeWriter second(Path("00002.m2ts"));
  second.Write(Packets(kVideoPid, 50) + Packets(kAudioPid, 50));
  second.Close();
  ASSERT_TRUE(Eventually([&] { return Done(*run, 200, 2); }));
  Tick();
  EXPECT_EQ(ProgressText(), "Scanning 00003.m2ts 200 packets of 300 (0.02 MB/s)...");
  PipeWriter third(Path("00003.m2ts"));
  third.Write(Packets(kVideoPid, 100));
  third.Close();
  FinishScan();
  EXPECT_EQ(app().source.general[0].scanDonePackets, 300);
  EXPECT_EQ(app().source.video[0].scannedPackets, 250);
  EXPECT_EQ(app().source.audio[0].scannedPackets, 50);
  Tick();
  EXPECT_EQ(ProgressText(), "");
  EXPECT_EQ(app().scan.timer, 0);
}

TEST_F(ScanProgress, CancelAfterAThirdGivesTheRatesOfThatThird) {
  constexpr int kChunkPackets = scanner::kScanChunkBytes / scanner::kPacketSize;
  app().source.video[0].durationMs = 180000;
  auto run = Run({"movie.m2ts"}, 3 * kChunkPackets);
  scanner::StartScan(app(), run);
  PipeWriter movie(Path("movie.m2ts"));
  movie.Write(Packets(kVideoPid, kChunkPackets));
  ASSERT_TRUE(Eventually([&] { return Done(*run, kChunkPackets, 0); }));
  PressCancel();
  EXPECT_EQ(run->scanState.load(), scanner::kScanStopped);
  movie.Write(Packets(kAudioPid, 1000));  // read after the stop: not counted
  movie.Close();
  FinishScan();
  const SourceInfo& source = app().source;
  EXPECT_EQ(source.general[0].scanDonePackets, kChunkPackets);
  EXPECT_EQ(source.audio[0].scannedPackets, 0);
  // The first third covers 60 s: 4096 × 1472 / 60000 = 100.5 (the whole
  // duration would give 33).
  EXPECT_EQ(source.video[0].scannedBitrateKbps, 100);
  EXPECT_NE(ScanPanel(), 0);  // the dialog stays
  Tick();
  EXPECT_EQ(ProgressText(), "");
  EXPECT_EQ(ProgressValue(), 0);
  EXPECT_EQ(app().scan.timer, 0);
}

TEST_F(ScanProgress, ClosingDuringAScanStillUpdatesTheMainWindowWhenTheWorkerEnds) {
  constexpr int kChunkPackets = scanner::kScanChunkBytes / scanner::kPacketSize;
  auto run = Run({"movie.m2ts"}, kChunkPackets);
  scanner::StartScan(app(), run);
  PipeWriter movie(Path("movie.m2ts"));
  movie.Write(Packets(kVideoPid, kChunkPackets));
  ASSERT_TRUE(Eventually([&] { return Done(*run, kChunkPackets, 0); }));
  PressClose();
  EXPECT_EQ(ui().RunDeferredCalls(), 0);  // the worker has not ended: nothing changes yet
  EXPECT_EQ(RingItem(PANEL_S_VIDEO, 0).find("Kbps"), std::string::npos);
  movie.Close();
  FinishScan();
  // 4096 × 1472 / 60000 = 100.5
  EXPECT_EQ(RingItem(PANEL_S_VIDEO, 0).find("4113 :    AVC  100 Kbps  ("), 0u) << RingItem(PANEL_S_VIDEO, 0);
}

TEST_F(ScanProgress, AClipThatCannotBeOpenedEndsTheScanWithNothingStored) {
  auto run = Run({"00001.m2ts", "00002.m2ts"}, 200, false);
  test::WriteFile(Path("00001.m2ts"), Packets(kVideoPid, 100));
  scanner::StartScan(app(), run);
  ASSERT_TRUE(Eventually([&] { return run->scanState.load() == scanner::kScanUnreadable; }));
  Tick();
  EXPECT_EQ(ProgressText(), "Could not read 00002.m2ts: the scan has ended and nothing was stored.");
  EXPECT_EQ(ProgressValue(), 0);
  EXPECT_EQ(app().scan.timer, 0);
  EXPECT_EQ(ui().RunDeferredCalls(), 0);
  EXPECT_EQ(app().source.video[0].scannedPackets, 0);
  EXPECT_EQ(app().source.general[0].scanTotalPackets, 0);
  EXPECT_TRUE(ui().Popups().empty());
}

TEST_F(ScanProgress, ANewScanDropsTheLateResultsOfTheOldOne) {
  auto old = Run({"old.m2ts"}, 100, false);
  test::WriteFile(Path("old.m2ts"), Packets(kVideoPid, 100));
  scanner::StartScan(app(), old);
  ASSERT_TRUE(Eventually([&] { return old->scanState.load() != scanner::kScanRunning; }));
  PressClose();
  test::WriteFile(Path("new.m2ts"), Packets(kAudioPid, 10));
  ShowSource(Path("new.m2ts"));
  PressScan();
  int ran = 0;  // the old scan's results, then the new one's
  ASSERT_TRUE(Eventually([&] { return (ran += ui().RunDeferredCalls()) == 2; }));
  EXPECT_EQ(app().source.video[0].scannedPackets, 0);
  EXPECT_EQ(app().source.audio[0].scannedPackets, 10);
}

TEST(ScanTeardown, TheProgramsEndStopsAndJoinsARunningWorker) {
  signal(SIGPIPE, SIG_IGN);
  auto harness = std::make_unique<test::AppHarness>();
  harness->StartMainWindow();
  const std::string pipe = harness->dir() / "endless.m2ts";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  auto run = std::make_shared<scanner::ScanRun>();
  run->files.push_back({pipe, "endless.m2ts"});
  scanner::StartScan(harness->app(), run);
  std::thread writer([&pipe] {
    const int fd = open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
    const std::string packets = Packets(kVideoPid, 1000);
    while (write(fd, packets.data(), packets.size()) > 0) {
    }
    close(fd);
  });
  ASSERT_TRUE(Eventually([&] { return run->counters.donePackets.load() > 0; }));
  harness.reset();
  writer.join();  // the worker closed the pipe: it has ended
  EXPECT_EQ(run->scanState.load(), scanner::kScanStopped);
  EXPECT_EQ(run.use_count(), 1);  // no thread, timer or posted call holds the scan
}

}  // namespace
