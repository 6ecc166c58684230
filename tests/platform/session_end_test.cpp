#include "platform/session_end.h"

#include <gtest/gtest.h>

#include <csignal>

namespace orlevant {
namespace {

// A signal the program was started with ignored (SIGHUP under nohup) stays ignored; the others
// only leave their number, however many come before the event loop reads them (more than the pipe
// holds); the handlers that were there come back afterwards.
TEST(SessionEndSignals, LeaveTheirNumberAndKeepIgnoredSignalsIgnored) {
  std::signal(SIGHUP, SIG_IGN);
  std::signal(SIGTERM, SIG_DFL);
  std::signal(SIGINT, SIG_DFL);
  {
    SessionEndSignals signals;
    ASSERT_GE(signals.ReadFd(), 0);
    std::raise(SIGHUP);
    EXPECT_EQ(signals.Take(), 0);
    std::raise(SIGINT);
    for (int i = 0; i < 100000; ++i) std::raise(SIGTERM);
    EXPECT_EQ(signals.Take(), SIGTERM);
    EXPECT_EQ(signals.Take(), 0);
  }
  for (const int signal : {SIGHUP, SIGTERM, SIGINT}) {
    struct sigaction now {};
    ::sigaction(signal, nullptr, &now);
    EXPECT_EQ(now.sa_handler, signal == SIGHUP ? SIG_IGN : SIG_DFL) << signal;
  }
  std::signal(SIGHUP, SIG_DFL);
}

}  // namespace
}  // namespace orlevant
