#include "preferences/menu_style_tab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "preferences/colour_box.h"
#include "preferences/colours_tab.h"
#include "preferences/settings_tab.h"

namespace orlevant {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

ColourBox* NewBox(const char* name, QWidget* parent) {
  auto* box = new ColourBox(QString(), parent);
  box->setObjectName(QLatin1String(name));
  box->setFixedSize(48, 20);
  box->setCursor(Qt::PointingHandCursor);
  return box;
}

}  // namespace

MenuStyleTab::MenuStyleTab(const PreferencesServices& services, QWidget* parent)
    : PreferencesTab(parent), services_(services) {
  auto* fraMenuStyle = new QGroupBox(QStringLiteral("Menu Style"), this);
  fraMenuStyle->setObjectName(QStringLiteral("fraMenuStyle"));
  auto* styleLayout = new QHBoxLayout(fraMenuStyle);
  auto* styles = new QButtonGroup(this);
  const char* styleCaptions[] = {"Office 2000 Style", "Office XP Style", "3D Style"};
  for (int i = 0; i < 3; ++i) {
    optMenuStyle_[At(i)] = new QRadioButton(QString::fromLatin1(styleCaptions[i]), fraMenuStyle);
    optMenuStyle_[At(i)]->setObjectName(QStringLiteral("optMenuStyle%1").arg(i * 2));
    styles->addButton(optMenuStyle_[At(i)], i * 2);
    styleLayout->addWidget(optMenuStyle_[At(i)]);
  }
  connect(styles, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (!on) return;
    emit Edited();
    WorkMenuStyle_ = id;
    EnableMenuStyleFrames(id);
  });

  // Office 2000 group.
  fraOffice2000_ = new QGroupBox(QStringLiteral("Office 2000 Style"), this);
  fraOffice2000_->setObjectName(QStringLiteral("fraOffice2000"));
  auto* o2k = new QGridLayout(fraOffice2000_);
  chkGradientBar_ = new QCheckBox(QStringLiteral("Use Gradient Selection Bar"), fraOffice2000_);
  chkGradientBar_->setObjectName(QStringLiteral("chkGradientBar"));
  chkVertical_ = new QCheckBox(QStringLiteral("Vertical"), fraOffice2000_);
  chkVertical_->setObjectName(QStringLiteral("chkVertical"));
  lblGradientLeft_ = NewBox("lblGradientLeft", fraOffice2000_);
  lblGradientRight_ = NewBox("lblGradientRight", fraOffice2000_);
  o2k->addWidget(chkGradientBar_, 0, 0, 1, 2);
  o2k->addWidget(lblGradientLeft_, 1, 0);
  o2k->addWidget(new QLabel(QStringLiteral("Left Colour"), fraOffice2000_), 1, 1);
  o2k->addWidget(lblGradientRight_, 2, 0);
  o2k->addWidget(new QLabel(QStringLiteral("Right Colour"), fraOffice2000_), 2, 1);
  o2k->addWidget(chkVertical_, 3, 0, 1, 2);
  o2k->setRowStretch(4, 1);
  connect(chkGradientBar_, &QCheckBox::toggled, this, [this] { chkGradientBar_Click(); });
  connect(chkVertical_, &QCheckBox::toggled, this, [this] { emit Edited(); });
  connect(lblGradientLeft_, &ColourBox::Released, this, [this] { EditBox(lblGradientLeft_, WorkGradientLeftColour_); });
  connect(lblGradientRight_, &ColourBox::Released, this,
          [this] { EditBox(lblGradientRight_, WorkGradientRightColour_); });

  // Office XP group.
  fraOfficeXP_ = new QGroupBox(QStringLiteral("Office XP Style"), this);
  fraOfficeXP_->setObjectName(QStringLiteral("fraOfficeXP"));
  auto* xp = new QVBoxLayout(fraOfficeXP_);
  auto* fraOfficeXPPreset = new QGroupBox(QStringLiteral("Preset Themes"), fraOfficeXP_);
  fraOfficeXPPreset->setObjectName(QStringLiteral("fraOfficeXPPreset"));
  auto* xpPresets = new QGridLayout(fraOfficeXPPreset);
  auto* xpThemes = new QButtonGroup(this);
  const char* xpCaptions[] = {"Blue", "Gray", "Green", "Classic", "Not Used", "User"};
  for (int i = 0; i < 6; ++i) {
    optXPTheme_[At(i)] = new QRadioButton(QString::fromLatin1(xpCaptions[i]), fraOfficeXPPreset);
    optXPTheme_[At(i)]->setObjectName(QStringLiteral("optXPTheme%1").arg(i));
    xpThemes->addButton(optXPTheme_[At(i)], i);
    xpPresets->addWidget(optXPTheme_[At(i)], i / 2, i % 2);
  }
  connect(xpThemes, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) optXPTheme_Click(id);
  });
  xp->addWidget(fraOfficeXPPreset);
  auto* xpColours = new QGridLayout;
  const char* xpBoxNames[] = {"lblXPLeftBackColour", "lblXPRightBackColour", "lblXPSelectedColour", "lblXPAllColour",
                              "lblXPBarColour"};
  const char* xpBoxCaptions[] = {"Menu Left Back Colour", "Menu Right Back Colour", "Text Colour of Selected Item",
                                 "Text Colour of All Items", "Selection Bar Back Colour"};
  std::uint32_t* xpWork[] = {&WorkXPUser_.LeftBack, &WorkXPUser_.RightBack, &WorkXPUser_.Selected, &WorkXPUser_.All,
                             &WorkXPUser_.Bar};
  for (int i = 0; i < 5; ++i) {
    xpBoxes_[At(i)] = NewBox(xpBoxNames[i], fraOfficeXP_);
    xpCaptions_[At(i)] = new QLabel(QString::fromLatin1(xpBoxCaptions[i]), fraOfficeXP_);
    xpCaptions_[At(i)]->setObjectName(QLatin1String(xpBoxNames[i]) + QStringLiteral("Text"));
    xpColours->addWidget(xpBoxes_[At(i)], i, 0);
    xpColours->addWidget(xpCaptions_[At(i)], i, 1);
    ColourBox* box = xpBoxes_[At(i)];
    std::uint32_t* work = xpWork[i];
    connect(box, &ColourBox::Released, this, [this, box, work] { EditBox(box, *work); });
  }
  xp->addLayout(xpColours);
  xp->addStretch();

  // 3D group.
  fra3D_ = new QGroupBox(QStringLiteral("3D Style"), this);
  fra3D_->setObjectName(QStringLiteral("fra3D"));
  auto* threeD = new QVBoxLayout(fra3D_);
  auto* fra3DPreset = new QGroupBox(QStringLiteral("Preset Themes"), fra3D_);
  fra3DPreset->setObjectName(QStringLiteral("fra3DPreset"));
  auto* presets3D = new QGridLayout(fra3DPreset);
  auto* themes3D = new QButtonGroup(this);
  const char* captions3D[] = {"Blue", "Gray", "Green", "Classic Windows", "Classic Windows XP", "User"};
  for (int i = 0; i < 6; ++i) {
    opt3DTheme_[At(i)] = new QRadioButton(QString::fromLatin1(captions3D[i]), fra3DPreset);
    opt3DTheme_[At(i)]->setObjectName(QStringLiteral("opt3DTheme%1").arg(i));
    themes3D->addButton(opt3DTheme_[At(i)], i);
    presets3D->addWidget(opt3DTheme_[At(i)], i / 2, i % 2);
  }
  connect(themes3D, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) opt3DTheme_Click(id);
  });
  threeD->addWidget(fra3DPreset);
  auto* colours3D = new QGridLayout;
  const char* names3D[] = {"lbl3DTopColour", "lbl3DMiddleColour", "lbl3DBottomColour"};
  const char* boxCaptions3D[] = {"Top Colour", "Middle Colour", "Bottom Colour"};
  std::uint32_t* work3D[] = {&Work3DUser_.Top, &Work3DUser_.Middle, &Work3DUser_.Bottom};
  for (int i = 0; i < 3; ++i) {
    threeDBoxes_[At(i)] = NewBox(names3D[i], fra3D_);
    colours3D->addWidget(threeDBoxes_[At(i)], i, 0);
    colours3D->addWidget(new QLabel(QString::fromLatin1(boxCaptions3D[i]), fra3D_), i, 1);
    ColourBox* box = threeDBoxes_[At(i)];
    std::uint32_t* work = work3D[i];
    connect(box, &ColourBox::Released, this, [this, box, work] { EditBox(box, *work); });
  }
  threeD->addLayout(colours3D);
  cmdCoordinateColours_ = new QPushButton(QStringLiteral("Match All User Colours to 3D Style User"), fra3D_);
  cmdCoordinateColours_->setObjectName(QStringLiteral("cmdCoordinateColours"));
  connect(cmdCoordinateColours_, &QPushButton::clicked, this, &MenuStyleTab::cmdCoordinateColours_Click);
  threeD->addWidget(cmdCoordinateColours_);
  threeD->addStretch();

  auto* layout = new QGridLayout(this);
  layout->addWidget(fraMenuStyle, 0, 0, 1, 3);
  layout->addWidget(fraOffice2000_, 1, 0);
  layout->addWidget(fraOfficeXP_, 1, 1);
  layout->addWidget(fra3D_, 1, 2);
}

void MenuStyleTab::Load(const Settings& s) {
  chkGradientBar_->setChecked(s.GradientBar == 1);
  chkVertical_->setChecked(s.Vertical == 1);
  WorkGradientLeftColour_ = s.GradientLeftColour;
  WorkGradientRightColour_ = s.GradientRightColour;
  WorkXPUser_ = {s.XPLeftBackColourUser, s.XPRightBackColourUser, s.XPSelectedColourUser, s.XPAllColourUser,
                 s.XPBarColourUser};
  Work3DUser_ = {s.TopColourUser, s.MiddleColourUser, s.BottomColourUser};
  WorkXPTheme_ = s.XPTheme;
  WorkDTheme_ = s.DTheme;
  // What the menus show now, kept by a theme that sets no colours of its own ("Not Used").
  PaintXP({s.XPLeftBackColour, s.XPRightBackColour, s.XPSelectedColour, s.XPAllColour, s.XPBarColour});
  Paint3D({s.TopColour, s.MiddleColour, s.BottomColour});
  for (int style : {0, 2, 4}) {
    WorkMenuStyle_ = style;
    LoadMenuThemeColours();
  }
  WorkMenuStyle_ = s.MenuStyle;
  if (s.MenuStyle == 0 || s.MenuStyle == 2 || s.MenuStyle == 4) {
    if (optMenuStyle(s.MenuStyle)->isChecked()) {
      EnableMenuStyleFrames(s.MenuStyle);
    } else {
      optMenuStyle(s.MenuStyle)->setChecked(true);
    }
  }
  if (s.XPTheme >= 0 && s.XPTheme <= 5) optXPTheme_[At(s.XPTheme)]->setChecked(true);
  if (s.DTheme >= 0 && s.DTheme <= 5) opt3DTheme_[At(s.DTheme)]->setChecked(true);
}

void MenuStyleTab::Apply(Settings& s) const {
  s.MenuStyle = WorkMenuStyle_;
  s.XPTheme = WorkXPTheme_;
  s.DTheme = WorkDTheme_;
  s.GradientBar = FlagOf(chkGradientBar_);
  s.Vertical = FlagOf(chkVertical_);
  s.GradientLeftColour = lblGradientLeft_->BackColour();
  s.GradientRightColour = lblGradientRight_->BackColour();
  s.XPLeftBackColour = xpBoxes_[0]->BackColour();
  s.XPRightBackColour = xpBoxes_[1]->BackColour();
  s.XPSelectedColour = xpBoxes_[2]->BackColour();
  s.XPAllColour = xpBoxes_[3]->BackColour();
  s.XPBarColour = xpBoxes_[4]->BackColour();
  s.XPLeftBackColourUser = WorkXPUser_.LeftBack;
  s.XPRightBackColourUser = WorkXPUser_.RightBack;
  s.XPSelectedColourUser = WorkXPUser_.Selected;
  s.XPAllColourUser = WorkXPUser_.All;
  s.XPBarColourUser = WorkXPUser_.Bar;
  s.TopColour = threeDBoxes_[0]->BackColour();
  s.MiddleColour = threeDBoxes_[1]->BackColour();
  s.BottomColour = threeDBoxes_[2]->BackColour();
  s.TopColourUser = Work3DUser_.Top;
  s.MiddleColourUser = Work3DUser_.Middle;
  s.BottomColourUser = Work3DUser_.Bottom;
}

void MenuStyleTab::EnableMenuStyleFrames(int style) {
  if (style == 0 || style == 2 || style == 4) {
    fraOffice2000_->setEnabled(style == 0);
    fraOfficeXP_->setEnabled(style == 2);
    fra3D_->setEnabled(style == 4);
  }
  chkGradientBar_Click();
  opt3DTheme_Click(WorkDTheme_);
  optXPTheme_Click(WorkXPTheme_);
}

void MenuStyleTab::chkGradientBar_Click() {
  emit Edited();
  const bool on = !(WorkMenuStyle_ == 4 || WorkMenuStyle_ == 2 || !chkGradientBar_->isChecked());
  lblGradientLeft_->setEnabled(on);
  lblGradientRight_->setEnabled(on);
  chkVertical_->setEnabled(on);
}

void MenuStyleTab::optXPTheme_Click(int index) {
  emit Edited();
  for (std::size_t i = 0; i < xpBoxes_.size(); ++i) {
    xpBoxes_[i]->setEnabled(index == 5);
    xpCaptions_[i]->setEnabled(index == 5);
  }
  WorkXPTheme_ = index;
  LoadMenuThemeColours();
}

void MenuStyleTab::opt3DTheme_Click(int index) {
  emit Edited();
  for (ColourBox* box : threeDBoxes_) box->setEnabled(index == 5);
  WorkDTheme_ = index;
  LoadMenuThemeColours();
}

void MenuStyleTab::PaintXP(const XPColours& c) {
  xpBoxes_[0]->SetBackColour(c.LeftBack);
  xpBoxes_[1]->SetBackColour(c.RightBack);
  xpBoxes_[2]->SetBackColour(c.Selected);
  xpBoxes_[3]->SetBackColour(c.All);
  xpBoxes_[4]->SetBackColour(c.Bar);
}

void MenuStyleTab::Paint3D(const ThreeDColours& c) {
  threeDBoxes_[0]->SetBackColour(c.Top);
  threeDBoxes_[1]->SetBackColour(c.Middle);
  threeDBoxes_[2]->SetBackColour(c.Bottom);
}

void MenuStyleTab::LoadMenuThemeColours() {
  switch (WorkMenuStyle_) {
    case 0:
      lblGradientLeft_->SetBackColour(WorkGradientLeftColour_);
      lblGradientRight_->SetBackColour(WorkGradientRightColour_);
      break;
    case 2:
      if (const auto preset = XPPreset(WorkXPTheme_)) {
        PaintXP(*preset);
      } else if (WorkXPTheme_ == 5) {
        PaintXP(WorkXPUser_);
      }
      break;
    case 4:
      if (const auto preset = ThreeDPreset(WorkDTheme_)) {
        Paint3D(*preset);
      } else if (WorkDTheme_ == 5) {
        Paint3D(Work3DUser_);
      }
      break;
    default: break;
  }
}

void MenuStyleTab::EditBox(ColourBox* box, std::uint32_t& work) {
  const std::uint32_t chosen = ChooseColour(services_, box->BackColour(), this);
  box->SetBackColour(chosen);
  work = chosen;
  emit Edited();
}

void MenuStyleTab::cmdCoordinateColours_Click() {
  WorkGradientLeftColour_ = Work3DUser_.Bottom;
  WorkGradientRightColour_ = Work3DUser_.Top;
  WorkXPUser_.RightBack = Work3DUser_.Middle;
  WorkXPUser_.LeftBack = Work3DUser_.Top;
  WorkXPUser_.Bar = Work3DUser_.Bottom;
  lblGradientLeft_->SetBackColour(Work3DUser_.Bottom);
  lblGradientRight_->SetBackColour(Work3DUser_.Top);
  if (WorkXPTheme_ == 5) {
    xpBoxes_[0]->SetBackColour(threeDBoxes_[0]->BackColour());
    xpBoxes_[1]->SetBackColour(threeDBoxes_[1]->BackColour());
    xpBoxes_[4]->SetBackColour(threeDBoxes_[2]->BackColour());
  }
  // What was matched is meant to be kept: Apply and OK must commit it.
  emit Edited();
}

}  // namespace orlevant
