#include "source/eac3to_run.h"

#include <cstdio>
#include <fstream>

#include "shell/app.h"
#include "source/source_paths.h"
#include "tools/child_process.h"
#include "tools/command_line.h"
#include "tools/tool_paths.h"

std::vector<std::string> QuotedEac3toPaths(App& app, const std::vector<std::string>& paths) {
  std::vector<std::string> quoted;
  std::vector<std::string> all{tools::ResolveTool("eac3to\\eac3to.exe", app.programDir)};
  all.insert(all.end(), paths.begin(), paths.end());
  for (const std::string& path : all) {
    std::string q;
    if (!tools::QuotePath(path, q)) {
      app.ui.MessagePopup("ERROR", "This path holds a double quote (\"), which cannot be passed to eac3to:\n\n" + path);
      return {};
    }
    quoted.push_back(q);
  }
  return quoted;
}

void RunEac3to(App& app, const std::string& commandLine) {
  tools::ProcessOptions options;
  options.argv = tools::SplitCommandLine(commandLine);
  app.ui.SetWaitCursor(true);
  tools::ChildProcess process;
  std::string error;
  if (process.Start(options, error)) process.Wait();
  app.ui.SetWaitCursor(false);
}

std::string TakeWorkFile(const std::string& path, size_t limit) {
  std::string text;
  {
    std::ifstream file(path, std::ios::binary);
    if (file) {
      text.resize(limit);
      file.read(text.data(), static_cast<std::streamsize>(limit));
      text.resize(static_cast<size_t>(file.gcount()));
    }
  }
  std::remove(path.c_str());
  std::string lines;
  lines.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lines += text[i];
  return lines;
}

std::string ListWithEac3to(App& app, const std::string& target) {
  const std::string logPath = WorkFilePath(app, kEac3toLogName);
  std::remove(logPath.c_str());
  const auto q = QuotedEac3toPaths(app, {target, logPath});
  if (!q.empty()) RunEac3to(app, q[0] + " " + q[1] + " -log=" + q[2]);
  return TakeWorkFile(logPath);
}
