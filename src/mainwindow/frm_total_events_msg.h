#pragma once
// The warning that the events file holds many events, with two check boxes that limit or stop it.
// Each box stores its setting the moment it is clicked; the settings take effect at the next start.

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace orlevant {

class SettingsStore;

class frmTotalEventsMsg : public QDialog {
  Q_OBJECT

 public:
  frmTotalEventsMsg(int eventCount, SettingsStore& store, QWidget* parent = nullptr);

  // The four paragraphs for a file of `eventCount` events; lines broken with CR LF.
  static std::array<std::string, 4> MessageTexts(int eventCount);
  // The question asked before the warning is switched off for good.
  static std::string CautionText();

  std::array<QLabel*, 4> lblMsg{};
  QCheckBox* chkShowTotalEventsMsg = nullptr;
  QCheckBox* chkNeverShowTotalEventsMsg = nullptr;
  QPushButton* cmdOK = nullptr;
  // Kept behind cmdOK to hold the keyboard focus, so that no check box shows a focus mark.
  QPushButton* cmdTakeFocus = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Form_Load();
  void chkShowTotalEventsMsg_Click();
  void chkNeverShowTotalEventsMsg_Click();

  int eventCount_;
  SettingsStore& store_;
  bool Loading = false;
};

}  // namespace orlevant
