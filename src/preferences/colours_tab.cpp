#include "preferences/colours_tab.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message_box.h"
#include "platform/qt/bgr_colour.h"
#include "preferences/colour_box.h"
#include "preferences/settings_tab.h"

namespace orlevant {
namespace {

const std::string kWiden(kWidenLine);

std::size_t At(int i) { return static_cast<std::size_t>(i); }

}  // namespace

std::uint32_t ChooseColour(const PreferencesServices& services, std::uint32_t start, QWidget* parent) {
  if (services.chooseColour) return services.chooseColour(start, parent).value_or(start);
  const QColor chosen = QColorDialog::getColor(ColourFromBgr(start), parent);
  return chosen.isValid() ? BgrFromColour(chosen) : start;
}

std::string ColoursTab::SchemeLockMessage() {
  return std::string("You are using Colour Schemes!") + kWiden + "\r\n\r\n" +
         "If you want to change Font Colours or Background Colours" + kWiden + "\r\n" +
         "then you must Uncheck the box Use Colour Schemes.\r\n\r\n";
}

std::string ColoursTab::BlankRefusalMessage() {
  return std::string("Changing the Fore Colour for") + kWiden + "\r\n" + "a Blank entry is not allowed." + kWiden +
         "\r\n\r\n";
}

std::string ColoursTab::RestoreQuestion() {
  return std::string("Be Careful!!\r\n\r\n") +
         "This operation will restore all Foreground and Background Colour Defaults." + kWiden + "\r\n\r\n" +
         "It is NOT reversible if you click OK.\r\n\r\n";
}

ColoursTab::ColoursTab(const PreferencesServices& services, QWidget* parent)
    : PreferencesTab(parent), services_(services) {
  auto* fraColour = new QGroupBox(QStringLiteral("Font and Background Preview"), this);
  fraColour->setObjectName(QStringLiteral("fraColour"));
  auto* grid = new QGridLayout(fraColour);
  grid->setSpacing(1);
  lblPrev_ = new ColourBox(QStringLiteral("<"), fraColour);
  lblDate_ = new ColourBox(QStringLiteral("Title (Shows the Date)"), fraColour);
  lblNext_ = new ColourBox(QStringLiteral(">"), fraColour);
  lblPrev_->setObjectName(QStringLiteral("lblPrev"));
  lblDate_->setObjectName(QStringLiteral("lblDate"));
  lblNext_->setObjectName(QStringLiteral("lblNext"));
  grid->addWidget(lblPrev_, 0, 0);
  grid->addWidget(lblDate_, 0, 1, 1, 5);
  grid->addWidget(lblNext_, 0, 6);
  connect(lblDate_, &ColourBox::Released, this, [this](Qt::MouseButton b) { PreviewBox_MouseUp(PreviewBox::Date, 0, b); });
  connect(lblPrev_, &ColourBox::Released, this, [this](Qt::MouseButton b) { PreviewBox_MouseUp(PreviewBox::Prev, 0, b); });
  connect(lblNext_, &ColourBox::Released, this, [this](Qt::MouseButton b) { PreviewBox_MouseUp(PreviewBox::Next, 0, b); });
  const char* weekCaptions[] = {"S", "M", "T", "W", "T", "F", "S"};
  const char* dayCaptions[] = {"31", "1", "2", "3", "4", "5", "6"};
  const char* dataCaptions[] = {"  Not Used", "   Blank", "  Has    Entry", "   Blank", "  Today", "   Blank", "   Blank"};
  for (int i = 0; i < 7; ++i) {
    lblWeek_[At(i)] = new ColourBox(QString::fromLatin1(weekCaptions[i]), fraColour);
    lblWeek_[At(i)]->setObjectName(QStringLiteral("lblWeek%1").arg(i));
    lblDay_[At(i)] = new ColourBox(QString::fromLatin1(dayCaptions[i]), fraColour);
    lblDay_[At(i)]->setObjectName(QStringLiteral("lblDay%1").arg(i));
    lblDay_[At(i)]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblData_[At(i)] = new ColourBox(QString::fromLatin1(dataCaptions[i]), fraColour);
    lblData_[At(i)]->setObjectName(QStringLiteral("lblData%1").arg(i));
    lblData_[At(i)]->setWordWrap(true);
    lblData_[At(i)]->setMinimumSize(64, 48);
    grid->addWidget(lblWeek_[At(i)], 1, i);
    grid->addWidget(lblDay_[At(i)], 2, i);
    grid->addWidget(lblData_[At(i)], 3, i);
    connect(lblWeek_[At(i)], &ColourBox::Released, this,
            [this, i](Qt::MouseButton b) { PreviewBox_MouseUp(PreviewBox::Week, i, b); });
    connect(lblDay_[At(i)], &ColourBox::Released, this,
            [this, i](Qt::MouseButton b) { PreviewBox_MouseUp(PreviewBox::Day, i, b); });
    connect(lblData_[At(i)], &ColourBox::Released, this,
            [this, i](Qt::MouseButton b) { PreviewBox_MouseUp(PreviewBox::Data, i, b); });
  }
  auto* hints = new QHBoxLayout;
  hints->addWidget(new QLabel(QStringLiteral("Left Click - Font Colour"), fraColour));
  hints->addStretch();
  hints->addWidget(new QLabel(QStringLiteral("Right Click - Background"), fraColour));
  grid->addLayout(hints, 4, 0, 1, 7);

  chkUseScheme_ = new QCheckBox(QStringLiteral("Use Colour Schemes"), this);
  chkUseScheme_->setObjectName(QStringLiteral("chkUseScheme"));
  cboScheme_ = new QComboBox(this);
  cboScheme_->setObjectName(QStringLiteral("cboScheme"));
  connect(chkUseScheme_, &QCheckBox::toggled, this, [this](bool on) {
    emit Edited();
    cboScheme_->setEnabled(on);
    SchemeLock_ = on;
    if (!on) return;  // the scheme's colours stay as the user's own
    WorkScheme_ = ChosenEntry(*cboScheme_);
    LoadSchemeColours(WorkScheme_, WorkColours_);
    PaintColourPreview();
  });
  connect(cboScheme_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    emit Edited();
    WorkScheme_ = ChosenEntry(*cboScheme_);
    if (chkUseScheme_->isChecked()) LoadSchemeColours(WorkScheme_, WorkColours_);
    PaintColourPreview();
    emit SchemeChosen();
  });

  auto* fraTransparency = new QGroupBox(QStringLiteral("Set Transparency"), this);
  fraTransparency->setObjectName(QStringLiteral("fraTransparency"));
  auto* trans = new QVBoxLayout(fraTransparency);
  chkTransDate_ = new QCheckBox(QStringLiteral("Title"), fraTransparency);
  chkTransDate_->setObjectName(QStringLiteral("chkTransDate"));
  chkTransWeek_ = new QCheckBox(QStringLiteral("Weekdays"), fraTransparency);
  chkTransWeek_->setObjectName(QStringLiteral("chkTransWeek"));
  chkTransNext_ = new QCheckBox(QStringLiteral("Months   (< or >)"), fraTransparency);
  chkTransNext_->setObjectName(QStringLiteral("chkTransNext"));
  for (QCheckBox* box : {chkTransDate_, chkTransWeek_, chkTransNext_}) {
    trans->addWidget(box);
    connect(box, &QCheckBox::toggled, this, [this] {
      emit Edited();
      ApplyTransparency();
    });
  }
  auto* note = new QLabel(QStringLiteral("Allows Desktop Colour to show as Background"), fraTransparency);
  note->setWordWrap(true);
  trans->addWidget(note);

  cmdRestoreColours_ = new QPushButton(QStringLiteral("Restore Default Colours"), this);
  cmdRestoreColours_->setObjectName(QStringLiteral("cmdRestoreColours"));
  connect(cmdRestoreColours_, &QPushButton::clicked, this, &ColoursTab::cmdRestoreColours_Click);

  auto* side = new QVBoxLayout;
  side->addWidget(chkUseScheme_);
  side->addWidget(cboScheme_);
  side->addWidget(fraTransparency);
  side->addWidget(cmdRestoreColours_);
  side->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(fraColour, 1);
  layout->addLayout(side);
}

void ColoursTab::Load(const Settings& s) {
  committed_ = MonthColoursOf(s);
  WorkColours_ = committed_;
  FillList(cboScheme_, ListWithStored(kSchemeNames, s.Scheme));
  // Filling the list ran its handler on the entries it passed through; the stored name is kept.
  WorkScheme_ = s.Scheme;
  SetFlag(chkTransDate_, s.TransparentDate);
  SetFlag(chkTransWeek_, s.TransparentWeek);
  SetFlag(chkTransNext_, s.TransparentNext);
  SetFlag(chkUseScheme_, s.UseScheme);
  cboScheme_->setEnabled(chkUseScheme_->isChecked());
  SchemeLock_ = chkUseScheme_->isChecked();
  if (SchemeLock_) LoadSchemeColours(WorkScheme_, WorkColours_);
  PaintColourPreview();
  ApplyTransparency();
}

void ColoursTab::Apply(Settings& s) const {
  SetMonthColours(s, WorkColours_);
  s.Scheme = WorkScheme_;
  s.UseScheme = FlagOf(chkUseScheme_);
  s.TransparentDate = FlagOf(chkTransDate_);
  s.TransparentWeek = FlagOf(chkTransWeek_);
  s.TransparentNext = FlagOf(chkTransNext_);
}

void ColoursTab::PaintColourPreview() {
  const auto c = [this](int i) { return WorkColours_[At(i)]; };
  lblDate_->SetForeColour(c(kForeDate));
  lblDate_->SetBackColour(c(kBackDate));
  for (ColourBox* arrow : {lblPrev_, lblNext_}) {
    arrow->SetForeColour(c(kForeNext));
    arrow->SetBackColour(c(kBackNext));
  }
  for (std::size_t i = 0; i < 7; ++i) {
    lblWeek_[i]->SetForeColour(c(kForeWeek));
    lblWeek_[i]->SetBackColour(c(kBackWeek));
    lblData_[i]->SetForeColour(c(kForeData));
    lblData_[i]->SetBackColour(c(kBackData));
    lblDay_[i]->SetForeColour(c(kForeDay));
    lblDay_[i]->SetBackColour(c(kBackDay));
  }
  lblData_[0]->SetBackColour(c(kBackNotUsed));
  lblDay_[0]->SetBackColour(c(kBackNotUsed));
  lblData_[2]->SetForeColour(c(kForeEntry));
  lblData_[2]->SetBackColour(c(kBackEntry));
  lblDay_[2]->SetBackColour(c(kBackEntry));
  lblData_[4]->SetForeColour(c(kForeToday));
  lblData_[4]->SetBackColour(c(kBackToday));
  lblDay_[4]->SetBackColour(c(kBackToday));
}

void ColoursTab::ApplyTransparency() {
  lblDate_->SetOpaque(!chkTransDate_->isChecked());
  for (ColourBox* week : lblWeek_) week->SetOpaque(!chkTransWeek_->isChecked());
  lblPrev_->SetOpaque(!chkTransNext_->isChecked());
  lblNext_->SetOpaque(!chkTransNext_->isChecked());
}

void ColoursTab::PreviewBox_MouseUp(PreviewBox box, int index, Qt::MouseButton button) {
  if (SchemeLock_) {
    AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, AppTitle(), SchemeLockMessage());
    return;
  }
  const bool left = button == Qt::LeftButton;
  // Day boxes by their role: 0 outside the month, 2 with events, 4 today, the others ordinary days.
  const auto byRole = [index](int notUsed, int entry, int today, int plain) {
    return index == 0 ? notUsed : index == 2 ? entry : index == 4 ? today : plain;
  };
  int k = -1;
  switch (box) {
    case PreviewBox::Date: k = left ? kForeDate : kBackDate; break;
    case PreviewBox::Prev:
    case PreviewBox::Next: k = left ? kForeNext : kBackNext; break;
    case PreviewBox::Week: k = left ? kForeWeek : kBackWeek; break;
    case PreviewBox::Day: k = left ? kForeDay : byRole(kBackNotUsed, kBackEntry, kBackToday, kBackDay); break;
    case PreviewBox::Data:
      if (!left) {
        k = byRole(kBackNotUsed, kBackEntry, kBackToday, kBackData);
      } else if (index == 0) {
        return;
      } else if (index == 2 || index == 4) {
        k = index == 2 ? kForeEntry : kForeToday;
      } else {
        AppMessageBoxes().Show(MsgIcon::None, MsgButtons::Ok, AppTitle(), BlankRefusalMessage());
        return;
      }
      break;
  }
  if (k < 0) return;
  SetColour(k, ChooseColour(services_, WorkColours_[At(k)], this));
}

void ColoursTab::SetColour(int index, std::uint32_t colour) {
  WorkColours_[At(index)] = colour;
  PaintColourPreview();
  // Choosing the colour that is already committed changes nothing worth applying.
  if (WorkColours_[At(index)] != committed_[At(index)]) emit Edited();
}

void ColoursTab::cmdRestoreColours_Click() {
  if (AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::OkCancel, AppTitle() + " - Important Message",
                             RestoreQuestion()) != MsgAnswer::Ok)
    return;
  WorkScheme_ = "Blue";
  WorkColours_ = DefaultMonthColours();
  PaintColourPreview();
  chkTransDate_->setChecked(false);
  chkTransWeek_->setChecked(false);
  chkTransNext_->setChecked(false);
  chkUseScheme_->setChecked(false);
  emit RestoreRequested();
}

}  // namespace orlevant
