#pragma once
// What the reminder window tests share: a sound player that records instead of playing, and the
// events file read back line by line.

#include <QStringList>

#include <fstream>
#include <string>
#include <vector>

#include "core/events_file.h"
#include "platform/paths.h"
#include "reminders/reminder_sound.h"

namespace orlevant::testing {

// Installed as the program's player for as long as it lives.
class RecordingPlayer final : public SoundPlayer {
 public:
  RecordingPlayer() { SetAppSoundPlayer(this); }
  ~RecordingPlayer() override { SetAppSoundPlayer(nullptr); }
  RecordingPlayer(const RecordingPlayer&) = delete;
  RecordingPlayer& operator=(const RecordingPlayer&) = delete;
  void Play(const SoundRequest& request) override { played.push_back(request); }
  std::vector<SoundRequest> played;
};

// The lines of the events file on disk, without their CR LF.
inline QStringList ReadEventLines() {
  std::ifstream in(EventFilePath(DefaultAllUsersPath()), std::ios::binary);
  QStringList lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines << QString::fromStdString(line);
  }
  return lines;
}

}  // namespace orlevant::testing
