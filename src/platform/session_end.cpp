#include "platform/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace orlevant {
namespace {

constexpr int kSessionEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler may run on any thread of the process, between any two instructions of it.
std::atomic<int> gWriteFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

void OnSessionEnd(int signal) {
  const int saved = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  // A full pipe already holds signals enough for the event loop to act on.
  [[maybe_unused]] const ssize_t written = ::write(gWriteFd.load(), &number, 1);
  errno = saved;
}

}  // namespace

SessionEndSignals::SessionEndSignals() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  read_ = fds[0];
  write_ = fds[1];
  gWriteFd.store(write_);
  struct sigaction action {};
  action.sa_handler = OnSessionEnd;
  sigemptyset(&action.sa_mask);
  // A save under way goes on through the signal instead of failing with EINTR.
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) {
    ::sigaction(kSessionEndSignals[i], nullptr, &previous_[i]);
    if (previous_[i].sa_handler != SIG_IGN) ::sigaction(kSessionEndSignals[i], &action, nullptr);
  }
}

SessionEndSignals::~SessionEndSignals() {
  if (read_ < 0) return;
  for (int i = 0; i < 3; ++i) ::sigaction(kSessionEndSignals[i], &previous_[i], nullptr);
  gWriteFd.store(-1);
  ::close(write_);
  ::close(read_);
}

int SessionEndSignals::Take() {
  int last = 0;
  unsigned char numbers[16];
  for (;;) {
    const ssize_t got = ::read(read_, numbers, sizeof numbers);
    if (got > 0) {
      last = numbers[got - 1];
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      return last;
    }
  }
}

}  // namespace orlevant
