#include "preferences/format_tab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/clock.h"
#include "core/preference_tables.h"
#include "platform/date_format.h"
#include "platform/qt/bgr_colour.h"
#include "platform/qt/display_text.h"
#include "preferences/settings_tab.h"

namespace orlevant {
namespace {

// The widest the title's preview grows, in pixels.
constexpr int kWidestTitlePreview = 600;

void PaintBack(QLabel* label, std::uint32_t bgr) {
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, ColourFromBgr(bgr));
  label->setPalette(pal);
}

}  // namespace

FormatTab::FormatTab(QWidget* parent) : PreferencesTab(parent) {
  auto* fraFormatDate = new QGroupBox(QStringLiteral("Date/Time Format"), this);
  fraFormatDate->setObjectName(QStringLiteral("fraFormatDate"));
  auto* date = new QGridLayout(fraFormatDate);
  cboDateFormat_ = new QComboBox(fraFormatDate);
  cboDateFormat_->setObjectName(QStringLiteral("cboDateFormat"));
  auto* dateCaption = new QLabel(QStringLiteral("&Date:"), fraFormatDate);
  dateCaption->setBuddy(cboDateFormat_);
  chkTime_ = new QCheckBox(QStringLiteral("Time Format:"), fraFormatDate);
  chkTime_->setObjectName(QStringLiteral("chkTime"));
  cboTimeFormat_ = new QComboBox(fraFormatDate);
  cboTimeFormat_->setObjectName(QStringLiteral("cboTimeFormat"));
  lblTitle_ = new QLabel(fraFormatDate);
  lblTitle_->setObjectName(QStringLiteral("lblTitle"));
  lblTitle_->setTextFormat(Qt::PlainText);
  lblTitle_->setAlignment(Qt::AlignCenter);
  lblTitle_->setAutoFillBackground(true);
  lblTitle_->setFrameShape(QFrame::Box);
  lblTitle_->setMinimumHeight(28);
  date->addWidget(dateCaption, 0, 0);
  date->addWidget(cboDateFormat_, 0, 1);
  date->addWidget(chkTime_, 1, 0);
  date->addWidget(cboTimeFormat_, 1, 1);
  date->addWidget(lblTitle_, 2, 0, 1, 2);

  connect(cboDateFormat_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    emit Edited();
    WorkDateFormat_ = ChosenEntry(*cboDateFormat_);
    ShowTitlePreview();
  });
  connect(cboTimeFormat_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    emit Edited();
    WorkTimeFormat_ = ChosenEntry(*cboTimeFormat_);
    ShowTitlePreview();
  });
  connect(chkTime_, &QCheckBox::toggled, this, [this](bool on) {
    emit Edited();
    cboTimeFormat_->setEnabled(on);
    ShowTitlePreview();
  });

  auto* fraFormatWeekDay = new QGroupBox(QStringLiteral("Weekday Format"), this);
  fraFormatWeekDay->setObjectName(QStringLiteral("fraFormatWeekDay"));
  auto* week = new QGridLayout(fraFormatWeekDay);
  auto* lengths = new QButtonGroup(this);
  const char* lengthCaptions[] = {"Single Letter Name", "Three Letter Name", "Full Name"};
  for (int i = 0; i < 3; ++i) {
    auto* opt = new QRadioButton(QString::fromLatin1(lengthCaptions[i]), fraFormatWeekDay);
    opt->setObjectName(QStringLiteral("optWeekDay%1").arg(i));
    optWeekDay_[static_cast<std::size_t>(i)] = opt;
    lengths->addButton(opt, i);
    week->addWidget(opt, i, 0, 1, 3);
  }
  connect(lengths, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (!on) return;
    emit Edited();
    WorkWeekDayLength_ = id;
    ShowWeekDayPreview();
  });
  cboFirstDay_ = new QComboBox(fraFormatWeekDay);
  cboFirstDay_->setObjectName(QStringLiteral("cboFirstDay"));
  for (const char* day : {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
    cboFirstDay_->addItem(QString::fromLatin1(day));
  cboFirstDay_->setCurrentIndex(-1);
  auto* firstCaption = new QLabel(QStringLiteral("&First Day of Week:"), fraFormatWeekDay);
  firstCaption->setBuddy(cboFirstDay_);
  week->addWidget(firstCaption, 3, 0);
  week->addWidget(cboFirstDay_, 3, 1, 1, 2);
  connect(cboFirstDay_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    emit Edited();
    WorkFirstDay_ = index + 1;
    ShowWeekDayPreview();
  });
  auto* names = new QHBoxLayout;
  names->setSpacing(1);
  for (std::size_t i = 0; i < lblWeekDay_.size(); ++i) {
    lblWeekDay_[i] = new QLabel(fraFormatWeekDay);
    lblWeekDay_[i]->setObjectName(QStringLiteral("lblWeekDay%1").arg(i));
    lblWeekDay_[i]->setTextFormat(Qt::PlainText);
    lblWeekDay_[i]->setAlignment(Qt::AlignCenter);
    lblWeekDay_[i]->setAutoFillBackground(true);
    lblWeekDay_[i]->setFrameShape(QFrame::Box);
    lblWeekDay_[i]->setMinimumWidth(44);
    names->addWidget(lblWeekDay_[i]);
  }
  week->addLayout(names, 4, 0, 1, 3);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fraFormatDate);
  layout->addWidget(fraFormatWeekDay);
  layout->addStretch();
}

void FormatTab::Load(const Settings& s) {
  committed_ = s;
  WorkFirstDay_ = s.FirstDay;
  WorkWeekDayLength_ = s.WeekDayLength;
  // A stored pattern that no list entry names is shown as an entry of its own and kept.
  WorkDateFormat_ = s.DateFormat.empty() ? Settings{}.DateFormat : s.DateFormat;
  WorkTimeFormat_ = s.TimeFormat.empty() ? Settings{}.TimeFormat : s.TimeFormat;
  FillList(cboDateFormat_, ListWithStored(kDateFormats, WorkDateFormat_));
  FillList(cboTimeFormat_, ListWithStored(kTimeFormats, WorkTimeFormat_));
  cboFirstDay_->setCurrentIndex(WorkFirstDay_ - 1);
  SetFlag(chkTime_, s.ShowTime);
  cboTimeFormat_->setEnabled(chkTime_->isChecked());
  if (s.WeekDayLength >= 0 && s.WeekDayLength <= 2)
    optWeekDay_[static_cast<std::size_t>(s.WeekDayLength)]->setChecked(true);
  ShowTitlePreview();
  ShowWeekDayPreview();
}

void FormatTab::Apply(Settings& s) const {
  s.DateFormat = WorkDateFormat_;
  s.TimeFormat = WorkTimeFormat_;
  s.ShowTime = FlagOf(chkTime_);
  s.WeekDayLength = WorkWeekDayLength_;
  s.FirstDay = WorkFirstDay_;
}

void FormatTab::Committed(const Settings& s) {
  committed_ = s;
  ShowTitlePreview();
  ShowWeekDayPreview();
}

void FormatTab::ShowTitlePreview() {
  PaintBack(lblTitle_, committed_.BackGroundDate);
  QPalette pal = lblTitle_->palette();
  pal.setColor(QPalette::WindowText, ColourFromBgr(committed_.ForeGroundDate));
  lblTitle_->setPalette(pal);
  const std::string pattern = TitlePreviewPattern(chkTime_->isChecked(), WorkDateFormat_, WorkTimeFormat_);
  // A title of any length (a format written by hand) shows what fits the page's width.
  const QString title = DisplayPart(FormatDate(AppClock().Now(), pattern));
  lblTitle_->setText(lblTitle_->fontMetrics().elidedText(title, Qt::ElideRight, kWidestTitlePreview));
}

void FormatTab::ShowWeekDayPreview() {
  const auto names = WeekdayPreview(WorkFirstDay_, WorkWeekDayLength_);
  if (!names) return;
  for (std::size_t i = 0; i < lblWeekDay_.size(); ++i) {
    lblWeekDay_[i]->setText(QString::fromStdString((*names)[i]));
    PaintBack(lblWeekDay_[i], committed_.BackGroundWeek);
  }
}

}  // namespace orlevant
