#pragma once
// Whether the printing system took a job. A printer hands its finished job to the print server only
// as the document ends, and says nothing when the server refuses it (a queue set to reject jobs) or
// cannot be reached (the server stopped after the dialog opened): the job is simply gone. So after
// each job the server's own answer to the submission is read, and when it was a refusal the printer
// is looked at to tell the user why in words they can act on.
//
// The answers come through PrintSystem, so that tests can play a server that refuses or has gone.

#include <QString>

#include <functional>
#include <optional>

namespace orlevant {

struct PrintSystemReply {
  bool ok = true;
  QString message;  // the server's (or the library's) own words
};

struct QueueState {
  bool acceptingJobs = true;
  QString message;  // why it is not, as its keeper gave it (may be empty)
};

// The state of a printer as the print server knows it.
struct PrinterLookup {
  bool serverReached = true;
  std::optional<QueueState> queue;  // nothing: the server knows no such printer
};

struct PrintSystem {
  // The answer to the last request this thread made to the print server; read straight after a
  // job ended, it is the answer to the job's submission.
  std::function<PrintSystemReply()> lastReply;
  // The named printer as the server sees it now.
  std::function<PrinterLookup(const QString& printer)> lookUp;
};

// The system's print server, through its client library.
PrintSystem ServerPrintSystem();

// Nothing when the job just ended on `printer` was taken; else why it was not, for the user.
std::optional<QString> JobRefusal(const PrintSystem& system, const QString& printer);

}  // namespace orlevant
