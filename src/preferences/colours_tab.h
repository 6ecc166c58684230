#pragma once
// The "Colours" page: a miniature calendar whose boxes are clicked to choose the fifteen colours of
// the month (left button the text colour, any other the background), the colour schemes, the
// transparency of title, headings and arrows, and the restore of the default colours.

#include <array>
#include <string>

#include "core/preference_tables.h"
#include "preferences/preferences_tab.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace orlevant {

class ColourBox;

// The colour dialog of the preferences: `services.chooseColour`, or the desktop's colour dialog.
// Gives `start` back when the user cancels.
std::uint32_t ChooseColour(const PreferencesServices& services, std::uint32_t start, QWidget* parent);

class ColoursTab : public PreferencesTab {
  Q_OBJECT

 public:
  ColoursTab(const PreferencesServices& services, QWidget* parent = nullptr);

  void Load(const Settings& s) override;
  void Apply(Settings& s) const override;
  void Committed(const Settings& s) override { committed_ = MonthColoursOf(s); }

  enum class PreviewBox { Date, Prev, Next, Week, Day, Data };
  // A mouse button released on a box of the miniature calendar.
  void PreviewBox_MouseUp(PreviewBox box, int index, Qt::MouseButton button);
  void PaintColourPreview();
  void cmdRestoreColours_Click();

  const MonthColours& WorkColours() const { return WorkColours_; }
  const std::string& WorkScheme() const { return WorkScheme_; }
  bool SchemeLock() const { return SchemeLock_; }

  ColourBox* lblDate() const { return lblDate_; }
  ColourBox* lblPrev() const { return lblPrev_; }
  ColourBox* lblNext() const { return lblNext_; }
  ColourBox* lblWeek(int i) const { return lblWeek_.at(static_cast<std::size_t>(i)); }
  ColourBox* lblDay(int i) const { return lblDay_.at(static_cast<std::size_t>(i)); }
  ColourBox* lblData(int i) const { return lblData_.at(static_cast<std::size_t>(i)); }
  QCheckBox* chkUseScheme() const { return chkUseScheme_; }
  QComboBox* cboScheme() const { return cboScheme_; }
  QCheckBox* chkTransDate() const { return chkTransDate_; }
  QCheckBox* chkTransWeek() const { return chkTransWeek_; }
  QCheckBox* chkTransNext() const { return chkTransNext_; }
  QPushButton* cmdRestoreColours() const { return cmdRestoreColours_; }

  static std::string SchemeLockMessage();
  static std::string BlankRefusalMessage();
  static std::string RestoreQuestion();

 signals:
  // The defaults are in place; the dialog applies at once.
  void RestoreRequested();
  // A scheme was chosen from the list; the other pages' previews are drawn again.
  void SchemeChosen();

 private:
  void ApplyTransparency();
  void SetColour(int index, std::uint32_t colour);

  const PreferencesServices& services_;
  MonthColours committed_{};
  MonthColours WorkColours_{};
  std::string WorkScheme_;
  bool SchemeLock_ = false;

  ColourBox* lblDate_ = nullptr;
  ColourBox* lblPrev_ = nullptr;
  ColourBox* lblNext_ = nullptr;
  std::array<ColourBox*, 7> lblWeek_{};
  std::array<ColourBox*, 7> lblDay_{};
  std::array<ColourBox*, 7> lblData_{};
  QCheckBox* chkUseScheme_ = nullptr;
  QComboBox* cboScheme_ = nullptr;
  QCheckBox* chkTransDate_ = nullptr;
  QCheckBox* chkTransWeek_ = nullptr;
  QCheckBox* chkTransNext_ = nullptr;
  QPushButton* cmdRestoreColours_ = nullptr;
};

}  // namespace orlevant
