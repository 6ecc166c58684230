#include "reminders/frm_reminders.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "core/clock.h"
#include "core/events_file.h"
#include "core/message_box.h"
#include "core/reminder_code.h"
#include "mainwindow/app_context.h"
#include "mainwindow/day_text_label.h"
#include "mainwindow/frm_main.h"
#include "platform/qt/display_text.h"
#include "platform/qt/fixed_dialog_frame.h"
#include "platform/qt/plain_label.h"
#include "platform/qt/screen_centre.h"
#include "reminders/reminder_rows_model.h"
#include "reminders/reminder_sound.h"

namespace orlevant {

namespace {

QPointer<frmReminders> openDialog;

// The status balls: green while reminders are on, red while they are off.
QPixmap Ball(bool on) {
  QPixmap pixmap(14, 14);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient shine(QPointF(5, 5), 8);
  const QColor base = on ? QColor(0x1E, 0xA0, 0x3C) : QColor(0xD0, 0x30, 0x28);
  shine.setColorAt(0, base.lighter(170));
  shine.setColorAt(1, base);
  p.setPen(base.darker(130));
  p.setBrush(shine);
  p.drawEllipse(QRectF(1, 1, 12, 12));
  return pixmap;
}

QSpinBox* SpinBox(QWidget* parent, const char* name, int maximum, int step) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setRange(0, maximum);
  box->setSingleStep(step);
  return box;
}

std::string Format(const AppContext& app, Date date, std::string_view pattern) {
  const DateTime when{date, 0, 0, 0};
  return app.month.FormatDateAs(when, pattern);
}

void Inform(const std::string& title, const std::string& text) {
  AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, title, text);
}

}  // namespace

frmReminders::frmReminders(frmMain& main, QWidget* parent) : QDialog(parent), main_(main), app_(main.App()) {
  setObjectName(QStringLiteral("frmReminders"));
  setAttribute(Qt::WA_DeleteOnClose);
  AppContext& app = app_;
  main.FinishStartReminders();
  CreateControls();
  UseFixedDialogFrame(*this);

  setWindowTitle(QString::fromStdString(AppTitle() + " - Reminders  "));
  lblDescription_->setText(
      QStringLiteral("Reminders must be ON to make them active.\n Check a Future Event from the list, then set the "
                     "Frequency.\nAt least one setting must be greater than zero."));
  CheckedRowCount_ = app.reminders.ReminderCount();
  ChosenReminders_ = app.settings.Reminders == 1 ? 1 : 0;
  filling_ = true;
  for (int i = 0; i <= 9; ++i) cboSound_->addItem(QString::fromStdString(app.Sounds[static_cast<std::size_t>(i)]), i);
  filling_ = false;
  optReminder_[static_cast<std::size_t>(ChosenReminders_)]->setChecked(true);
  optReminder_Click(ChosenReminders_);
  lblReminderText_->clear();
  lblMsg_->setText(QStringLiteral("No Reminder Message"));
  lblFutureEvents_->setText(QStringLiteral("0"));
  lblReminderNum_->setText(QStringLiteral("0"));
  UpdateListView();
  DisableSettings();
  OnOffChanged_ = false;
  RowSettingsChanged_ = false;
  UpdateApplyButton();
  app.RemindersDialogOpen = true;
}

frmReminders::~frmReminders() { app_.RemindersDialogOpen = false; }

const std::vector<ReminderRow>& frmReminders::Rows() const { return rows_->Rows(); }

void frmReminders::CreateControls() {
  fraReminders_ = new QGroupBox(QStringLiteral("Future Events   (Check to Set)"), this);
  fraReminders_->setObjectName(QStringLiteral("fraReminders"));
  rows_ = new ReminderRowsModel(this);
  lvwReminders_ = new QTreeView(fraReminders_);
  lvwReminders_->setObjectName(QStringLiteral("lvwReminders"));
  lvwReminders_->setModel(rows_);
  lvwReminders_->setHeaderHidden(true);
  lvwReminders_->setRootIsDecorated(false);
  lvwReminders_->setUniformRowHeights(true);
  lvwReminders_->setMinimumSize(420, 220);
  lvwReminders_->installEventFilter(this);
  lblFutureEvents_ = PlainLabel(fraReminders_, "lblFutureEvents");
  lblReminderNum_ = PlainLabel(fraReminders_, "lblReminderNum");
  auto* counts = new QHBoxLayout;
  counts->addWidget(PlainLabel(fraReminders_, "Label12", QStringLiteral("Future Events:")));
  counts->addWidget(lblFutureEvents_);
  counts->addSpacing(24);
  counts->addWidget(PlainLabel(fraReminders_, "Label11", QStringLiteral("Reminders:")));
  counts->addWidget(lblReminderNum_);
  counts->addStretch(1);
  auto* listLayout = new QVBoxLayout(fraReminders_);
  listLayout->addWidget(lvwReminders_);
  listLayout->addLayout(counts);

  fraSettings_ = new QGroupBox(QStringLiteral("Reminder Frequency"), this);
  fraSettings_->setObjectName(QStringLiteral("fraSettings"));
  txtDays_ = SpinBox(fraSettings_, "txtDays", 31, 1);
  txtHours_ = SpinBox(fraSettings_, "txtHours", 12, 1);
  txtMins_ = SpinBox(fraSettings_, "txtMins", 30, 10);
  cboSound_ = new QComboBox(fraSettings_);
  cboSound_->setObjectName(QStringLiteral("cboSound"));
  cmdTestSound_ = new QPushButton(QStringLiteral("Test"), fraSettings_);
  cmdTestSound_->setObjectName(QStringLiteral("cmdTestSound"));
  cmdTestSound_->setAutoDefault(false);
  auto* settings = new QGridLayout(fraSettings_);
  settings->addWidget(PlainLabel(fraSettings_, "Label3", QStringLiteral("Every:")), 0, 0);
  settings->addWidget(txtDays_, 0, 1);
  settings->addWidget(PlainLabel(fraSettings_, "Label2", QStringLiteral("Day(s) Before Event")), 0, 2);
  settings->addWidget(PlainLabel(fraSettings_, "Label7", QStringLiteral("Every:")), 1, 0);
  settings->addWidget(txtHours_, 1, 1);
  settings->addWidget(PlainLabel(fraSettings_, "Label4", QStringLiteral("Hour(s)")), 1, 2);
  settings->addWidget(PlainLabel(fraSettings_, "Label8", QStringLiteral("Every:")), 2, 0);
  settings->addWidget(txtMins_, 2, 1);
  settings->addWidget(PlainLabel(fraSettings_, "Label5", QStringLiteral("Minute(s)")), 2, 2);
  settings->addWidget(PlainLabel(fraSettings_, "Label6", QStringLiteral("Sound:")), 3, 0);
  settings->addWidget(cboSound_, 3, 1, 1, 2);
  settings->addWidget(cmdTestSound_, 3, 3);
  settings->addWidget(PlainLabel(fraSettings_, "Label1", QStringLiteral("Set Frequency after Checking a Future Event.")),
                      4, 0, 1, 4);
  settings->setColumnStretch(2, 1);

  fraOnOff_ = new QGroupBox(QStringLiteral("Reminders"), this);
  fraOnOff_->setObjectName(QStringLiteral("fraOnOff"));
  auto* onOff = new QGridLayout(fraOnOff_);
  const char* captions[2] = {"Off", "On"};
  for (int i = 0; i < 2; ++i) {
    auto* option = new QRadioButton(QString::fromLatin1(captions[i]), fraOnOff_);
    option->setObjectName(QStringLiteral("optReminder"));
    optReminder_[static_cast<std::size_t>(i)] = option;
    connect(option, &QRadioButton::clicked, this, [this, i] { optReminder_Click(i); });
    auto* ball = new QLabel(fraOnOff_);
    ball->setObjectName(QStringLiteral("imgBall"));
    imgBall_[static_cast<std::size_t>(i)] = ball;
    QSizePolicy keep = ball->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ball->setSizePolicy(keep);
  }
  // imgBall(0) stands beside "On" with the green ball, imgBall(1) beside "Off" with the red one.
  imgBall_[0]->setPixmap(Ball(true));
  imgBall_[1]->setPixmap(Ball(false));
  onOff->addWidget(optReminder_[1], 0, 0);
  onOff->addWidget(imgBall_[0], 0, 1);
  onOff->addWidget(optReminder_[0], 1, 0);
  onOff->addWidget(imgBall_[1], 1, 1);
  onOff->setColumnStretch(2, 1);

  auto* fraDescription = new QGroupBox(QStringLiteral("Description"), this);
  fraDescription->setObjectName(QStringLiteral("fraDescription"));
  lblDescription_ = PlainLabel(fraDescription, "lblDescription");
  lblDescription_->setWordWrap(true);
  (new QVBoxLayout(fraDescription))->addWidget(lblDescription_);

  auto* fraInformation = new QGroupBox(QStringLiteral("Information and Messages"), this);
  fraInformation->setObjectName(QStringLiteral("fraInformation"));
  lblReminderText_ = NewEventTextLabel(fraInformation, "lblReminderText");
  lblMsg_ = PlainLabel(fraInformation, "lblMsg");
  lblMsg_->setWordWrap(true);
  auto* information = new QVBoxLayout(fraInformation);
  information->addWidget(lblReminderText_);
  information->addWidget(lblMsg_);
  information->addStretch(1);

  cmdApply_ = new QPushButton(QStringLiteral("Apply"), this);
  cmdApply_->setObjectName(QStringLiteral("cmdApply"));
  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setDefault(true);
  cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  for (QPushButton* b : {cmdApply_, cmdCancel_}) b->setAutoDefault(false);

  connect(cmdApply_, &QPushButton::clicked, this, &frmReminders::cmdApply_Click);
  connect(cmdOK_, &QPushButton::clicked, this, &frmReminders::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmReminders::cmdCancel_Click);
  connect(cmdTestSound_, &QPushButton::clicked, this, &frmReminders::cmdTestSound_Click);
  for (QSpinBox* box : {txtDays_, txtHours_, txtMins_})
    connect(box, &QSpinBox::valueChanged, this, &frmReminders::SettingChanged);
  // The code keeps minutes in tens: a typed 25 is stored as 20, so the box shows 20 once it is
  // left, and a typed 5 shows the 0 that the reminder would really get.
  connect(txtMins_, &QSpinBox::editingFinished, this, [this] {
    if (const int typed = txtMins_->value(); typed % 10 != 0) txtMins_->setValue(typed / 10 * 10);
  });
  connect(cboSound_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || CurrentRow_ < 0 || index < 0) return;
    rows_->Row(CurrentRow_).ReminderRowCode[5] = static_cast<char>('0' + index);
    SettingChanged();
  });
  connect(lvwReminders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (filling_ || !current.isValid()) return;
            RowClicked(current.row());
          });
  connect(rows_, &ReminderRowsModel::CheckClicked, this, &frmReminders::RowCheckClicked);

  auto* right = new QVBoxLayout;
  right->addWidget(fraSettings_);
  right->addWidget(fraOnOff_);
  right->addWidget(fraDescription);
  auto* middle = new QHBoxLayout;
  middle->addWidget(fraReminders_, 3);
  middle->addLayout(right, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(fraInformation, 1);
  auto* buttonColumn = new QVBoxLayout;
  buttonColumn->addStretch(1);
  buttonColumn->addWidget(cmdOK_);
  buttonColumn->addWidget(cmdCancel_);
  buttonColumn->addWidget(cmdApply_);
  buttons->addLayout(buttonColumn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(middle, 1);
  layout->addLayout(buttons);
}

// ------------------------------------------------------------------------------------ the list

void frmReminders::UpdateListView() {
  AppContext& app = app_;
  if (StoredLineCount(app.events) == 0) return;
  const Date today = AppClock().Now().date;
  filling_ = true;
  rows_->SetRows(ListFutureEventsByText(app.events, today));
  filling_ = false;
  lblFutureEvents_->setText(QString::number(Rows().size()));
  CurrentRow_ = -1;
  PreviousRow_ = -1;
  if (Rows().empty()) {
    const std::string ten(kWidenLine);
    Inform(AppTitle(), "You do not have any Future Events entered." + ten + "\r\nBefore you can set Reminders you will need to" +
                           ten + "\r\nadd Events that occur in the Future.\r\n\r\n");
    lblReminderText_->clear();
    lblMsg_->setText(QStringLiteral("No Reminder Message"));
    DisableSettings();
    return;
  }
  lblReminderNum_->setText(QString::number(CheckedRowCount_));
  CurrentRow_ = 0;
  PreviousRow_ = 0;
  SelectRow(0);
  ShowReminderDetails();
  // After an Apply the first row may be one without a check: its settings must not stay open
  // from the row that was selected before.
  EnableSettings(RowIsChecked(0));
}

void frmReminders::SelectRow(int row) {
  if (row < 0 || row >= rows_->rowCount()) return;
  const bool wasFilling = filling_;
  filling_ = true;
  const QModelIndex at = rows_->index(row);
  lvwReminders_->setCurrentIndex(at);
  lvwReminders_->scrollTo(at);
  filling_ = wasFilling;
}

bool frmReminders::RowIsChecked(int row) const {
  return row >= 0 && row < static_cast<int>(Rows().size()) && Rows()[static_cast<std::size_t>(row)].RowChecked;
}

void frmReminders::ShowReminderDetails() {
  if (CurrentRow_ < 0 || CurrentRow_ >= static_cast<int>(Rows().size())) return;
  const ReminderRow& row = rows_->Row(CurrentRow_);
  const ReminderRowDetails details = DescribeReminderRow(
      row, AppClock().Now().date, [this](Date date) { return Format(app_, date, "mmmm d, yyyy"); });
  lblReminderText_->setText(DisplayPart(details.About));
  lblMsg_->setText(DisplayPart(details.Message));

  const ReminderCode code = ReminderCode::Parse(row.ReminderRowCode);
  filling_ = true;
  // A code written elsewhere may exceed what the boxes offer; they widen to show it as it is.
  txtDays_->setMaximum(std::max(31, code.Days));
  txtHours_->setMaximum(std::max(12, code.Hours));
  txtMins_->setMaximum(std::max(30, code.Minutes));
  txtDays_->setValue(code.Days);
  txtHours_->setValue(code.Hours);
  txtMins_->setValue(code.Minutes);
  cboSound_->setCurrentIndex(code.Sound);
  filling_ = false;
  PreviousRow_ = CurrentRow_;
}

void frmReminders::StoreRowSettings() {
  if (CurrentRow_ < 0 || CurrentRow_ >= static_cast<int>(Rows().size())) return;
  std::string& code = rows_->Row(CurrentRow_).ReminderRowCode;
  ReminderCode value = ReminderCode::Parse(code);
  value.Days = txtDays_->value();
  value.Hours = txtHours_->value();
  value.Minutes = txtMins_->value() / 10 * 10;
  code = value.ToField();
}

void frmReminders::SettingChanged() {
  if (filling_ || CurrentRow_ < 0) return;
  RowSettingsChanged_ = true;
  UpdateApplyButton();
  StoreRowSettings();
}

void frmReminders::ClickRow(int row) {
  if (row < 0 || row >= rows_->rowCount()) return;
  lvwReminders_->setCurrentIndex(rows_->index(row));
}

void frmReminders::RowClicked(int row) {
  if (row == CurrentRow_ || row < 0) return;
  CurrentRow_ = row;
  if (PreviousRow_ >= 0 && PreviousRow_ != CurrentRow_ && RowIsChecked(PreviousRow_) && AllSettingsZero()) {
    ShowFrequencyError();
    return;
  }
  EnableSettings(RowIsChecked(CurrentRow_));
  ShowReminderDetails();
}

void frmReminders::RowCheckClicked(int row, bool checked) {
  if (row >= 0 && row < static_cast<int>(Rows().size()) && checked != Rows()[static_cast<std::size_t>(row)].RowChecked)
    CheckRow(row, checked);
}

void frmReminders::CheckRow(int row, bool checked) {
  if (row < 0 || row >= static_cast<int>(Rows().size())) return;
  if (row != CurrentRow_) {
    // A click on another row's box selects that row as a click on its text would. When the row
    // left behind may not be left (checked with nothing set), the new mark is not taken: it
    // would stand for a reminder that no setting of the dialog could ever reach.
    ClickRow(row);
    if (CurrentRow_ != row) return;
  }
  rows_->SetChecked(row, checked);
  RowSettingsChanged_ = true;
  UpdateApplyButton();
  CheckedRowCount_ = std::max(0, CheckedRowCount_ + (checked ? 1 : -1));
  lblReminderNum_->setText(QString::number(CheckedRowCount_));
  EnableSettings(checked);
  ShowReminderDetails();
}

bool frmReminders::AllSettingsZero() const {
  // Minutes count in tens, as they are stored: a box still showing 5 sets no reminder.
  return txtDays_->value() == 0 && txtHours_->value() == 0 && txtMins_->value() / 10 == 0;
}

void frmReminders::ShowFrequencyError() {
  const std::string rule(85, '-');
  std::string text = "Sorry, unable to apply this Reminder since the Frequency Setting is\r\n"
                     "not allowed. It cannot have all zeroes if you are going to enable it.\r\n\r\n";
  text += rule + std::string(kWidenLine) + "\r\n";
  text += "Your Setting: Days= " + txtDays_->text().toStdString() + "   Hours= " + txtHours_->text().toStdString() +
          "   Minutes= " + txtMins_->text().toStdString() + "\r\n";
  std::string about = lblReminderText_->text().toStdString();
  for (std::size_t at = about.find('\n'); at != std::string::npos; at = about.find('\n', at + 2)) about.insert(at, "\r");
  text += "For: " + about + "\r\n" + rule + "\r\n\r\nYou must change the Frequency Setting or remove the Check.\r\n\r\n";
  Inform(AppTitle() + " - Reminder Frequency Error", text);
  EnableSettings();
  CurrentRow_ = PreviousRow_;
  SelectRow(PreviousRow_);
  lvwReminders_->setFocus(Qt::OtherFocusReason);
}

// ------------------------------------------------------------------------------------ on/off, buttons

void frmReminders::optReminder_Click(int index) {
  OnOffChanged_ = true;
  UpdateApplyButton();
  ChosenReminders_ = index == 1 ? 1 : 0;
  const bool on = ChosenReminders_ == 1;
  fraReminders_->setEnabled(on);
  fraSettings_->setEnabled(on);
  lvwReminders_->setEnabled(on);
  imgBall_[0]->setVisible(on);
  imgBall_[1]->setVisible(!on);
  // The day menu's lead times follow the choice once it is applied, not before: Cancel must leave
  // them as they are.
}

void frmReminders::UpdateApplyButton() { cmdApply_->setEnabled(OnOffChanged_ || RowSettingsChanged_); }

void frmReminders::EnableSettings(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{txtDays_, txtHours_, txtMins_, cboSound_, cmdTestSound_})
    w->setEnabled(enabled);
}

void frmReminders::cmdTestSound_Click() {
  if (CurrentRow_ < 0) return;
  const ReminderCode code = ReminderCode::Parse(rows_->Row(CurrentRow_).ReminderRowCode);
  PlayReminderSound(code.Sound, app_.Sounds);
}

void frmReminders::cmdApply_Click() {
  if (CurrentRow_ >= 0 && RowIsChecked(CurrentRow_) && AllSettingsZero()) {
    ShowFrequencyError();
    return;
  }
  ApplyReminders();
}

void frmReminders::cmdOK_Click() {
  if (CurrentRow_ >= 0 && RowIsChecked(CurrentRow_) && AllSettingsZero()) {
    ShowFrequencyError();
    return;
  }
  if (ApplyReminders()) accept();
}

void frmReminders::cmdCancel_Click() { reject(); }

bool frmReminders::ApplyReminders() {
  AppContext& app = app_;
  if (OnOffChanged_) {
    if (ChosenReminders_ == 1) {
      main_.mnuQuickReminderOn_Click();
    } else {
      main_.mnuQuickReminderOff_Click();
    }
  }
  if (RowSettingsChanged_) {
    EventStore& events = app.events;
    const EventLines before = events.EventRecords;
    const int countBefore = events.EventCount;
    if (ApplyReminderRows(events, Rows()) > 0) {
      if (const StoreResult saved = SaveEvents(events); !saved) {
        // Nothing reached the file: the table goes back to it, and the dialog stays open with the
        // user's choices so that they can try again.
        events.EventRecords = before;
        events.EventCount = countBefore;
        AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle() + " - Events File",
                               saved.error + std::string(kWidenLine) + "\r\n\r\n");
        return false;
      }
      main_.EventsChanged(false);
      UpdateListView();
    }
    if (app.reminders.ReminderCount() == 0) {
      const std::string ten(kWidenLine);
      Inform(AppTitle(), "There are no Reminders set for any of" + ten + "\r\nyour Events. If you would like to be" + ten +
                             "\r\nreminded of an Event it must be Checked" + ten +
                             "\r\nand have at least 1 non-zero setting.\r\n\r\n");
    }
  }
  OnOffChanged_ = false;
  RowSettingsChanged_ = false;
  UpdateApplyButton();
  return true;
}

// ------------------------------------------------------------------------------------ window

bool frmReminders::eventFilter(QObject* watched, QEvent* event) {
  // Another window taking the focus (a message box, another program) is no leaving of the list.
  if (watched == lvwReminders_ && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    // Leaving the list checks the row left, except for Cancel, for the row's own settings, and for
    // OK and Apply, which check it themselves when pressed.
    QWidget* next = QApplication::focusWidget();
    const bool exempt = next && (next == cmdCancel_ || next == cmdOK_ || next == cmdApply_ ||
                                 fraSettings_->isAncestorOf(next));
    if (!exempt && CurrentRow_ >= 0 && RowIsChecked(CurrentRow_) && AllSettingsZero() && isVisible())
      ShowFrequencyError();
  }
  return QDialog::eventFilter(watched, event);
}

void frmReminders::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  if (app_.reminders.ReminderCount() != 0 && !Rows().empty() && lvwReminders_->isEnabled()) {
    lvwReminders_->setFocus(Qt::OtherFocusReason);
    if (CurrentRow_ == 0 && RowIsChecked(0)) EnableSettings();
  }
}

void frmReminders::done(int result) {
  app_.RemindersDialogOpen = false;
  QDialog::done(result);
}

// ------------------------------------------------------------------------------------ opening

frmReminders* OpenRemindersDialog() { return openDialog.data(); }

void OpenReminders(frmMain& main, bool modal) {
  if (openDialog) {
    openDialog->show();
    openDialog->raise();
    openDialog->activateWindow();
    return;
  }
  auto* dialog = new frmReminders(main, &main);
  dialog->setWindowFlag(Qt::Dialog);
  openDialog = dialog;
  if (!modal) {
    dialog->show();
    return;
  }
  dialog->adjustSize();
  CentreOnScreen(*dialog);
  dialog->exec();
}

}  // namespace orlevant
