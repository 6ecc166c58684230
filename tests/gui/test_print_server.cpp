// A job the print server did not take: the reason the user reads for each answer the server gives
// (a queue that rejects jobs with its keeper's reason, a server gone, a printer gone, another
// refusal), and the dialog telling it as it tells any failed job, asking nothing of a server that
// took the job. The server is played by the tests; no job reaches a real one.

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
    QTest::newRow("rejecting, with the reason given")
        << kNotAccepting << PrinterLookup{true, QueueState{false, QStringLiteral("Out of paper")}}
        << "The printer \"Office\" is not accepting jobs: Out of paper.";
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
    // The answer to the job is read before the printer is looked up, which would replace it.
    QCOMPARE(server.asked, (QStringList{"reply", "look up Office"}));
  }

  // A refused job is told in the box of every failed job; the dialog stays, and prints again once
  // the server takes jobs, then says nothing and asks nothing more.
  void aRefusedJobIsToldAndTheDialogPrintsAgain_data() {
    QTest::addColumn<PrinterLookup>("lookup");
    QTest::addColumn<QString>("reason");
    QTest::newRow("queue rejecting") << PrinterLookup{true, QueueState{false, QStringLiteral("Out of paper")}}
                                     << "is not accepting jobs: Out of paper.";
    QTest::newRow("server gone") << PrinterLookup{false, std::nullopt} << "The print server could not be reached";
  }
  void aRefusedJobIsToldAndTheDialogPrintsAgain() {
    QFETCH(PrinterLookup, lookup);
    QFETCH(QString, reason);
    f_->Load();
    PlayedServer server{kNotAccepting, lookup, {}};
    auto d = f_->OpenDialog(PrinterSource{[this] { return f_->TestPrinter(); }, server.System()});
    d->show();
    d->cmdPrint->click();
    QCOMPARE(int(f_->Boxes().shown.size()), 1);
    const auto& box = f_->Boxes().shown[0];
    QCOMPARE(box.icon, MsgIcon::Warning);
    QCOMPARE(box.title, AppTitle() + " - Print");
    QVERIFY2(box.text.rfind("The month could not be printed.", 0) == 0, box.text.c_str());
    QVERIFY2(box.text.find(reason.toStdString()) != std::string::npos, box.text.c_str());
    QVERIFY(d->isVisible());
    QVERIFY(d->LastPdfPath().isEmpty());

    server.reply = {true, QStringLiteral("successful-ok")};
    server.asked.clear();
    d->cmdPrint->click();
    QCOMPARE(int(f_->Boxes().shown.size()), 1);
    QCOMPARE(server.asked, QStringList{"reply"});
  }
};

QTEST_MAIN(TestPrintServer)
#include "test_print_server.moc"
