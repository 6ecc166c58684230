#include "preferences/settings_tab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/display_text.h"

namespace orlevant {
namespace {

// The miniature is drawn at 10 twips to a pixel, a little larger than the screen's 15, so that
// the Small planner's boxes can still be told apart.
int PreviewPixels(int twips) { return (twips + 5) / 10; }

// The widest a list grows for an entry, in pixels.
constexpr int kWidestListEntry = 400;

}  // namespace

int FlagOf(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }
void SetFlag(QCheckBox* box, int flag) { box->setChecked(flag == 1); }

void FillList(QComboBox* list, const ListChoice& choice) {
  list->clear();
  for (const std::string& e : choice.entries) {
    const QString shown = list->fontMetrics().elidedText(DisplayPart(e), Qt::ElideRight, kWidestListEntry);
    list->addItem(shown, QString::fromStdString(e));
  }
  list->setCurrentIndex(choice.selected);
}

std::string ChosenEntry(const QComboBox& list) { return list.currentData().toString().toStdString(); }

QCheckBox* SettingsTab::NewCheck(const char* name, const char* caption) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), this);
  box->setObjectName(QLatin1String(name));
  connect(box, &QCheckBox::toggled, this, [this] { emit Edited(); });
  return box;
}

SettingsTab::SettingsTab(QWidget* parent) : PreferencesTab(parent) {
  auto* fraGeneral = new QGroupBox(QStringLiteral("General"), this);
  fraGeneral->setObjectName(QStringLiteral("fraGeneral"));
  auto* general = new QGridLayout(fraGeneral);
  chkStartMinimized_ = NewCheck("chkStartMinimized", "Startup Minimized to Tray");
  chkShowClearAllMsg_ = NewCheck("chkShowClearAllMsg", "Show Clear All Confirmation");
  chkShowToolTips_ = NewCheck("chkShowToolTips", "Show Tool Tips");
  chkShowMessage_ = NewCheck("chkShowMessage", "Show Message Box");
  chkShowTips_ = NewCheck("chkShowTips", "Show Tips Icon");
  chkExpand_ = NewCheck("chkExpand", "Startup in Expanded View");
  chkRunStartup_ = NewCheck("chkRunStartup", "Run at Startup");
  chkShowSplash_ = NewCheck("chkShowSplash", "Show Splash Screen");
  chkNotifyMe_ = NewCheck("chkNotifyMe", "Notify Events on Startup");
  QCheckBox* const order[] = {chkStartMinimized_, chkShowClearAllMsg_, chkShowToolTips_, chkShowMessage_, chkShowTips_,
                              chkExpand_,         chkRunStartup_,      chkShowSplash_,   chkNotifyMe_};
  for (int i = 0; i < 9; ++i) general->addWidget(order[i], i % 5, i / 5);

  auto* fraPosition = new QGroupBox(QStringLiteral("Position"), this);
  fraPosition->setObjectName(QStringLiteral("fraPosition"));
  auto* position = new QVBoxLayout(fraPosition);
  auto* positions = new QButtonGroup(this);
  const char* positionCaptions[] = {"Manual  (Last Position)", "Centre Screen", "Top Centre", "Top Left", "Top Right"};
  for (int i = 0; i < 5; ++i) {
    optPosition_[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromLatin1(positionCaptions[i]), fraPosition);
    optPosition_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("optPosition%1").arg(i));
    positions->addButton(optPosition_[static_cast<std::size_t>(i)], i);
    position->addWidget(optPosition_[static_cast<std::size_t>(i)]);
  }
  connect(positions, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (!on) return;
    emit Edited();
    WorkPosition_ = id;
    ShowPositionPreview();
  });

  auto* fraBoxStyle = new QGroupBox(QStringLiteral("Size"), this);
  fraBoxStyle->setObjectName(QStringLiteral("fraBoxStyle"));
  auto* size = new QVBoxLayout(fraBoxStyle);
  auto* sizes = new QButtonGroup(this);
  const char* sizeCaptions[] = {"Small", "Medium", "Large"};
  for (int i = 0; i < 3; ++i) {
    optBoxStyle_[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromLatin1(sizeCaptions[i]), fraBoxStyle);
    optBoxStyle_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("optBoxStyle%1").arg(i));
    sizes->addButton(optBoxStyle_[static_cast<std::size_t>(i)], i);
    size->addWidget(optBoxStyle_[static_cast<std::size_t>(i)]);
  }
  connect(sizes, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (!on) return;
    emit Edited();
    WorkBoxStyle_ = id;
    ShowPositionPreview();
  });

  fraPreview_ = new QGroupBox(QStringLiteral("Preview"), this);
  fraPreview_->setObjectName(QStringLiteral("fraPreview"));
  auto* previewLayout = new QVBoxLayout(fraPreview_);
  screen_ = new QWidget(fraPreview_);
  screen_->setFixedSize(PreviewPixels(kPreviewFrameWidth), PreviewPixels(kPreviewFrameHeight));
  previewLayout->addWidget(screen_);
  lblTop_ = new QLabel(screen_);
  lblTop_->setObjectName(QStringLiteral("lblTop"));
  lblTop_->setFrameShape(QFrame::Box);
  lblTop_->setAutoFillBackground(true);
  QPalette grey = lblTop_->palette();
  grey.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
  lblTop_->setPalette(grey);
  for (std::size_t i = 0; i < lblBox_.size(); ++i) {
    lblBox_[i] = new QLabel(screen_);
    lblBox_[i]->setObjectName(QStringLiteral("lblBox%1").arg(i));
    lblBox_[i]->setFrameShape(QFrame::Box);
    lblBox_[i]->setAutoFillBackground(true);
    QPalette white = lblBox_[i]->palette();
    white.setColor(QPalette::Window, palette().color(QPalette::Base));
    lblBox_[i]->setPalette(white);
  }

  auto* layout = new QGridLayout(this);
  layout->addWidget(fraGeneral, 0, 0, 1, 3);
  layout->addWidget(fraPosition, 1, 0);
  layout->addWidget(fraBoxStyle, 1, 1);
  layout->addWidget(fraPreview_, 1, 2);
  layout->setRowStretch(2, 1);
}

void SettingsTab::Load(const Settings& s) {
  WorkPosition_ = s.Position;
  WorkBoxStyle_ = s.BoxStyle;
  SetFlag(chkRunStartup_, s.RunStartup);
  SetFlag(chkShowSplash_, s.ShowSplash);
  SetFlag(chkNotifyMe_, s.NotifyMe);
  SetFlag(chkShowClearAllMsg_, s.ShowClearAllMsg);
  SetFlag(chkShowMessage_, s.ShowMessage);
  SetFlag(chkShowToolTips_, s.ShowToolTips);
  SetFlag(chkExpand_, s.Expand);
  SetFlag(chkStartMinimized_, s.StartMinimized);
  SetFlag(chkShowTips_, s.ShowTips);
  if (s.BoxStyle >= 0 && s.BoxStyle <= 2) optBoxStyle_[static_cast<std::size_t>(s.BoxStyle)]->setChecked(true);
  if (s.Position >= 0 && s.Position <= 4) optPosition_[static_cast<std::size_t>(s.Position)]->setChecked(true);
  ShowPositionPreview();
}

void SettingsTab::Apply(Settings& s) const {
  s.BoxStyle = WorkBoxStyle_;
  s.Position = WorkPosition_;
  s.RunStartup = FlagOf(chkRunStartup_);
  s.ShowSplash = FlagOf(chkShowSplash_);
  s.NotifyMe = FlagOf(chkNotifyMe_);
  s.ShowClearAllMsg = FlagOf(chkShowClearAllMsg_);
  s.ShowMessage = FlagOf(chkShowMessage_);
  s.ShowToolTips = FlagOf(chkShowToolTips_);
  s.Expand = FlagOf(chkExpand_);
  s.StartMinimized = FlagOf(chkStartMinimized_);
  s.ShowTips = FlagOf(chkShowTips_);
}

void SettingsTab::ShowPositionPreview() {
  const auto layout = PositionPreview(WorkBoxStyle_, WorkPosition_, kPreviewFrameWidth, kPreviewFrameHeight);
  if (!layout) return;
  preview_ = *layout;
  lblTop_->setGeometry(PreviewPixels(preview_.Left), PreviewPixels(preview_.Top),
                       PreviewPixels(preview_.PlannerWidth), PreviewPixels(preview_.TitleHeight));
  for (int i = 0; i < 28; ++i) {
    const auto [x, y] = preview_.BoxCorner(i);
    lblBox_[static_cast<std::size_t>(i)]->setGeometry(PreviewPixels(x), PreviewPixels(y),
                                                      PreviewPixels(preview_.BoxSize), PreviewPixels(preview_.BoxSize));
  }
  lblTop_->raise();
}

}  // namespace orlevant
