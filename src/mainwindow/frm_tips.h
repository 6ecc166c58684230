#pragma once
// The tips dialog: fourteen tips on using the program, the last one shown remembered on request,
// and the switch for the tips icon on the main window's title.

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace orlevant {

struct Settings;
class SettingsStore;

class frmTips : public QDialog {
  Q_OBJECT

 public:
  // `settings` is the program's settings mirror: its ShowTips changes as soon as the box is
  // clicked, so the main window's title follows at its next refresh. RememberTips, Oldx and
  // ShowTips are stored in `store` whenever the dialog closes.
  frmTips(Settings& settings, SettingsStore& store, QWidget* parent = nullptr);
  // A dialog destroyed while still open stores its values as any closing does.
  ~frmTips() override;

  static constexpr int kTipCount = 14;
  static const std::array<std::string, kTipCount>& TipTitles();
  // Lines broken with CR LF.
  static const std::array<std::string, kTipCount>& TipTexts();

  // The tip the dialog opened at.
  int TipIndex() const { return tipIndex_; }

  QListWidget* lstCategory = nullptr;
  QLabel* lblTips = nullptr;
  QGroupBox* Frame1 = nullptr;
  QLabel* imgQMark = nullptr;
  QCheckBox* chkShowTips = nullptr;
  QCheckBox* chkRemember = nullptr;
  QPushButton* cmdExit = nullptr;

  // However the dialog closes, the three values are stored.
  void done(int result) override;

 private:
  void Form_Load();
  void Form_Unload();
  void lstCategory_Click();
  void chkRemember_Click();
  void chkShowTips_Click();
  void cmdExit_Click();

  Settings& settings_;
  SettingsStore& store_;
  int tipIndex_ = 0;
};

}  // namespace orlevant
