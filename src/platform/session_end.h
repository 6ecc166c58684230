#pragma once
// The end of the session as the system tells it to a program: SIGTERM (a log-out, a service
// manager), SIGHUP (its terminal closed) and SIGINT (Ctrl+C in that terminal). Left to the system,
// each ends the program on the spot: in the middle of a save, and before the window's place is
// stored. While a SessionEndSignals lives, the three only write their number into a pipe, about the
// one thing a signal handler may safely do; the program reads the pipe from its event loop and
// takes its own way out there, once what it was doing (a save) has finished.
//
// A signal that the program was started with ignored (SIGHUP under nohup, SIGINT in a shell's
// background) stays ignored. The handlers are the process's, so one SessionEndSignals at a time;
// the handlers it replaced come back when it goes.

#include <csignal>

namespace orlevant {

class SessionEndSignals {
 public:
  SessionEndSignals();
  ~SessionEndSignals();
  SessionEndSignals(const SessionEndSignals&) = delete;
  SessionEndSignals& operator=(const SessionEndSignals&) = delete;

  // Readable once one of the signals has come; -1 when no pipe could be made, and then the signals
  // end the program as they always did.
  int ReadFd() const { return read_; }
  // The last of the signals that came since the last call that the pipe could hold, or 0. Empties
  // the pipe; never waits.
  int Take();

 private:
  int read_ = -1;
  int write_ = -1;
  struct sigaction previous_[3] = {};
};

}  // namespace orlevant
