#include "reminders/reminder_sound.h"

#include <canberra.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "platform/paths.h"

namespace orlevant {

namespace {

// Whether the kernel knows any sound card at all. Without one, the low-level sound library would
// only print complaints on every request.
bool HasSoundCard() {
  std::ifstream cards("/proc/asound/cards");
  std::string first;
  if (!cards || !std::getline(cards, first)) return false;
  return first.find("no soundcards") == std::string::npos;
}

ca_context* NewContext() {
  ca_context* context = nullptr;
  if (ca_context_create(&context) != CA_SUCCESS) return nullptr;
  ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Orlevant", CA_PROP_APPLICATION_ID, "orlevant", nullptr);
  return context;
}

// The desktop's sound server first; the sound card directly only where there is one.
ca_context* OpenContext() {
  if (ca_context* context = NewContext()) {
    if (ca_context_set_driver(context, "pulse") == CA_SUCCESS && ca_context_open(context) == CA_SUCCESS) return context;
    ca_context_destroy(context);
  }
  if (!HasSoundCard()) return nullptr;
  return NewContext();
}

class CanberraBackend final : public SoundBackend {
 public:
  CanberraBackend() = default;
  ~CanberraBackend() override { Close(); }
  CanberraBackend(const CanberraBackend&) = delete;
  CanberraBackend& operator=(const CanberraBackend&) = delete;

  bool Open() override {
    Close();
    context_ = OpenContext();
    return context_ != nullptr;
  }

  void Close() override {
    if (context_) ca_context_destroy(context_);
    context_ = nullptr;
  }

  SoundOutcome Play(const SoundRequest& request) override {
    if (!context_) return SoundOutcome::Failed;
    // The call returns at once and the sound plays on; a server that went away since the open
    // shows here as an error code.
    const int result =
        request.desktopDefault
            ? ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr)
            : ca_context_play(context_, 0, CA_PROP_MEDIA_FILENAME, request.file.c_str(), CA_PROP_EVENT_DESCRIPTION,
                              "Reminder", nullptr);
    return CanberraPlayOutcome(result);
  }

 private:
  ca_context* context_ = nullptr;
};

DesktopSoundPlayer& DesktopPlayer() {
  static DesktopSoundPlayer player(NewCanberraBackend());
  return player;
}

SoundPlayer* installed = nullptr;

}  // namespace

SoundOutcome CanberraPlayOutcome(int result) {
  switch (result) {
    case CA_SUCCESS:
      return SoundOutcome::Played;
    // The file or theme sound asked for: missing, unreadable, damaged, too long, of a kind the
    // service does not play (a wave that is not 8- or 16-bit PCM), or a request it will not take
    // (a name that is no text). Another connection would answer the same.
    case CA_ERROR_NOTSUPPORTED:
    case CA_ERROR_INVALID:
    case CA_ERROR_CORRUPT:
    case CA_ERROR_TOOBIG:
    case CA_ERROR_NOTFOUND:
    case CA_ERROR_ACCESS:
      return SoundOutcome::Unplayable;
    // Nothing another sound or a new connection could mend.
    case CA_ERROR_OOM:
    case CA_ERROR_CANCELED:
    case CA_ERROR_DISABLED:
      return SoundOutcome::Declined;
    // The connection: gone, refused, broken in transit, in a state it cannot play from, opened by
    // the process this one was forked from, or faulty inside; and any code this library may add.
    // A new connection is the one remedy.
    case CA_ERROR_STATE:
    case CA_ERROR_NODRIVER:
    case CA_ERROR_SYSTEM:
    case CA_ERROR_DESTROYED:
    case CA_ERROR_NOTAVAILABLE:
    case CA_ERROR_IO:
    case CA_ERROR_INTERNAL:
    case CA_ERROR_FORKED:
    case CA_ERROR_DISCONNECTED:
    default:
      return SoundOutcome::Failed;
  }
}

std::unique_ptr<SoundBackend> NewCanberraBackend() { return std::make_unique<CanberraBackend>(); }

DesktopSoundPlayer::DesktopSoundPlayer(std::unique_ptr<SoundBackend> backend) : backend_(std::move(backend)) {}

DesktopSoundPlayer::~DesktopSoundPlayer() {
  if (open_) backend_->Close();
}

bool DesktopSoundPlayer::EnsureOpen() {
  if (!open_) open_ = backend_->Open();
  return open_;
}

void DesktopSoundPlayer::Play(const SoundRequest& request) {
  if (PlayOnce(request) == SoundOutcome::Unplayable && !request.desktopDefault) PlayOnce(SoundRequest{});
}

SoundOutcome DesktopSoundPlayer::PlayOnce(const SoundRequest& request) {
  // No sound service now: nothing plays, and the next sound looks again.
  if (!EnsureOpen()) return SoundOutcome::Failed;
  const SoundOutcome outcome = backend_->Play(request);
  if (outcome != SoundOutcome::Failed) return outcome;
  backend_->Close();
  open_ = false;
  if (!EnsureOpen()) return SoundOutcome::Failed;
  return backend_->Play(request);
}

SoundPlayer& AppSoundPlayer() { return installed ? *installed : DesktopPlayer(); }
void SetAppSoundPlayer(SoundPlayer* player) { installed = player; }

std::vector<std::string> SoundFolders() {
  const std::filesystem::path exe = ExecutableFolder();
  std::vector<std::string> folders;
  folders.push_back((exe / "Sounds").string() + "/");
  folders.push_back((exe.parent_path().parent_path() / "share" / "orlevant" / "Sounds").string() + "/");
  return folders;
}

SoundRequest ReminderSoundRequest(int index, const std::array<std::string, 11>& sounds,
                                  const std::vector<std::string>& folders) {
  SoundRequest request;
  if (index < 1 || index >= static_cast<int>(sounds.size())) return request;
  const std::string& name = sounds[static_cast<std::size_t>(index)];
  // A name with a folder in it would reach outside the sounds folders.
  if (name.empty() || name.find('/') != std::string::npos) return request;
  for (const std::string& folder : folders) {
    std::error_code ec;
    const std::string path = folder + name;
    if (std::filesystem::is_regular_file(path, ec)) {
      request.desktopDefault = false;
      request.file = path;
      return request;
    }
  }
  return request;
}

void PlayReminderSound(int index, const std::array<std::string, 11>& sounds, const std::vector<std::string>& folders) {
  AppSoundPlayer().Play(ReminderSoundRequest(index, sounds, folders));
}

}  // namespace orlevant
