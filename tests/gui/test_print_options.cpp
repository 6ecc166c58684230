// The print options dialog: its defaults, every position's page place and miniature, the list
// greyed by the vertical centrings, corners and centring, the orientation swap, the copies' range,
// and its opening from the month window as a modal dialog that stays open while it prints.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "core/message_box.h"
#include "platform/qt/twips.h"
#include "printing/print_job.h"
#include "test_print_fixture.h"

using namespace orlevant;
using orlevant::testing::Choose;
using orlevant::testing::PrintFixture;

namespace {

QRect PxRect(int left, int top, int width, int height) { return TwipsToPixels(QRect(left, top, width, height)); }

const QString kLargeNote = QStringLiteral("Please Note:\nWhen Planner Size is large you can only Print in Landscape Mode.");
const QString kListNote = QStringLiteral("Please Note:\nEvents List will not be included with this Position.");

// What the dialog opens with for a calendar size (pixels on an 800 x 600 screen, twips on the page).
struct DefaultsRow {
  int boxStyle;
  QSize window;
  int printLeft, listTop;
  QRect planner;
};

// A position and centring on a Medium window: the page place, the list's top (-1: unchanged from
// Centre Horizontal's 6170), the miniature's planner (twips in the preview frame) and the list.
struct PlaceRow {
  bool landscape;
  int position, centring;
  QPoint page;
  int listTop;
  QPoint planner;
  bool listAllowed;
};

}  // namespace

Q_DECLARE_METATYPE(DefaultsRow)
Q_DECLARE_METATYPE(PlaceRow)

class TestPrintOptions : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PrintFixture> f_;

 private slots:
  void init() { f_ = std::make_unique<PrintFixture>(); }
  void cleanup() { f_.reset(); }

  void opensWithDefaults_data() {
    QTest::addColumn<DefaultsRow>("row");
    // Small 2520 x 1650, Medium 7560 x 5970, Large 11850 x 8205 twips on an 800 x 600 screen.
    QTest::newRow("small") << DefaultsRow{0, QSize(168, 110), 3958, 1850, PxRect(840, 390, 252, 192)};
    QTest::newRow("medium") << DefaultsRow{1, QSize(504, 398), 1438, 6170, PxRect(630, 390, 672, 552)};
    QTest::newRow("large") << DefaultsRow{2, QSize(790, 547), 1763, 8405, PxRect(570, 390, 1212, 852)};
  }
  void opensWithDefaults() {
    QFETCH(DefaultsRow, row);
    const auto [boxStyle, window, printLeft, listTop, planner] = row;
    f_->Set("BoxStyle", std::to_string(boxStyle));
    frmMain& w = f_->Load();
    // The Large size follows the screen: an 800 x 600 one, whatever the test platform's.
    f_->App().month.ScreenWidth = 800 * 15;
    f_->App().month.ScreenHeight = 600 * 15;
    w.SettingsChanged();
    QCOMPARE(w.size(), window);
    auto d = f_->OpenDialog();
    const bool large = boxStyle == 2;

    QCOMPARE(d->windowTitle(), QString::fromStdString(AppTitle()) + QStringLiteral(" - Print Options  "));
    QCOMPARE(d->size(), QSize(488, 310));
    QCOMPARE(d->txtCopies->value(), 1);
    QCOMPARE(d->optPrintMode[1]->isChecked(), large);
    QCOMPARE(d->optPrintMode[0]->isEnabled(), !large);
    QCOMPARE(d->PageOrientation, large ? 2 : 1);
    QCOMPARE(d->Printer().pageLayout().orientation(), large ? QPageLayout::Landscape : QPageLayout::Portrait);
    QVERIFY(d->optQuality[0]->isChecked());
    QVERIFY(d->optPosition[0]->isChecked());
    QVERIFY(d->optCentre[0]->isChecked());
    for (QRadioButton* centre : d->optCentre) QVERIFY(centre->isEnabled());
    QVERIFY(d->chkEvents->isChecked());
    QVERIFY(d->chkEvents->isEnabled());
    QVERIFY(d->EventsListOn);
    QCOMPARE(d->PrintLeft, printLeft);
    QCOMPARE(d->PrintTop, 0);
    QCOMPARE(d->EventsListTop, listTop);
    QCOMPARE(d->lblPaper->geometry(), large ? PxRect(240, 360, 1872, 1452) : PxRect(240, 360, 1452, 1872));
    QCOMPARE(d->lblPlanner[0]->geometry(), planner);
    QCOMPARE(d->lblPlanner[1]->pos(), planner.topLeft());
    QVERIFY(d->fraEvents->isVisibleTo(d.get()));
    QCOMPARE(d->fraEvents->pos(), TwipsToPixels(QPoint(270, 390 + (boxStyle == 0 ? 192 : boxStyle == 1 ? 552 : 852))));
    QCOMPARE(d->lblMsg->isVisibleTo(d.get()), large);
    QCOMPARE(d->lblMsg->textFormat(), Qt::PlainText);
    if (!large) return;
    // On the Large size the list's note joins the size's note, and leaves with the list's.
    QCOMPARE(d->lblMsg->text(), kLargeNote);
    Choose(d->optCentre[2]);
    QCOMPARE(d->lblMsg->text(), kLargeNote + QStringLiteral("\nEvents List will not be included with this Position."));
    Choose(d->optPosition[1]);
    QCOMPARE(d->lblMsg->text(), kLargeNote);
    QVERIFY(!d->optPrintMode[0]->isEnabled());
  }

  void positionsGivePageAndPreviewPlaces_data() {
    QTest::addColumn<PlaceRow>("row");
    // The layout tables hold every place; these rows check that the dialog passes on each kind of choice.
    QTest::newRow("centre both") << PlaceRow{false, 0, 2, QPoint(1438, 4703), -1, QPoint(630, 1020), false};
    QTest::newRow("top right") << PlaceRow{false, 2, 0, QPoint(2876, 0), 6170, QPoint(978, 390), true};
    QTest::newRow("bottom left") << PlaceRow{false, 3, 0, QPoint(0, 9406), 200, QPoint(270, 1638), true};
    QTest::newRow("landscape vertical") << PlaceRow{true, 0, 1, QPoint(0, 2233), -1, QPoint(270, 810), false};
  }
  void positionsGivePageAndPreviewPlaces() {
    QFETCH(PlaceRow, row);
    const auto [landscape, position, centring, page, listTop, planner, listAllowed] = row;
    QCOMPARE(f_->Load().size(), QSize(504, 398));
    auto d = f_->OpenDialog();
    if (landscape) Choose(d->optPrintMode[1]);
    Choose(d->optPosition[static_cast<std::size_t>(position)]);
    if (position == 0) Choose(d->optCentre[static_cast<std::size_t>(centring)]);

    QCOMPARE(QPoint(d->PrintLeft, d->PrintTop), page);
    QCOMPARE(d->EventsListTop, listTop < 0 ? 6170 : listTop);
    QCOMPARE(d->lblPlanner[0]->pos(), TwipsToPixels(planner));
    QCOMPARE(d->lblPlanner[1]->pos(), TwipsToPixels(planner));
    QCOMPARE(d->EventsListOn, listAllowed);
    QCOMPARE(d->chkEvents->isEnabled(), listAllowed);
    QVERIFY(d->chkEvents->isChecked());  // greyed, never cleared
    QCOMPARE(d->fraEvents->isVisibleTo(d.get()), listAllowed);
    QCOMPARE(d->lblMsg->isVisibleTo(d.get()), !listAllowed);
    if (!listAllowed) {
      QCOMPARE(d->lblMsg->text(), kListNote);
      return;
    }
    const QPoint at = TwipsToPixels(QPoint(270, position >= 3 ? 390 : 390 + 552));
    QCOMPARE(d->fraEvents->pos(), at);
    // Unchecking hides the symbol where it stands; checking shows it there again.
    d->chkEvents->click();
    QVERIFY(!d->EventsListOn);
    QVERIFY(!d->fraEvents->isVisibleTo(d.get()));
    d->chkEvents->click();
    QVERIFY(d->EventsListOn);
    QVERIFY(d->fraEvents->isVisibleTo(d.get()));
    QCOMPARE(d->fraEvents->pos(), at);
  }

  // The symbol follows the position while the list is off, so turning the list on shows it where
  // the list will print, not where the position before put it.
  void theListSymbolFollowsThePositionWhileOff_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QPoint>("symbol");  // twips in the preview frame, under a Medium planner or above it
    QTest::newRow("bottom left to top left") << 3 << 1 << QPoint(270, 390 + 552);
    QTest::newRow("top right to bottom right") << 2 << 4 << QPoint(270, 390);
  }
  void theListSymbolFollowsThePositionWhileOff() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QPoint, symbol);
    f_->Load();
    auto d = f_->OpenDialog();
    Choose(d->optPosition[std::size_t(from)]);
    d->chkEvents->click();
    Choose(d->optPosition[std::size_t(to)]);
    d->chkEvents->click();
    QVERIFY(d->fraEvents->isVisibleTo(d.get()));
    QCOMPARE(d->fraEvents->pos(), TwipsToPixels(symbol));
  }

  // A corner greys the centring, keeps its choice and brings the list back; Centre reapplies the
  // centring kept, and Horizontal brings the list back too.
  void cornerGreysCentringAndCentreReappliesIt() {
    f_->Load();
    auto d = f_->OpenDialog();
    const auto listIsBack = [&] {
      QVERIFY(d->chkEvents->isEnabled());
      QVERIFY(d->EventsListOn);
      QVERIFY(d->fraEvents->isVisibleTo(d.get()));
      QVERIFY(!d->lblMsg->isVisibleTo(d.get()));
    };
    Choose(d->optCentre[1]);
    Choose(d->optPosition[2]);
    for (QRadioButton* centre : d->optCentre) QVERIFY(!centre->isEnabled());
    QVERIFY(d->optCentre[1]->isChecked());
    QCOMPARE(QPoint(d->PrintLeft, d->PrintTop), QPoint(2876, 0));
    listIsBack();

    Choose(d->optPosition[0]);
    for (QRadioButton* centre : d->optCentre) QVERIFY(centre->isEnabled());
    QCOMPARE(QPoint(d->PrintLeft, d->PrintTop), QPoint(0, 4703));
    QCOMPARE(d->lblPlanner[0]->pos(), TwipsToPixels(QPoint(270, 1020)));
    QVERIFY(!d->chkEvents->isEnabled());
    Choose(d->optCentre[0]);
    listIsBack();
  }

  void orientationSwapKeepsThePosition() {
    f_->Load();
    auto d = f_->OpenDialog();
    Choose(d->optPosition[4]);
    QCOMPARE(QPoint(d->PrintLeft, d->PrintTop), QPoint(2876, 9406));
    Choose(d->optPrintMode[1]);
    QVERIFY(d->optPosition[4]->isChecked());
    QCOMPARE(d->PageOrientation, 2);
    QCOMPARE(QPoint(d->PrintLeft, d->PrintTop), QPoint(7816, 4466));
    Choose(d->optPrintMode[0]);
    QCOMPARE(QPoint(d->PrintLeft, d->PrintTop), QPoint(2876, 9406));
  }

  void qualitySetsTheResolution() {
    f_->Load();
    auto d = f_->OpenDialog();
    const int high = d->Printer().resolution();
    QVERIFY(high >= 600);
    Choose(d->optQuality[1]);
    QCOMPARE(d->Printer().resolution(), 150);
    Choose(d->optQuality[0]);
    QCOMPARE(d->Printer().resolution(), high);
  }

  // The copies box holds 1 to 100 whatever is typed.
  void copiesStayFromOneToAHundred_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("copies");
    QTest::newRow("100") << "100" << 100;
    QTest::newRow("0") << "0" << 1;
    QTest::newRow("250") << "250" << 25;
    QTest::newRow("letters") << "abc" << 1;
    QTest::newRow("empty") << "" << 1;
  }
  void copiesStayFromOneToAHundred() {
    QFETCH(QString, typed);
    QFETCH(int, copies);
    f_->Load();
    auto d = f_->OpenDialog();
    d->show();
    d->txtCopies->selectAll();
    QTest::keyClick(d->txtCopies, Qt::Key_Delete);
    QTest::keyClicks(d->txtCopies, typed);
    d->txtCopies->interpretText();
    QCOMPARE(d->txtCopies->value(), copies);
    d->cmdPrint_Click();
    QCOMPARE(d->Printer().copyCount(), copies);
    QCOMPARE(d->Printer().pageLayout().orientation(), QPageLayout::Portrait);
  }

  // F5 and "Print..." reach the dialog through the window's slot; it opens modally over the window.
  void theWindowsPrintSlotOpensTheDialogModally() {
    frmMain& w = f_->Load();
    QVERIFY(w.Dialogs().Print);
    QString caption;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      if (auto* d = qobject_cast<frmPrintOptions*>(QApplication::activeModalWidget())) {
        caption = d->windowTitle();
        modal = d->isModal() && d->parentWidget() == &w;
        d->cmdCancel->click();
      }
    });
    w.Dialogs().Print(w);
    QCOMPARE(caption, QString::fromStdString(AppTitle()) + QStringLiteral(" - Print Options  "));
    QVERIFY(modal);
    for (QWidget* top : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<frmPrintOptions*>(top));
  }

  // Print leaves the modal dialog open: it can print again, and only Escape (or Cancel) ends it.
  void printingKeepsTheModalDialogOpen() {
    frmMain& w = f_->Load();
    w.show();
    frmPrintOptions d(w, PrinterSource{[] { return std::unique_ptr<QPrinter>(); }});
    d.Form_Load();
    QList<bool> visibleAfterPrint;
    QTimer::singleShot(0, [&] {
      d.cmdPrint->click();
      visibleAfterPrint << (d.isVisible() && QApplication::activeModalWidget() == &d);
      d.cmdPrint->click();
      visibleAfterPrint << (d.isVisible() && QApplication::activeModalWidget() == &d);
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QCOMPARE(visibleAfterPrint, (QList<bool>{true, true}));
    QVERIFY(!d.isVisible());
  }
};

QTEST_MAIN(TestPrintOptions)
#include "test_print_options.moc"
