#pragma once
// The "Settings" page: how the calendar starts, where it stands and how large it is, with a
// miniature planner that shows the size and position chosen.

#include <array>

#include "core/preference_tables.h"
#include "preferences/preferences_tab.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace orlevant {

// The preview frame's size in twips.
inline constexpr int kPreviewFrameWidth = 4032;
inline constexpr int kPreviewFrameHeight = 1512;

class SettingsTab : public PreferencesTab {
  Q_OBJECT

 public:
  explicit SettingsTab(QWidget* parent = nullptr);

  void Load(const Settings& s) override;
  void Apply(Settings& s) const override;

  // Sizes and places the miniature planner by the chosen size and position.
  void ShowPositionPreview();

  int WorkPosition() const { return WorkPosition_; }
  int WorkBoxStyle() const { return WorkBoxStyle_; }
  const PositionPreviewLayout& Preview() const { return preview_; }

  QCheckBox* chkStartMinimized() const { return chkStartMinimized_; }
  QCheckBox* chkShowClearAllMsg() const { return chkShowClearAllMsg_; }
  QCheckBox* chkShowToolTips() const { return chkShowToolTips_; }
  QCheckBox* chkShowMessage() const { return chkShowMessage_; }
  QCheckBox* chkShowTips() const { return chkShowTips_; }
  QCheckBox* chkExpand() const { return chkExpand_; }
  QCheckBox* chkRunStartup() const { return chkRunStartup_; }
  QCheckBox* chkShowSplash() const { return chkShowSplash_; }
  QCheckBox* chkNotifyMe() const { return chkNotifyMe_; }
  QRadioButton* optPosition(int i) const { return optPosition_.at(static_cast<std::size_t>(i)); }
  QRadioButton* optBoxStyle(int i) const { return optBoxStyle_.at(static_cast<std::size_t>(i)); }
  QLabel* lblTop() const { return lblTop_; }
  QLabel* lblBox(int i) const { return lblBox_.at(static_cast<std::size_t>(i)); }

 private:
  QCheckBox* NewCheck(const char* name, const char* caption);

  int WorkPosition_ = 1;
  int WorkBoxStyle_ = 1;
  PositionPreviewLayout preview_;

  QCheckBox* chkStartMinimized_ = nullptr;
  QCheckBox* chkShowClearAllMsg_ = nullptr;
  QCheckBox* chkShowToolTips_ = nullptr;
  QCheckBox* chkShowMessage_ = nullptr;
  QCheckBox* chkShowTips_ = nullptr;
  QCheckBox* chkExpand_ = nullptr;
  QCheckBox* chkRunStartup_ = nullptr;
  QCheckBox* chkShowSplash_ = nullptr;
  QCheckBox* chkNotifyMe_ = nullptr;
  std::array<QRadioButton*, 5> optPosition_{};
  std::array<QRadioButton*, 3> optBoxStyle_{};
  QGroupBox* fraPreview_ = nullptr;
  QWidget* screen_ = nullptr;
  QLabel* lblTop_ = nullptr;
  std::array<QLabel*, 28> lblBox_{};
};

// A check box as a stored flag: 1 checked, 0 otherwise (Qt::Checked itself is 2).
int FlagOf(const QCheckBox* box);
void SetFlag(QCheckBox* box, int flag);

// A list filled with a ListWithStored choice, its stored entry selected. An entry stored by hand may
// be of any length: the list shows what fits in a list's width and keeps the entry whole.
void FillList(QComboBox* list, const ListChoice& choice);
// The whole entry chosen in a list that FillList filled.
std::string ChosenEntry(const QComboBox& list);

}  // namespace orlevant
