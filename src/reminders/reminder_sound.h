#pragma once
// Playing a reminder's sound. A sound index picks an entry of the sound table: entry 0,
// "Default", and any name that no sounds folder holds, play the desktop's own alert sound; the
// others play the wave file of that name from the first sounds folder that has it.
//
// Playing is asynchronous: the request returns at once, the sound plays once and is never
// stopped by the program. A machine without a sound device plays nothing and says nothing.
// Tests install their own player to see what was asked for.

#include <array>
#include <string>
#include <vector>

namespace orlevant {

struct SoundRequest {
  bool desktopDefault = true;  // the desktop's alert sound
  std::string file;            // else the full path of a wave file

  friend bool operator==(const SoundRequest&, const SoundRequest&) = default;
};

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Play(const SoundRequest& request) = 0;
};

// The player over the desktop's event-sound service.
class CanberraSoundPlayer final : public SoundPlayer {
 public:
  CanberraSoundPlayer() = default;
  ~CanberraSoundPlayer() override;
  CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
  CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;
  void Play(const SoundRequest& request) override;

 private:
  void* context_ = nullptr;  // opened on the first request
  bool failed_ = false;      // no sound service: stay quiet from then on
};

SoundPlayer& AppSoundPlayer();
// Installs a player for the whole program; nullptr goes back to the desktop's.
void SetAppSoundPlayer(SoundPlayer* player);

// Where the wave files are looked for, in order: "Sounds" beside the program file (the build
// tree), then the installed data folder (<prefix>/share/orlevant/Sounds beside <prefix>/bin).
// Each ends with "/".
std::vector<std::string> SoundFolders();

// What index `index` of `sounds` plays, looked up in `folders`.
SoundRequest ReminderSoundRequest(int index, const std::array<std::string, 11>& sounds,
                                  const std::vector<std::string>& folders);

void PlayReminderSound(int index, const std::array<std::string, 11>& sounds,
                       const std::vector<std::string>& folders = SoundFolders());

}  // namespace orlevant
