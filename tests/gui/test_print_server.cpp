// A job the print server did not take: the reason the user reads for each answer the server gives
// (a queue that rejects jobs with its keeper's reason, a server gone, a printer gone, another
// refusal), and the dialog telling it as it tells any failed job. The server is played by the
// tests; no job reaches a real one.

#include <QPushButton>
#include <QtTest>

#include "core/message_box.h"
#include "printing/print_system.h"
#include "test_print_fixture.h"

using namespace orlevant;
using orlevant::testing::PrintFixture;

namespace {

// A print server that answers as told and notes what it was asked, in order.
struct PlayedServer {
  PrintSystemReply reply;
  PrinterLookup lookup;
  QStringList asked;

  PrintSystem System() {
    return {[this] {
              asked << QStringLiteral("reply");
              return reply;
            },
            [this](const QString& printer) {
              asked << QStringLiteral("look up ") + printer;
              return lookup;
            }};
  }
};

const PrintSystemReply kNotAccepting{false, QStringLiteral("Destination \"Office\" is not accepting jobs.")};
const PrinterLookup kOutOfPaper{true, QueueState{false, QStringLiteral("Out of paper")}};

}  // namespace

Q_DECLARE_METATYPE(PrintSystemReply)
Q_DECLARE_METATYPE(PrinterLookup)

class TestPrintServer : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PrintFixture> f_;

 private slots:
  void init() { f_ = std::make_unique<PrintFixture>(); }
  void cleanup() { f_.reset(); }

  void eachRefusalHasItsReason_data() {
    QTest::addColumn<PrintSystemReply>("reply");
    QTest::addColumn<PrinterLookup>("lookup");
    QTest::addColumn<QString>("reason");
    QTest::newRow("taken") << PrintSystemReply{true, QStringLiteral("successful-ok")} << PrinterLookup{} << "<taken>";
    QTest::newRow("rejecting, with the reason given")
        << kNotAccepting << kOutOfPaper << "The printer \"Office\" is not accepting jobs: Out of paper.";
    QTest::newRow("server gone") << PrintSystemReply{false, QStringLiteral("No such file or directory")}
                                 << PrinterLookup{false, std::nullopt}
                                 << "The print server could not be reached, so the job never got to the printer "
                                    "\"Office\".";
    QTest::newRow("printer gone") << PrintSystemReply{false, QStringLiteral("The printer or class does not exist.")}
                                  << PrinterLookup{true, std::nullopt}
                                  << "The print server no longer knows the printer \"Office\".";
    QTest::newRow("another refusal, in the server's words")
        << PrintSystemReply{false, QStringLiteral(" Unsupported document-format ")}
        << PrinterLookup{true, QueueState{true, QString()}}
        << "The printer \"Office\" did not accept the job: Unsupported document-format.";
  }
  void eachRefusalHasItsReason() {
    QFETCH(PrintSystemReply, reply);
    QFETCH(PrinterLookup, lookup);
    QFETCH(QString, reason);
    PlayedServer server{reply, lookup, {}};
    QCOMPARE(JobRefusal(server.System(), QStringLiteral("Office")).value_or(QStringLiteral("<taken>")), reason);
    // The answer to the job is read before the printer is looked up, which would replace it; a job
    // taken asks nothing more.
    QCOMPARE(server.asked, (reply.ok ? QStringList{"reply"} : QStringList{"reply", "look up Office"}));
  }

  // A refused job is told in the box of every failed job, and the dialog stays.
  void aRefusedJobIsTold() {
    f_->Load();
    PlayedServer server{kNotAccepting, kOutOfPaper, {}};
    auto d = f_->OpenDialog(PrinterSource{[this] { return f_->TestPrinter(); }, server.System()});
    d->show();
    d->cmdPrint->click();
    QCOMPARE(int(f_->Boxes().shown.size()), 1);
    const std::string& text = f_->Boxes().shown[0].text;
    QVERIFY2(text.rfind("The month could not be printed.", 0) == 0, text.c_str());
    QVERIFY2(text.find("is not accepting jobs: Out of paper.") != std::string::npos, text.c_str());
    QVERIFY(d->isVisible());
  }
};

QTEST_MAIN(TestPrintServer)
#include "test_print_server.moc"
