// How fast the bitrate scan counts a 2 GB .m2ts read from the page cache,
// beside a plain read() loop over the same file and ffprobe counting its
// packets, in one run. Repetitions are interleaved so that a change in the
// machine's load falls on all of them alike.
//
//   scanner_bench [benchmark options]
// The file repeats the test media's clip (H.264 1080p and two AC-3 tracks),
// or the .m2ts named by $QUANDRELL_BENCH_CLIP: ffprobe's cost follows the
// number of frames in a megabyte, the scan's does not. The file is made in
// $QUANDRELL_BENCH_DIR (else the temporary folder) and removed at the end.

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "big_m2ts.h"
#include "command_run.h"
#include "media_fixtures.h"
#include "median_reporter.h"
#include "scanner/count_packets.h"
#include "scanner/scan_worker.h"

namespace {

constexpr uint64_t kFileBytes = 2'000'000'000;
constexpr size_t kPlainChunk = 6 << 20;

// The clip's streams: H.264 on 0x1011, two AC-3 tracks on 0x1100 and 0x1101.
SourceInfo ClipSource() {
  SourceInfo source{};
  source.videoCount = 1;
  source.video[0].id = 0x1011;
  source.video[0].durationMs = 600000;
  source.audioCount = 2;
  source.audio[0].id = 0x1100;
  source.audio[1].id = 0x1101;
  return source;
}

void PlainRead(benchmark::State& state, const bench::BigM2ts& file) {
  std::vector<char> buffer(kPlainChunk);
  for (auto _ : state) {
    const int fd = open(file.path().c_str(), O_RDONLY | O_CLOEXEC);
    uint64_t total = 0;
    for (ssize_t got; (got = read(fd, buffer.data(), buffer.size())) > 0;) total += static_cast<uint64_t>(got);
    close(fd);
    if (total != file.size()) state.SkipWithError("short read");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}

void Scan(benchmark::State& state, const bench::BigM2ts& file) {
  const SourceInfo source = ClipSource();
  for (auto _ : state) {
    auto run = std::make_unique<scanner::ScanRun>();
    run->files.push_back({file.path().string(), file.path().filename().string()});
    run->openFile = open(file.path().c_str(), O_RDONLY | O_CLOEXEC);
    run->pids = scanner::BuildPidTable(source);
    run->durationMs = source.video[0].durationMs;
    run->counters.totalPackets = static_cast<uint32_t>(file.size() / scanner::kPacketSize);
    scanner::ScanBitratesThread(*run);
    if (run->scanState != scanner::kScanStopped || run->counters.donePackets != run->counters.totalPackets)
      state.SkipWithError("the scan did not count the whole file");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}

void Ffprobe(benchmark::State& state, const bench::BigM2ts& file) {
  for (auto _ : state) {
    const auto result = quandrell::test::RunCommand(
        {"ffprobe", "-v", "error", "-count_packets", "-show_entries", "stream=nb_read_packets", file.path()});
    if (result.exitCode != 0) state.SkipWithError("ffprobe failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}

void Register(const char* name, void (*body)(benchmark::State&, const bench::BigM2ts&),
              const bench::BigM2ts& file, int repetitions) {
  benchmark::RegisterBenchmark(name, body, std::cref(file))
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Iterations(1)
      ->Repetitions(repetitions)
      ->ReportAggregatesOnly(true);
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::filesystem::path BenchFolder() {
  const std::string folder = Environment("QUANDRELL_BENCH_DIR");
  return folder.empty() ? std::filesystem::temp_directory_path() : std::filesystem::path(folder);
}

std::filesystem::path Clip() {
  const std::string clip = Environment("QUANDRELL_BENCH_CLIP");
  return clip.empty() ? quandrell::test::M2tsClip() : std::filesystem::path(clip);
}

}  // namespace

int main(int argc, char** argv) {
#ifndef __OPTIMIZE__
  std::fprintf(stderr, "warning: built without optimisation; build with -DCMAKE_BUILD_TYPE=RelWithDebInfo\n");
#endif
  std::vector<char*> args(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());

  const bench::BigM2ts file(Clip(), BenchFolder() / "quandrell_scan_bench.m2ts", kFileBytes);
  bench::WarmPageCache(file.path());
  Register("PlainRead6MiB", PlainRead, file, 11);
  Register("Scan", Scan, file, 11);
  Register("Ffprobe", Ffprobe, file, 3);

  bench::MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double read = reporter.MedianMs("PlainRead6MiB"), scan = reporter.MedianMs("Scan");
  const double ffprobe = reporter.MedianMs("Ffprobe");
  if (read > 0 && scan > 0)
    std::printf("file %.2f GB; scan throughput / plain read throughput = %.3f\n", file.size() / 1e9, read / scan);
  if (ffprobe > 0 && scan > 0) std::printf("scan is %.1f times faster than ffprobe -count_packets\n", ffprobe / scan);
  benchmark::Shutdown();
  return 0;
}
