#include "preferences/statistics_tab.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "core/calendar_date.h"
#include "core/clock.h"
#include "core/message_box.h"
#include "preferences/events_overview_model.h"

namespace orlevant {
namespace {

constexpr const char* kCounterNames[] = {"lblYearly",        "lblQuarterly", "lblMonthly",
                                         "lblWeekly",        "lblTodayOnly", "lblPreviousYears",
                                         "lblThisYear",      "lblLaterYears", "lblTotal"};
constexpr const char* kCounterCaptions[] = {"Yearly Events:", "Quarterly Events:", "Monthly Events:",
                                            "Weekly Events:", "Today Only Events:", "", "", "", "Total Events:"};
constexpr const char* kMonthNames[] = {"", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QLabel* Number(QWidget* parent, const QString& name) {
  auto* label = new QLabel(QStringLiteral("0"), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumWidth(40);
  return label;
}

// Rows as wide as the list, one line high: a text longer than the list ends in an ellipsis at its
// edge, and no row's text is laid out to find the list's width.
class OneColumnRows : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {0, QStyledItemDelegate::sizeHint(option, index).height()};
  }
};

}  // namespace

StatisticsTab::StatisticsTab(const EventStore& events, QWidget* parent) : PreferencesTab(parent), events_(events) {
  auto* fraOverView = new QGroupBox(QStringLiteral("Events Overview"), this);
  fraOverView->setObjectName(QStringLiteral("fraOverView"));
  auto* overview = new QVBoxLayout(fraOverView);
  overview_ = new EventsOverviewModel(this);
  lvwEvents_ = new QListView(fraOverView);
  lvwEvents_->setObjectName(QStringLiteral("lvwEvents"));
  lvwEvents_->setModel(overview_);
  lvwEvents_->setUniformItemSizes(true);
  lvwEvents_->setItemDelegate(new OneColumnRows(lvwEvents_));
  lvwEvents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lvwEvents_->installEventFilter(this);
  lvwEvents_->viewport()->installEventFilter(this);
  overview->addWidget(lvwEvents_);
  auto* sortRow = new QHBoxLayout;
  cboSort_ = new QComboBox(fraOverView);
  cboSort_->setObjectName(QStringLiteral("cboSort"));
  cboSort_->addItems({QStringLiteral("Ascending"), QStringLiteral("Descending")});
  cboSort_->setCurrentIndex(1);
  auto* sortCaption = new QLabel(QStringLiteral("&Sort:"), fraOverView);
  sortCaption->setBuddy(cboSort_);
  sortRow->addWidget(sortCaption);
  sortRow->addWidget(cboSort_);
  txtOccurrence_ = new QLineEdit(fraOverView);
  txtOccurrence_->setObjectName(QStringLiteral("txtOccurrence"));
  txtOccurrence_->setReadOnly(true);
  sortRow->addWidget(txtOccurrence_, 1);
  overview->addLayout(sortRow);
  connect(cboSort_, &QComboBox::currentIndexChanged, this, [this] {
    Sort();
    txtOccurrence_->clear();
  });
  Sort();
  connect(lvwEvents_, &QListView::clicked, this, &StatisticsTab::lvwEvents_ItemClick);
  connect(lvwEvents_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &StatisticsTab::lvwEvents_ItemClick);

  auto* fraTotals = new QGroupBox(QStringLiteral("Totals"), this);
  fraTotals->setObjectName(QStringLiteral("fraTotals"));
  auto* totals = new QGridLayout(fraTotals);
  for (int i = 0; i < 9; ++i) {
    counters_[static_cast<std::size_t>(i)] = Number(fraTotals, QLatin1String(kCounterNames[i]));
    auto* caption = new QLabel(QLatin1String(kCounterCaptions[i]), fraTotals);
    caption->setTextFormat(Qt::PlainText);
    if (i == 5) lblPreviousYearsMsg_ = caption;
    if (i == 6) lblThisYearMsg_ = caption;
    if (i == 7) lblLaterYearsMsg_ = caption;
    totals->addWidget(caption, i, 0);
    totals->addWidget(counters_[static_cast<std::size_t>(i)], i, 1);
  }
  lblPreviousYearsMsg_->setObjectName(QStringLiteral("lblPreviousYearsMsg"));
  lblThisYearMsg_->setObjectName(QStringLiteral("lblThisYearMsg"));
  lblLaterYearsMsg_->setObjectName(QStringLiteral("lblLaterYearsMsg"));
  auto* byMonth = new QGroupBox(QStringLiteral("Events per Month"), fraTotals);
  auto* months = new QGridLayout(byMonth);
  for (int m = 1; m <= 12; ++m) {
    lblMonthTotal_[static_cast<std::size_t>(m)] = Number(byMonth, QStringLiteral("lblMonthTotal%1").arg(m));
    const int row = (m - 1) % 6;
    const int column = (m - 1) / 6 * 2;
    months->addWidget(new QLabel(QLatin1String(kMonthNames[m]), byMonth), row, column);
    months->addWidget(lblMonthTotal_[static_cast<std::size_t>(m)], row, column + 1);
  }
  totals->addWidget(byMonth, 0, 2, 9, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(fraOverView, 3);
  layout->addWidget(fraTotals, 2);
}

QLabel* StatisticsTab::Counter(const char* name) const {
  for (int i = 0; i < 9; ++i)
    if (std::string_view(kCounterNames[i]) == name) return counters_[static_cast<std::size_t>(i)];
  return nullptr;
}

void StatisticsTab::Shown() {
  const int year = YearOf(SystemToday());
  const QString y = QString::number(year);
  lblPreviousYearsMsg_->setText(QStringLiteral("Events before ") + y + QLatin1Char(':'));
  lblThisYearMsg_->setText(QStringLiteral("Events in ") + y + QLatin1Char(':'));
  lblLaterYearsMsg_->setText(QStringLiteral("Events after ") + y + QLatin1Char(':'));
  counts_ = CountEvents(events_, year);
  const int values[] = {counts_.Yearly,        counts_.Quarterly, counts_.Monthly,     counts_.Weekly, counts_.TodayOnly,
                        counts_.PreviousYears, counts_.ThisYear,  counts_.LaterYears, counts_.Total};
  for (int i = 0; i < 9; ++i) counters_[static_cast<std::size_t>(i)]->setNum(values[i]);
  for (int m = 1; m <= 12; ++m)
    lblMonthTotal_[static_cast<std::size_t>(m)]->setNum(counts_.MonthTotal[static_cast<std::size_t>(m)]);
  FillEventsOverview();
  txtOccurrence_->clear();
}

void StatisticsTab::FillEventsOverview() {
  Sort();
  overview_->Fill(EventsOverview(events_));
}

void StatisticsTab::Sort() { overview_->SetDescending(cboSort_->currentText() != QLatin1String("Ascending")); }

void StatisticsTab::lvwEvents_ItemClick(const QModelIndex& item) {
  if (!item.isValid()) return;
  txtOccurrence_->setText(
      QString::fromStdString(OccurrenceAnswerForKey(overview_->Item(item.row()).key, SystemToday())));
}

bool StatisticsTab::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lvwEvents_ && event->type() == QEvent::KeyRelease) {
    // Up and Down reach the item click as the current row moves; Space chooses the row it is on.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) lvwEvents_ItemClick(lvwEvents_->currentIndex());
    return false;
  }
  if (watched == lvwEvents_->viewport() && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    const QModelIndex item = lvwEvents_->currentIndex();
    if (item.isValid()) {
      lvwEvents_ItemClick(item);
      AppMessageBoxes().Show(MsgIcon::None, MsgButtons::Ok, AppTitle(),
                             overview_->Item(item.row()).text + std::string(kWidenLine) + "\r\n\r\n");
    }
    return true;
  }
  return PreferencesTab::eventFilter(watched, event);
}

}  // namespace orlevant
