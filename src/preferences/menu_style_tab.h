#pragma once
// The "Menu Style" page: the look of the context menus (a gradient bar, a flat look with a coloured
// column, or a raised 3D look), the preset themes of the last two, and the user's own colours.

#include <array>

#include "core/preference_tables.h"
#include "preferences/preferences_tab.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orlevant {

class ColourBox;

class MenuStyleTab : public PreferencesTab {
  Q_OBJECT

 public:
  MenuStyleTab(const PreferencesServices& services, QWidget* parent = nullptr);

  void Load(const Settings& s) override;
  void Apply(Settings& s) const override;

  // Enables one style's controls and disables the others', then runs the theme handlers again.
  void EnableMenuStyleFrames(int style);
  // Paints the colour boxes of WorkMenuStyle from its theme.
  void LoadMenuThemeColours();
  void cmdCoordinateColours_Click();

  int WorkMenuStyle() const { return WorkMenuStyle_; }
  int WorkXPTheme() const { return WorkXPTheme_; }
  int WorkDTheme() const { return WorkDTheme_; }
  const XPColours& WorkXPUser() const { return WorkXPUser_; }
  const ThreeDColours& Work3DUser() const { return Work3DUser_; }

  // optMenuStyle by its value 0, 2 or 4.
  QRadioButton* optMenuStyle(int style) const { return optMenuStyle_.at(static_cast<std::size_t>(style / 2)); }
  QRadioButton* optXPTheme(int i) const { return optXPTheme_.at(static_cast<std::size_t>(i)); }
  QRadioButton* opt3DTheme(int i) const { return opt3DTheme_.at(static_cast<std::size_t>(i)); }
  QCheckBox* chkGradientBar() const { return chkGradientBar_; }
  QCheckBox* chkVertical() const { return chkVertical_; }
  ColourBox* lblGradientLeft() const { return lblGradientLeft_; }
  ColourBox* lblGradientRight() const { return lblGradientRight_; }
  ColourBox* lblXPLeftBackColour() const { return xpBoxes_[0]; }
  ColourBox* lblXPRightBackColour() const { return xpBoxes_[1]; }
  ColourBox* lblXPSelectedColour() const { return xpBoxes_[2]; }
  ColourBox* lblXPAllColour() const { return xpBoxes_[3]; }
  ColourBox* lblXPBarColour() const { return xpBoxes_[4]; }
  ColourBox* lbl3DTopColour() const { return threeDBoxes_[0]; }
  ColourBox* lbl3DMiddleColour() const { return threeDBoxes_[1]; }
  ColourBox* lbl3DBottomColour() const { return threeDBoxes_[2]; }
  QGroupBox* fraOffice2000() const { return fraOffice2000_; }
  QGroupBox* fraOfficeXP() const { return fraOfficeXP_; }
  QGroupBox* fra3D() const { return fra3D_; }
  QPushButton* cmdCoordinateColours() const { return cmdCoordinateColours_; }

 private:
  void optXPTheme_Click(int index);
  void opt3DTheme_Click(int index);
  void chkGradientBar_Click();
  void PaintXP(const XPColours& c);
  void Paint3D(const ThreeDColours& c);
  // A colour box was clicked: the colour dialog, then the box and its working copy.
  void EditBox(ColourBox* box, std::uint32_t& work);

  const PreferencesServices& services_;
  int WorkMenuStyle_ = 4;
  int WorkXPTheme_ = 5;
  int WorkDTheme_ = 5;
  std::uint32_t WorkGradientLeftColour_ = 0;
  std::uint32_t WorkGradientRightColour_ = 0;
  XPColours WorkXPUser_;
  ThreeDColours Work3DUser_;

  std::array<QRadioButton*, 3> optMenuStyle_{};
  std::array<QRadioButton*, 6> optXPTheme_{};
  std::array<QRadioButton*, 6> opt3DTheme_{};
  QCheckBox* chkGradientBar_ = nullptr;
  QCheckBox* chkVertical_ = nullptr;
  ColourBox* lblGradientLeft_ = nullptr;
  ColourBox* lblGradientRight_ = nullptr;
  std::array<ColourBox*, 5> xpBoxes_{};  // left back, right back, selected, all, bar
  std::array<QLabel*, 5> xpCaptions_{};
  std::array<ColourBox*, 3> threeDBoxes_{};  // top, middle, bottom
  QGroupBox* fraOffice2000_ = nullptr;
  QGroupBox* fraOfficeXP_ = nullptr;
  QGroupBox* fra3D_ = nullptr;
  QPushButton* cmdCoordinateColours_ = nullptr;
};

}  // namespace orlevant
