#include "reminders/frm_reminder_msg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message_box.h"
#include "mainwindow/app_context.h"
#include "mainwindow/day_text_label.h"
#include "platform/date_format.h"
#include "platform/locale_forms.h"
#include "platform/qt/display_text.h"
#include "platform/qt/fixed_dialog_frame.h"
#include "platform/qt/plain_label.h"
#include "reminders/reminder_sound.h"

namespace orlevant {

namespace {

// The green check beside the line of the alert that came.
QPixmap GreenCheck() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(0x1E, 0xA0, 0x3C), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
  return pixmap;
}

// A bell, the window's own picture.
QPixmap Bell() {
  QPixmap pixmap(40, 40);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x8A, 0x64, 0x10), 1.5));
  p.setBrush(QColor(0xF2, 0xC2, 0x3A));
  QPainterPath bell;
  bell.moveTo(20, 5);
  bell.cubicTo(10, 5, 11, 18, 9, 25);
  bell.lineTo(6, 30);
  bell.lineTo(34, 30);
  bell.lineTo(31, 25);
  bell.cubicTo(29, 18, 30, 5, 20, 5);
  p.drawPath(bell);
  p.drawEllipse(QPointF(20, 33), 3.5, 3.5);
  p.drawEllipse(QPointF(20, 4), 2, 2);
  return pixmap;
}

std::string Format(const AppContext& app, const DateTime& when, std::string_view pattern) {
  return app.month.FormatDateAs(when, pattern);
}

}  // namespace

frmReminderMsg::frmReminderMsg(const AppContext& app, const DueReminder& due, QWidget* parent)
    : QDialog(parent), app_(app), due_(due) {
  setObjectName(QStringLiteral("frmReminderMsg"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromStdString(AppTitle() + " - Reminder Message  "));
  const DueReminder& r = due_;
  const Settings& s = app.settings;

  Frame1_ = new QGroupBox(QStringLiteral("Reminder Message about..."), this);
  Frame1_->setObjectName(QStringLiteral("Frame1"));
  lblMsg_ = NewEventTextLabel(Frame1_, "lblMsg");
  lblMsg_->setText(DisplayPart(r.ReminderText()));
  QFont big = lblMsg_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.2);
  lblMsg_->setFont(big);
  const DateTime now = AppClock().Now();
  const std::string date = r.ReminderDate ? Format(app, DateTime{*r.ReminderDate, 0, 0, 0}, s.DateFormat) : std::string();
  lblDate_ = PlainLabel(Frame1_, "lblDate", DisplayPart(date));
  lblNow_ = PlainLabel(Frame1_, "lblNow", DisplayPart(Format(app, now, s.DateFormat) + "    " + Format(app, now, s.TimeFormat)));
  // The start in the locale's general form: the time alone while the program runs on the day it
  // started; after that the time alone would not say which day.
  const std::string started = FormatGeneralDate(app.StartTime, app.StartTime.date != now.date, SystemLocaleNames());
  lblStartDate_ = PlainLabel(Frame1_, "lblStartDate", DisplayText(started));

  auto* about = new QGridLayout(Frame1_);
  about->addWidget(lblMsg_, 0, 0, 1, 2);
  about->addWidget(PlainLabel(Frame1_, "Label1", QStringLiteral("on")), 1, 0);
  about->addWidget(lblDate_, 1, 1);
  about->addWidget(PlainLabel(Frame1_, "Label6", QStringLiteral("Date:")), 2, 0);
  about->addWidget(lblNow_, 2, 1);
  about->addWidget(PlainLabel(Frame1_, "Label9", QString::fromStdString(ProductTitle() + " Started at:")), 3, 0);
  about->addWidget(lblStartDate_, 3, 1);
  about->setColumnStretch(1, 1);

  Frame2_ = new QGroupBox(QStringLiteral("Reminder Setting"), this);
  Frame2_->setObjectName(QStringLiteral("Frame2"));
  lblDaysBefore_ = PlainLabel(Frame2_, "lblDaysBefore", QString::number(r.ReminderDays.count()));
  lblHours_ = PlainLabel(Frame2_, "lblHours", QString::number(r.ReminderHours.count()));
  lblMins_ = PlainLabel(Frame2_, "lblMins", QString::number(r.ReminderMinutes.count()));
  const QPixmap check = GreenCheck();
  for (std::size_t i = 0; i < imgCheckGreen_.size(); ++i) {
    imgCheckGreen_[i] = new QLabel(Frame2_);
    imgCheckGreen_[i]->setObjectName(QStringLiteral("imgCheckGreen"));
    imgCheckGreen_[i]->setPixmap(check);
    imgCheckGreen_[i]->setFixedSize(check.size());
    // Hidden checks keep their room, so the three lines stay aligned.
    QSizePolicy keep = imgCheckGreen_[i]->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    imgCheckGreen_[i]->setSizePolicy(keep);
    imgCheckGreen_[i]->setVisible(static_cast<int>(i) == static_cast<int>(due_.kind));
  }
  auto* setting = new QGridLayout(Frame2_);
  const struct {
    const char *lead, *leadName;
    QLabel* value;
    const char *unit, *unitName;
  } rows[] = {{"Remind Daily:", "Label8", lblDaysBefore_, "Days Before Event", "Label2"},
              {"Remind Every:", "Label3", lblHours_, "Hour(s)", "Label4"},
              {"Remind Every:", "Label7", lblMins_, "Minute(s)", "Label5"}};
  for (int i = 0; i < 3; ++i) {
    setting->addWidget(PlainLabel(Frame2_, rows[i].leadName, QString::fromLatin1(rows[i].lead)), i, 0);
    rows[i].value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setting->addWidget(rows[i].value, i, 1);
    setting->addWidget(PlainLabel(Frame2_, rows[i].unitName, QString::fromLatin1(rows[i].unit)), i, 2);
    setting->addWidget(imgCheckGreen_[static_cast<std::size_t>(i)], i, 3);
  }
  setting->setColumnStretch(4, 1);

  Image1_ = new QLabel(this);
  Image1_->setObjectName(QStringLiteral("Image1"));
  Image1_->setPixmap(Bell());
  Image1_->setAlignment(Qt::AlignTop);

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &frmReminderMsg::cmdOK_Click);

  auto* top = new QHBoxLayout;
  top->addWidget(Image1_);
  auto* frames = new QVBoxLayout;
  frames->addWidget(Frame1_);
  frames->addWidget(Frame2_);
  top->addLayout(frames, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  setMinimumWidth(380);
  UseFixedDialogFrame(*this);
}

void frmReminderMsg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (soundPlayed_) return;
  soundPlayed_ = true;
  PlayReminderSound(due_.ReminderSound, app_.Sounds);
}

void frmReminderMsg::cmdOK_Click() { accept(); }

}  // namespace orlevant
