#include "printing/print_system.h"

#include <cups/cups.h>

#include <memory>

namespace orlevant {

namespace {

PrintSystemReply LastServerReply() {
  // Every answer below "redirection" is a success of some kind (some options ignored, for one).
  return {cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE, QString::fromUtf8(cupsLastErrorString())};
}

PrinterLookup LookUpOnServer(const QString& printer) {
  // A printer's name may carry "/instance": the server knows the queue by the part before it.
  const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toUtf8();
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                   queue.constData());
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  static const char* const kWanted[] = {"printer-is-accepting-jobs", "printer-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, kWanted);
  // No answer at all means no server; an answer of any status means one.
  const std::unique_ptr<ipp_t, decltype(&ippDelete)> response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"),
                                                              &ippDelete);
  if (!response) return {false, std::nullopt};
  if (ippGetStatusCode(response.get()) >= IPP_STATUS_REDIRECTION_OTHER_SITE) return {true, std::nullopt};
  QueueState state;
  if (ipp_attribute_t* accepting = ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
    state.acceptingJobs = ippGetBoolean(accepting, 0) != 0;
  if (ipp_attribute_t* message = ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT))
    state.message = QString::fromUtf8(ippGetString(message, 0, nullptr)).trimmed();
  return {true, state};
}

// The end of a sentence that gives the server's own words, when it has any.
QString Ending(const QString& words) {
  const QString said = words.trimmed();
  if (said.isEmpty()) return QStringLiteral(".");
  return QStringLiteral(": ") + said + (said.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral("."));
}

}  // namespace

PrintSystem ServerPrintSystem() { return {LastServerReply, LookUpOnServer}; }

std::optional<QString> JobRefusal(const PrintSystem& system, const QString& printer) {
  // Read before anything else is asked: the next request replaces the answer.
  const PrintSystemReply reply = system.lastReply();
  if (reply.ok) return std::nullopt;
  const PrinterLookup lookup = system.lookUp(printer);
  if (!lookup.serverReached)
    return QStringLiteral("The print server could not be reached, so the job never got to the printer \"%1\".")
        .arg(printer);
  if (!lookup.queue)
    return QStringLiteral("The print server no longer knows the printer \"%1\".").arg(printer);
  if (!lookup.queue->acceptingJobs) {
    const QString reason = QStringLiteral("The printer \"%1\" is not accepting jobs").arg(printer);
    return reason + Ending(lookup.queue->message);
  }
  return QStringLiteral("The printer \"%1\" did not accept the job").arg(printer) + Ending(reply.message);
}

}  // namespace orlevant
