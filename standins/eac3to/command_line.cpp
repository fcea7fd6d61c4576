#include "command_line.h"

#include <algorithm>
#include <cctype>

#include "failure.h"

namespace eac3to {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(),
                                      [](unsigned char c) { return std::isdigit(c); });
}

// "12:" gives 12, "3)" gives 3 when the suffix matches; 0 otherwise.
int NumberWithSuffix(const std::string& arg, char suffix) {
  if (arg.size() < 2 || arg.back() != suffix) return 0;
  const std::string digits = arg.substr(0, arg.size() - 1);
  if (!AllDigits(digits) || digits.size() > 3) return 0;
  return std::stoi(digits);
}

bool IsBitrateOption(const std::string& lower) {
  return lower.size() > 1 && lower[0] == '-' && AllDigits(lower.substr(1)) && lower.size() <= 5;
}

bool IsTrackOption(const std::string& lower) {
  static const char* const kNames[] = {"-core", "-keepdialnorm", "-down16", "-down6", "-libav"};
  return IsBitrateOption(lower) ||
         std::find(std::begin(kNames), std::end(kNames), lower) != std::end(kNames);
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  CommandLine Parse() {
    for (next_ = 0; next_ < args_.size();) Take(args_[next_++]);
    if (result_.source.empty()) throw Failure("No source file or folder given.");
    for (auto& track : result_.tracks)
      track.options.insert(track.options.end(), shared_.begin(), shared_.end());
    return result_;
  }

 private:
  void Take(const std::string& arg) {
    const std::string lower = Lower(arg);
    if (lower.rfind("-log=", 0) == 0) return TakeLog(arg.substr(5));
    if (lower == "-progressnumbers") return void(result_.progressNumbers = true);
    if (!arg.empty() && arg[0] == '-') return TakeTrackOption(arg, lower);
    if (const int n = NumberWithSuffix(arg, ':')) return TakeTrack(n);
    if (const int n = NumberWithSuffix(arg, ')')) return TakePlaylist(n);
    TakeSource(arg);
  }

  void TakeLog(const std::string& path) {
    if (path.empty()) throw Failure("-log= needs a file name.");
    result_.logFile = path;
  }

  void TakeTrackOption(const std::string& arg, const std::string& lower) {
    if (!IsTrackOption(lower)) throw Failure("Unknown option \"" + arg + "\".");
    if (result_.tracks.empty()) shared_.push_back(arg);  // before any track: for all tracks
    else result_.tracks.back().options.push_back(arg);
  }

  void TakeTrack(int number) {
    if (next_ >= args_.size() || args_[next_].empty() || args_[next_][0] == '-')
      throw Failure("Track " + std::to_string(number) + ": needs a file name.");
    result_.tracks.push_back({number, args_[next_++], {}});
  }

  void TakePlaylist(int number) {
    if (result_.playlist != 0) throw Failure("Only one playlist can be chosen.");
    result_.playlist = number;
  }

  void TakeSource(const std::string& arg) {
    if (!result_.source.empty())
      throw Failure("Unexpected argument \"" + arg + "\" (the source is already given).");
    result_.source = arg;
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  CommandLine result_;
  std::vector<std::string> shared_;
};

}  // namespace

std::optional<std::filesystem::path> LogFileArgument(const std::vector<std::string>& args) {
  std::optional<std::filesystem::path> file;
  for (const auto& arg : args)
    if (Lower(arg.substr(0, 5)) == "-log=" && arg.size() > 5) file = arg.substr(5);
  return file;
}

bool TrackRequest::Has(const std::string& option) const {
  const std::string wanted = Lower(option);
  return std::any_of(options.begin(), options.end(),
                     [&](const std::string& o) { return Lower(o) == wanted; });
}

std::optional<int> TrackRequest::Bitrate() const {
  for (const auto& option : options)
    if (IsBitrateOption(option)) return std::stoi(option.substr(1));
  return std::nullopt;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  return Parser(args).Parse();
}

}  // namespace eac3to
