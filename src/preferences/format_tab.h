#pragma once
// The "Format" page: the date and time patterns of the month title, the length of the weekday
// names and the first day of the week, each with a preview.

#include <array>
#include <string>

#include "preferences/preferences_tab.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace orlevant {

class FormatTab : public PreferencesTab {
  Q_OBJECT

 public:
  explicit FormatTab(QWidget* parent = nullptr);

  void Load(const Settings& s) override;
  void Apply(Settings& s) const override;
  void Committed(const Settings& s) override;

  // The title preview: the present moment in the chosen patterns, on the committed title colours.
  void ShowTitlePreview();
  // The seven weekday names from the chosen first day, on the committed heading colours.
  void ShowWeekDayPreview();

  const std::string& WorkDateFormat() const { return WorkDateFormat_; }
  const std::string& WorkTimeFormat() const { return WorkTimeFormat_; }
  int WorkFirstDay() const { return WorkFirstDay_; }
  int WorkWeekDayLength() const { return WorkWeekDayLength_; }

  QComboBox* cboDateFormat() const { return cboDateFormat_; }
  QComboBox* cboTimeFormat() const { return cboTimeFormat_; }
  QComboBox* cboFirstDay() const { return cboFirstDay_; }
  QCheckBox* chkTime() const { return chkTime_; }
  QRadioButton* optWeekDay(int i) const { return optWeekDay_.at(static_cast<std::size_t>(i)); }
  QLabel* lblTitle() const { return lblTitle_; }
  QLabel* lblWeekDay(int i) const { return lblWeekDay_.at(static_cast<std::size_t>(i)); }

 private:
  Settings committed_;
  std::string WorkDateFormat_;
  std::string WorkTimeFormat_;
  int WorkFirstDay_ = 1;
  int WorkWeekDayLength_ = 1;

  QComboBox* cboDateFormat_ = nullptr;
  QComboBox* cboTimeFormat_ = nullptr;
  QCheckBox* chkTime_ = nullptr;
  QLabel* lblTitle_ = nullptr;
  std::array<QRadioButton*, 3> optWeekDay_{};
  QComboBox* cboFirstDay_ = nullptr;
  std::array<QLabel*, 7> lblWeekDay_{};
};

}  // namespace orlevant
