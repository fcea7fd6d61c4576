#include "readers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "command_run.h"

namespace e2e {

namespace media = quandrell::test;

namespace {

std::string Text(const QJsonValue& value) { return value.toString().toStdString(); }

MkvTrack Track(const QJsonObject& track) {
  const QJsonObject properties = track["properties"].toObject();
  return {Text(track["type"]), Text(track["codec"]), Text(properties["language"]), Text(properties["track_name"]),
          properties["forced_track"].toBool()};
}

std::string TrimmedLine(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

MkvFile IdentifyMatroska(const std::filesystem::path& file) {
  const media::CommandResult run = media::RunCommand({"mkvmerge", "-J", file.string()});
  MkvFile result;
  result.json = run.output;
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(run.output)).object();
  result.read = run.exitCode == 0 && root["errors"].toArray().isEmpty() && root["container"]["recognized"].toBool();
  result.title = Text(root["container"]["properties"]["title"]);
  for (const QJsonValue& track : root["tracks"].toArray()) result.tracks.push_back(Track(track.toObject()));
  for (const QJsonValue& chapters : root["chapters"].toArray())
    result.chapterEntries += chapters.toObject()["num_entries"].toInt();
  return result;
}

std::vector<int64_t> ChapterStartsMs(const std::filesystem::path& file) {
  const media::CommandResult run = media::RunCommand(
      {"ffprobe", "-v", "error", "-show_entries", "chapter=start_time", "-of", "csv=p=0", file.string()});
  std::vector<int64_t> starts;
  std::istringstream lines(run.output);
  for (double seconds; lines >> seconds;) starts.push_back(static_cast<int64_t>(seconds * 1000 + 0.5));
  return starts;
}

namespace {

// One stream of the file, copied out by ffmpeg in the given format.
std::string CopiedStream(const std::filesystem::path& file, const std::string& stream, const std::string& format) {
  return media::RunCommand(
             {"ffmpeg", "-nostdin", "-v", "error", "-i", file.string(), "-map", stream, "-c", "copy", "-f", format, "-"})
      .output;
}

}  // namespace

std::string RawH264(const std::filesystem::path& file) { return CopiedStream(file, "0:v:0", "h264"); }

std::string SubtitleStream(const std::filesystem::path& file) { return CopiedStream(file, "0:s:0", "sup"); }

std::vector<std::string> CodedNalUnits(const std::string& annexB) {
  constexpr char kAccessUnitDelimiter = 9;
  static const std::string kStartCode("\0\0\1", 3);
  std::vector<std::string> units;
  size_t start = annexB.find(kStartCode);
  while (start != std::string::npos) {
    start += kStartCode.size();
    const size_t next = annexB.find(kStartCode, start);
    std::string unit = annexB.substr(start, next == std::string::npos ? std::string::npos : next - start);
    while (!unit.empty() && unit.back() == '\0') unit.pop_back();  // the next start code's leading zero
    if (!unit.empty() && (unit[0] & 0x1F) != kAccessUnitDelimiter) units.push_back(unit);
    start = next;
  }
  return units;
}

std::string DecodeErrors(const std::filesystem::path& file) {
  const media::CommandResult run =
      media::RunCommand({"ffmpeg", "-nostdin", "-v", "error", "-i", file.string(), "-f", "null", "-"});
  return run.errors + (run.exitCode == 0 ? "" : "exit code " + std::to_string(run.exitCode));
}

std::string MediaInfoField(const std::filesystem::path& file, const std::string& kind, const std::string& field) {
  return TrimmedLine(
      media::RunCommand({"mediainfo", "--Inform=" + kind + ";%" + field + "%\\n", file.string()}).output);
}

uintmax_t FolderBytes(const std::filesystem::path& folder) {
  uintmax_t bytes = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) bytes += entry.file_size();
  return bytes;
}

}  // namespace e2e
