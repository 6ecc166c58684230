#include "entry/frm_data_entry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/message_box.h"
#include "core/settings.h"
#include "core/shown_text.h"
#include "mainwindow/app_context.h"
#include "platform/date_format.h"
#include "platform/qt/display_text.h"
#include "platform/qt/fixed_dialog_frame.h"
#include "platform/qt/plain_label.h"

namespace orlevant {

namespace {

constexpr std::string_view kCrLf = "\r\n";
const char* const kRowCaptions[kEntryRowCount] = {"Today Only:", "Weekly:", "Monthly:", "Quarterly:", "Yearly:"};
const char* const kRowNames[kEntryRowCount] = {"Today", "Weekly", "Monthly", "Quarterly", "Yearly"};
constexpr const char* kBlue = "color: #0000ff;";  // &HFF0000
constexpr const char* kBlack = "color: #000000;";

// The red arrow beside a row with conflicting events, drawn here.
QPixmap RedArrow() {
  QPixmap pixmap(18, 18);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(1, 6);
  arrow.lineTo(9, 6);
  arrow.lineTo(9, 1);
  arrow.lineTo(17, 9);
  arrow.lineTo(9, 17);
  arrow.lineTo(9, 12);
  arrow.lineTo(1, 12);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(120, 0, 0), 1));
  p.setBrush(QColor(220, 20, 20));
  p.drawPath(arrow);
  return pixmap;
}

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The most characters a row takes from the keyboard, a paste or a drop: as many as a window shows of
// one line.
constexpr qsizetype kMostTypedCharacters = kShownLineLength;

// A row's text box. Typing stops at its most characters, and a paste or a drop brings what fits: a
// pasted word of megabytes would otherwise hold the dialog for minutes while it is laid out, and no
// window could show it. A stored text already longer than that may be changed but not lengthened.
class RowTextBox final : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

  void SetMostCharacters(qsizetype most) { most_ = most; }
  // Puts `text` in place of the selection, as much of it as fits.
  void Type(QString text) {
    if (text.size() > Room()) {
      text.truncate(std::max<qsizetype>(0, Room()));
      if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
    }
    if (!text.isEmpty()) insertPlainText(text);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() && typed.size() > Room()) {
      event->accept();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }
  void insertFromMimeData(const QMimeData* source) override {
    if (source->hasText() && !isReadOnly()) Type(source->text());
  }

 private:
  // How many more characters the box takes in place of its selection.
  qsizetype Room() const {
    return most_ - (document()->characterCount() - 1) + textCursor().selectedText().size();
  }

  qsizetype most_ = kMostTypedCharacters;
};

std::string Named(const char* what, int r) { return std::string(what) + "_" + std::to_string(r); }

}  // namespace

frmDataEntry::frmDataEntry(AppContext& app, int box, QWidget* parent)
    : QDialog(parent),
      app_(app),
      box_(box),
      clickedDay_(DateSerial(YearOf(app.month.ShownMonthDate), MonthOf(app.month.ShownMonthDate),
                             app.month.DayOfBox(box))),
      rows_(clickedDay_) {
  setObjectName(QStringLiteral("frmDataEntry"));
  setModal(true);
  CreateControls();
  UseFixedDialogFrame(*this);
  Form_Load();
}

frmDataEntry::~frmDataEntry() = default;

void frmDataEntry::CreateControls() {
  lblDate = PlainLabel(this, QString());
  lblDate->setObjectName(QStringLiteral("lblDate"));
  QFont dateFont = lblDate->font();
  dateFont.setBold(true);
  dateFont.setPointSizeF(dateFont.pointSizeF() * 1.2);
  lblDate->setFont(dateFont);
  lblTime = PlainLabel(this, QString());
  lblTime->setObjectName(QStringLiteral("lblTime"));

  auto* today = new QGridLayout;
  fraRecurringEvents = new QGroupBox(QStringLiteral("Recurring Events"), this);
  fraRecurringEvents->setObjectName(QStringLiteral("fraRecurringEvents"));
  auto* recurring = new QGridLayout(fraRecurringEvents);

  for (int r = 0; r < kEntryRowCount; ++r) {
    QWidget* owner = r == kRowToday ? static_cast<QWidget*>(this) : fraRecurringEvents;
    QGridLayout* grid = r == kRowToday ? today : recurring;
    const int line = r == kRowToday ? 0 : (r - 1) * 2;

    lblEvent[r] = PlainLabel(owner, QString::fromLatin1(kRowCaptions[r]));
    lblEvent[r]->setObjectName(QString::fromStdString(Named("lblEvent", r)));
    lblEvent[r]->setStyleSheet(QString::fromLatin1(kBlack));
    lblEvent[r]->setMinimumWidth(80);
    txtEvent[r] = new RowTextBox(owner);
    txtEvent[r]->setObjectName(QString::fromStdString(Named("txtEvent", r)));
    txtEvent[r]->setTabChangesFocus(true);
    txtEvent[r]->setMinimumWidth(360);
    txtEvent[r]->setFixedHeight(txtEvent[r]->fontMetrics().lineSpacing() * 3 + 12);
    txtEvent[r]->setAccessibleName(QString::fromLatin1(kRowNames[r]));
    txtEvent[r]->installEventFilter(this);
    connect(txtEvent[r], &QPlainTextEdit::textChanged, this, [this, r] { txtEvent_Change(r); });
    lblEvent[r]->setBuddy(txtEvent[r]);

    grid->addWidget(lblEvent[r], line, 1, Qt::AlignTop);
    grid->addWidget(txtEvent[r], line, 2);
    if (r == kRowToday) continue;

    imgRedArrow[r] = new QLabel(owner);
    imgRedArrow[r]->setObjectName(QString::fromStdString(Named("imgRedArrow", r)));
    imgRedArrow[r]->setPixmap(RedArrow());
    imgRedArrow[r]->setFixedSize(18, 18);
    imgRedArrow[r]->setToolTip(QStringLiteral(" Left Click to View or Right Click to Swap the Conflicting Event "));
    imgRedArrow[r]->setCursor(Qt::PointingHandCursor);
    imgRedArrow[r]->installEventFilter(this);
    imgRedArrow[r]->hide();
    // The row keeps its place whether the arrow shows or not.
    QSizePolicy keep = imgRedArrow[r]->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    imgRedArrow[r]->setSizePolicy(keep);
    grid->addWidget(imgRedArrow[r], line, 0, Qt::AlignTop);

    fraEvent[r] = new QFrame(owner);
    fraEvent[r]->setObjectName(QString::fromStdString(Named("fraEvent", r)));
    auto* options = new QHBoxLayout(fraEvent[r]);
    options->setContentsMargins(0, 0, 0, 0);
    optEventA[r] = new QRadioButton(fraEvent[r]);
    optEventA[r]->setObjectName(QString::fromStdString(Named("optEventA", r)));
    optEventB[r] = new QRadioButton(fraEvent[r]);
    optEventB[r]->setObjectName(QString::fromStdString(Named("optEventB", r)));
    cboEvent[r] = new QComboBox(fraEvent[r]);
    cboEvent[r]->setObjectName(QString::fromStdString(Named("cboEvent", r)));
    for (int i = 0; i < ListItemCount(r); ++i) cboEvent[r]->addItem(Q(ListItemText(r, i)));
    lblEventB[r] = PlainLabel(fraEvent[r], QString());
    lblEventB[r]->setObjectName(QString::fromStdString(Named("lblEventB", r)));
    options->addWidget(optEventA[r]);
    options->addSpacing(12);
    options->addWidget(optEventB[r]);
    options->addWidget(cboEvent[r]);
    options->addWidget(lblEventB[r], 1);
    grid->addWidget(fraEvent[r], line + 1, 2);

    connect(optEventA[r], &QRadioButton::clicked, this, [this, r] { optEventA_Click(r); });
    connect(optEventB[r], &QRadioButton::clicked, this, [this, r] { optEventB_Click(r); });
    connect(cboEvent[r], &QComboBox::activated, this, [this, r] { cboEvent_Click(r); });
  }

  chkShowConflictingEventsMsg = new QCheckBox(QStringLiteral("Show Conflicting Events Message"), this);
  chkShowConflictingEventsMsg->setObjectName(QStringLiteral("chkShowConflictingEventsMsg"));
  Label5 = PlainLabel(this, QStringLiteral("Maximum: 50 characters per line"));
  Label5->setObjectName(QStringLiteral("Label5"));
  Label6 = PlainLabel(this, QStringLiteral("Pressing Enter is same as clicking OK"));
  Label6->setObjectName(QStringLiteral("Label6"));
  Label7 = PlainLabel(this, QStringLiteral("Note: Deleting Events will cause Reminders to start over."));
  Label7->setObjectName(QStringLiteral("Label7"));

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdClearAll = new QPushButton(QStringLiteral("Clear All"), this);
  cmdClearAll->setObjectName(QStringLiteral("cmdClearAll"));
  // Enter belongs to the text boxes; no button takes it.
  for (QPushButton* b : {cmdOK, cmdCancel, cmdClearAll}) b->setAutoDefault(false);
  connect(cmdOK, &QPushButton::clicked, this, &frmDataEntry::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmDataEntry::cmdCancel_Click);
  connect(cmdClearAll, &QPushButton::clicked, this, &frmDataEntry::cmdClearAll_Click);

  auto* hints = new QVBoxLayout;
  hints->addWidget(Label5);
  hints->addWidget(Label6);
  hints->addWidget(Label7);
  hints->addWidget(chkShowConflictingEventsMsg);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  buttons->addWidget(cmdClearAll);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(hints, 1);
  bottom->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblDate);
  layout->addWidget(lblTime);
  layout->addLayout(today);
  layout->addWidget(fraRecurringEvents);
  layout->addLayout(bottom);
  // The today row lines up with the recurring rows inside their frame.
  today->setColumnMinimumWidth(0, 18);
  today->setContentsMargins(recurring->contentsMargins().left(), 0, recurring->contentsMargins().right(), 0);
}

std::string frmDataEntry::DayText() const {
  const DateTime day{clickedDay_, 0, 0, 0};
  constexpr std::string_view pattern = "dddd - mmmm d, yyyy";
  return app_.month.FormatDateAs(day, pattern);
}

void frmDataEntry::ShowCaptions() {
  lblDate->setText(DisplayText(DayText()));
  const DateTime now = AppClock().Now();
  const std::string& timeFormat = app_.settings.TimeFormat;
  lblTime->setText(DisplayPart(app_.month.FormatDateAs(now, timeFormat)));
  const LocaleNames& names = SystemLocaleNames();
  const auto weekday = static_cast<std::size_t>(WeekdayOf(clickedDay_) - 1);
  const auto month = static_cast<std::size_t>(MonthOf(clickedDay_) - 1);
  const EntryCaptions captions =
      BuildEntryCaptions(clickedDay_, names.weekdays[weekday], names.months[month], names.shortMonths);
  for (int r = kRowWeekly; r < kEntryRowCount; ++r) {
    optEventA[r]->setText(DisplayText(captions.optEventA[static_cast<std::size_t>(r)]));
    lblEventB[r]->setText(DisplayText(captions.lblEventB[static_cast<std::size_t>(r)]));
  }
}

void frmDataEntry::Form_Load() {
  Loading_ = true;
  setWindowTitle(Q(AppTitle() + " - Edit  "));
  chkShowConflictingEventsMsg->hide();
  chkShowConflictingEventsMsg->setChecked(app_.settings.ShowConflictingEventsMsg == 1);
  ShowCaptions();
  const EventStore& events = app_.events;
  cellText_ = app_.month.DayCellText(box_);
  rows_.Load(events.EventRecords, events.EventCount, cellText_,
             app_.month.BoxLines.at(static_cast<std::size_t>(box_)));
  for (int r = 0; r < kEntryRowCount; ++r) ShowRow(r);
  Loading_ = false;
}

void frmDataEntry::ShowRow(int r) {
  const bool wasLoading = Loading_;
  Loading_ = true;
  const EntryRow& row = rows_.Row(r);
  // A text longer than a window shows is shown cut and cannot be changed here; the rows keep it
  // whole, so OK writes every character back.
  const std::string shown = ShownPart(row.Shown.Text);
  const bool whole = shown == row.Shown.Text;
  const QString text = DisplayText(shown);
  auto* box = static_cast<RowTextBox*>(txtEvent[r]);
  box->setReadOnly(!whole);
  box->setToolTip(whole ? QString()
                        : QStringLiteral("This event's text is too long to change here. It is kept as it is."));
  box->SetMostCharacters(std::max(kMostTypedCharacters, text.size()));
  if (box->toPlainText() != text) {
    box->setPlainText(text);
    // The caret waits at the end, so that typing adds to the text rather than going before it.
    box->moveCursor(QTextCursor::End);
  }
  if (r != kRowToday) {
    cboEvent[r]->setCurrentIndex(row.Shown.ListIndex);
    (row.Shown.ByDate ? optEventA[r] : optEventB[r])->setChecked(true);
    imgRedArrow[r]->setVisible(row.HasConflict());
  }
  EnableEventRow(r, !row.Shown.Text.empty());
  Loading_ = wasLoading;
}

void frmDataEntry::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (activated_) return;
  activated_ = true;
  Form_Resize();
  // The warning comes up over the dialog, once it stands on the screen.
  QTimer::singleShot(0, this, &frmDataEntry::Form_Activate);
}

void frmDataEntry::Form_Activate() {
  const std::string list = rows_.ConflictList();
  if (list.empty()) return;
  chkShowConflictingEventsMsg->show();
  if (!chkShowConflictingEventsMsg->isChecked()) return;
  std::string text;
  text.append("The following Recurring Events have conflicting information. A red arrow will indicate these.")
      .append(kWidenLine).append(kCrLf)
      .append(list).append(kCrLf)
      .append("Example: A Monthly event where the Date falls on the same Weekday as another Monthly event.")
      .append(kWidenLine).append(kCrLf).append(kCrLf)
      .append("Orlevant cannot display both at the same time. To edit a conflicting event it must be displayed. To")
      .append(kWidenLine).append(kCrLf)
      .append("display and edit the non-visible event it must be swapped with the visible event.")
      .append(kWidenLine).append(kCrLf).append(kCrLf)
      .append("Left Click the red arrow to View the conflicting event.").append(kCrLf)
      .append("Right Click the red arrow to Swap the conflicting event.").append(kCrLf).append(kCrLf);
  AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, "Conflicting Events", text);
}

void frmDataEntry::Form_Resize() { txtEvent[kRowToday]->setFocus(Qt::OtherFocusReason); }

void frmDataEntry::txtEvent_Change(int index) {
  const QString text = txtEvent[index]->toPlainText();
  if (!Loading_) rows_.SetText(index, text.toStdString());
  EnableEventRow(index, !text.isEmpty());
}

void frmDataEntry::EnableEventRow(int row, bool enabled) {
  lblEvent[row]->setStyleSheet(QString::fromLatin1(enabled ? kBlue : kBlack));
  if (row == kRowToday) return;
  for (QWidget* w : {static_cast<QWidget*>(fraEvent[row]), static_cast<QWidget*>(optEventA[row]),
                     static_cast<QWidget*>(optEventB[row]), static_cast<QWidget*>(lblEventB[row])})
    w->setEnabled(enabled);
  cboEvent[row]->setEnabled(enabled && optEventB[row]->isChecked());
}

void frmDataEntry::optEventA_Click(int index) {
  if (Loading_) return;
  rows_.ChooseOptionA(index);
  cboEvent[index]->setEnabled(false);
}

void frmDataEntry::optEventB_Click(int index) {
  if (Loading_) return;
  rows_.ChooseOptionB(index, cboEvent[index]->currentIndex());
  cboEvent[index]->setEnabled(true);
}

void frmDataEntry::cboEvent_Click(int index) {
  if (Loading_) return;
  optEventB[index]->setChecked(true);
  optEventB_Click(index);
}

void frmDataEntry::imgRedArrow_MouseUp(int index, Qt::MouseButton button) {
  if (index <= kRowToday || index >= kEntryRowCount) return;
  if (button == Qt::LeftButton) {
    const std::string text = rows_.Row(index).Hidden().Text + std::string(kWidenLine) + "\r\n\r\n";
    AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, "Conflicting Event Text", text);
  } else if (button == Qt::RightButton) {
    rows_.Swap(index);
    ShowRow(index);
  }
  txtEvent[index]->setFocus(Qt::OtherFocusReason);
}

bool frmDataEntry::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    for (int r = 0; r < kEntryRowCount; ++r) {
      if (watched != txtEvent[r]) continue;
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
      // Shift+Enter or Ctrl+Enter types a line break; Enter alone is OK.
      if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (!txtEvent[r]->isReadOnly()) static_cast<RowTextBox*>(txtEvent[r])->Type(QStringLiteral("\n"));
      } else {
        cmdOK_Click();
      }
      return true;
    }
  }
  // Tab brings the caret to the end of a row's text, as the opening does; a click leaves it where
  // it was clicked.
  if (event->type() == QEvent::FocusIn) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    for (QPlainTextEdit* row : txtEvent) {
      if (watched == row && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
        row->moveCursor(QTextCursor::End);
    }
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int r = kRowWeekly; r < kEntryRowCount; ++r) {
      if (watched != imgRedArrow[r]) continue;
      imgRedArrow_MouseUp(r, static_cast<QMouseEvent*>(event)->button());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmDataEntry::cmdOK_Click() {
  const int show = chkShowConflictingEventsMsg->isChecked() ? 1 : 0;
  app_.settings.ShowConflictingEventsMsg = show;
  // A flag for a message: when it cannot be stored the dialog still does its work.
  (void)SaveSetting(app_.store, "ShowConflictingEventsMsg", show);

  const EntryRows::WriteResult result = rows_.Write(app_.events);
  using Outcome = EntryRows::WriteOutcome;
  switch (result.outcome) {
    case Outcome::Saved:
      saved_ = true;
      linesRemoved_ = result.linesRemoved;
      if (!result.error.empty()) {
        AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle(),
                               "Your events were saved, but the events file could not be read back." +
                                   std::string(kWidenLine) + "\r\n" + result.error + "\r\n\r\n");
      }
      accept();
      return;
    case Outcome::NothingChanged:
      if (!result.error.empty()) {
        AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle(),
                               "The events file could not be read." + std::string(kWidenLine) + "\r\n" +
                                   result.error + "\r\n\r\n");
      }
      accept();
      return;
    case Outcome::EntryError:
      AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, AppTitle(),
                             "Encountered an error in your entry!" + std::string(kWidenLine) +
                                 "\r\n\r\nYou probably typed an illegal character(s)." + std::string(kWidenLine) +
                                 "\r\nLegal characters are printable characters." + std::string(kWidenLine) +
                                 "\r\n\r\nPlease re-enter the information.\r\n\r\n");
      Form_Resize();
      return;
    case Outcome::TableFull:
      AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle(),
                             "The events file is full: it holds " + std::to_string(kMaxEventLines) +
                                 " events, the most it can keep." + std::string(kWidenLine) +
                                 "\r\n\r\nDelete some events before you add new ones. Nothing was changed.\r\n\r\n");
      return;
    case Outcome::SaveFailed:
      AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle(),
                             "Your events could not be saved." + std::string(kWidenLine) + "\r\n" + result.error +
                                 "\r\n\r\nNothing was changed. You can try again, or Cancel.\r\n\r\n");
      return;
  }
}

void frmDataEntry::cmdCancel_Click() { reject(); }

void frmDataEntry::cmdClearAll_Click() {
  if (app_.settings.ShowClearAllMsg == 1) {
    const std::string day = DayText();
    if (cellText_.empty()) {
      AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, AppTitle() + " - No Events!",
                             "There are no Events to Clear for" + std::string(kWidenLine) + "\r\n" + day + "." +
                                 std::string(kWidenLine) + "\r\n\r\n");
      return;
    }
    const MsgAnswer answer =
        AppMessageBoxes().Show(MsgIcon::Question, MsgButtons::YesNo, AppTitle() + " - Clear All Events!",
                               "You are about to Clear all the Events for" + std::string(kWidenLine) + "\r\n" + day +
                                   "." + std::string(kWidenLine) + "\r\n\r\nIs this what you want to do?\r\n\r\n");
    if (answer == MsgAnswer::No) return;
  }
  // Should the write fail, the rows come back as they were, so nothing typed is lost.
  const EntryRows before = rows_;
  rows_.ClearTexts();
  for (int r = 0; r < kEntryRowCount; ++r) ShowRow(r);
  cmdOK_Click();
  if (result() == QDialog::Accepted) return;
  rows_ = before;
  for (int r = 0; r < kEntryRowCount; ++r) ShowRow(r);
}

}  // namespace orlevant
