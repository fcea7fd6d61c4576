#pragma once
// Playing a sound file without waiting for it, behind an interface so that
// tests can see what would have played.

#include <memory>
#include <string>

namespace platform {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts playing the file and returns at once; a missing file or a
  // machine without a player plays nothing (there is no default sound).
  virtual void PlayFile(const std::string& path) = 0;
};

// Plays through paplay (PulseAudio, PipeWire) or else aplay (ALSA).
class CommandSoundPlayer : public SoundPlayer {
 public:
  void PlayFile(const std::string& path) override;
};

std::unique_ptr<SoundPlayer> MakeSoundPlayer();

}  // namespace platform
