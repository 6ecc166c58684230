#pragma once
// Playing a reminder's sound. A sound index picks an entry of the sound table: entry 0,
// "Default", and any name that no sounds folder holds, play the desktop's own alert sound; the
// others play the wave file of that name from the first sounds folder that has it, or the desktop's
// sound when the sound service cannot play that file.
//
// Playing is asynchronous: the request returns at once, the sound plays once and is never
// stopped by the program. A machine without a sound device plays nothing and says nothing.
// Tests install their own player to see what was asked for.

#include <array>
#include <memory>
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

// How a sound backend's play request went.
enum class SoundOutcome {
  Played,      // on its way
  Unplayable,  // the sound itself: no such file or theme sound, or a file that cannot be read or
               // is of a kind the service does not play
  Failed,      // the connection to the sound service: it may have gone away since it was opened
  Declined,    // neither: sounds are switched off on this desktop, the request was cancelled, or
               // memory ran out; another sound or a new connection would fare no better
};

// The desktop's sound service as the player sees it. Tests put a fake in its place.
class SoundBackend {
 public:
  virtual ~SoundBackend() = default;
  // Connects to the sound service; false when none can be reached.
  virtual bool Open() = 0;
  virtual void Close() = 0;
  // Only between an Open that succeeded and the next Close.
  virtual SoundOutcome Play(const SoundRequest& request) = 0;
};

// The player over the desktop's sound service. The calendar runs for days while the sound server
// restarts under it or comes up after it: a connection that fails a sound is opened anew and the
// sound tried once more, and a connection that could not be opened is tried again at the next
// sound. A wave file the service cannot play is taken as a missing one: the connection is kept and
// the desktop's alert sound plays in its place.
class DesktopSoundPlayer final : public SoundPlayer {
 public:
  explicit DesktopSoundPlayer(std::unique_ptr<SoundBackend> backend);
  ~DesktopSoundPlayer() override;
  DesktopSoundPlayer(const DesktopSoundPlayer&) = delete;
  DesktopSoundPlayer& operator=(const DesktopSoundPlayer&) = delete;
  void Play(const SoundRequest& request) override;

 private:
  bool EnsureOpen();
  // Plays the request, opening the connection anew once when it fails.
  SoundOutcome PlayOnce(const SoundRequest& request);

  std::unique_ptr<SoundBackend> backend_;
  bool open_ = false;
};

// What the event-sound library's answer to a play request (CA_SUCCESS or one of its CA_ERROR codes)
// says about the sound, the connection, or neither.
SoundOutcome CanberraPlayOutcome(int result);

// The backend over the desktop's event-sound library.
std::unique_ptr<SoundBackend> NewCanberraBackend();

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
