#pragma once
// The "Statistics" page: every stored event with a sortable description of its date, how far away
// the chosen event's next day is, and the events counted by kind, by year and by month.

#include <array>

#include "core/event_statistics.h"
#include "preferences/preferences_tab.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;

namespace orlevant {

class EventsOverviewModel;

class StatisticsTab : public PreferencesTab {
  Q_OBJECT

 public:
  explicit StatisticsTab(const EventStore& events, QWidget* parent = nullptr);

  void Load(const Settings&) override {}
  void Apply(Settings&) const override {}
  // Counts and list afresh, as of today.
  void Shown() override;

  void FillEventsOverview();
  void lvwEvents_ItemClick(const QModelIndex& item);

  const EventStatistics& Counts() const { return counts_; }
  QListView* lvwEvents() const { return lvwEvents_; }
  const EventsOverviewModel& Overview() const { return *overview_; }
  QComboBox* cboSort() const { return cboSort_; }
  QLineEdit* txtOccurrence() const { return txtOccurrence_; }
  QLabel* lblMonthTotal(int month) const { return lblMonthTotal_.at(static_cast<std::size_t>(month)); }
  QLabel* Counter(const char* name) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Sort();

  const EventStore& events_;
  EventStatistics counts_;
  EventsOverviewModel* overview_ = nullptr;
  QListView* lvwEvents_ = nullptr;
  QComboBox* cboSort_ = nullptr;
  QLineEdit* txtOccurrence_ = nullptr;
  QLabel* lblPreviousYearsMsg_ = nullptr;
  QLabel* lblThisYearMsg_ = nullptr;
  QLabel* lblLaterYearsMsg_ = nullptr;
  std::array<QLabel*, 9> counters_{};
  std::array<QLabel*, 13> lblMonthTotal_{};  // 1..12
};

}  // namespace orlevant
