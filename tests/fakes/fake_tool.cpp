// One program that plays eac3to, x264, tsMuxeR, mkvmerge and java (for
// BDSup2Sub), chosen by the name it is started as. A test steers it with
// environment variables, <TOOL> being EAC3TO, X264, TSMUXER, MKVMERGE or
// JAVA:
//   FAKE_TOOL_RECORD_DIR     each run writes "run-NNNN.txt" there: the
//                            program path and its arguments, one a line
//   FAKE_<TOOL>_EXIT         exit code (default 0)
//   FAKE_<TOOL>_SLEEP        seconds to wait half-way (default 0)
//   FAKE_<TOOL>_WHEN         the two above apply only to runs whose
//                            arguments, joined by blanks, contain this text
//   FAKE_<TOOL>_GRANDCHILD   start a process that ignores SIGTERM and
//                            write its id to this file
//   FAKE_EAC3TO_FRAMES       the frame count written to the log (1000)

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>

#include "fake_roles.h"

namespace {

std::string Env(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? value : "";
}

std::string Joined(const fake::Args& args) {
  std::string text;
  for (const auto& a : args) text += (text.empty() ? "" : " ") + a;
  return text;
}

void Record(int argc, char** argv) {
  const std::string dir = Env("FAKE_TOOL_RECORD_DIR");
  if (dir.empty()) return;
  for (int n = 1; n < 10000; ++n) {
    char name[64];
    std::snprintf(name, sizeof name, "/run-%04d.txt", n);
    const int fd = open((dir + name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) continue;
    std::string text;
    for (int i = 0; i < argc; ++i) text += std::string(argv[i]) + "\n";
    ssize_t written = write(fd, text.data(), text.size());
    (void)written;
    close(fd);
    return;
  }
}

// A process of the tool's own that outlives a polite request to end.
void StartGrandchild(const std::string& pidFile) {
  if (fork() != 0) return;
  signal(SIGTERM, SIG_IGN);
  const int devNull = open("/dev/null", O_RDWR);
  for (int fd = 0; fd < 3; ++fd) dup2(devNull, fd);
  fake::WriteFile(pidFile, std::to_string(getpid()));
  for (;;) pause();
}

}  // namespace

int main(int argc, char** argv) {
  std::string tool = argv[0];
  tool = tool.substr(tool.rfind('/') + 1);
  static const std::map<std::string, std::pair<std::string, int (*)(const fake::Run&)>> roles = {
      {"eac3to", {"EAC3TO", fake::PlayEac3to}},       {"x264", {"X264", fake::PlayX264}},
      {"tsMuxeR", {"TSMUXER", fake::PlayTsMuxer}},     {"mkvmerge", {"MKVMERGE", fake::PlayMkvMerge}},
      {"java", {"JAVA", fake::PlayJava}}};
  const auto role = roles.find(tool);
  if (role == roles.end()) {
    std::fprintf(stderr, "fake tool: no role for the name %s\n", tool.c_str());
    return 2;
  }
  Record(argc, argv);
  fake::Run run;
  run.args.assign(argv + 1, argv + argc);
  const std::string prefix = "FAKE_" + role->second.first + "_";
  const std::string when = Env(prefix + "WHEN");
  const bool applies = when.empty() || Joined(run.args).find(when) != std::string::npos;
  const double sleepSeconds = applies ? std::atof(Env(prefix + "SLEEP").c_str()) : 0.0;
  run.exitCode = applies ? std::atoi(Env(prefix + "EXIT").c_str()) : 0;
  run.pause = [sleepSeconds] { std::this_thread::sleep_for(std::chrono::duration<double>(sleepSeconds)); };
  if (const std::string pidFile = Env(prefix + "GRANDCHILD"); !pidFile.empty()) StartGrandchild(pidFile);
  return role->second.second(run);
}
