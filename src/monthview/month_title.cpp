// The title strip (month and year, or today's date and time in the user's formats) and the row of
// weekday headings.

#include <cstdlib>

#include "core/settings.h"
#include "monthview/month_view.h"
#include "platform/date_format.h"

namespace orlevant {

namespace {

// Eight entries each, Sunday first and again last, so a week that starts late still ends in range.
constexpr std::string_view kOneLetterNames = "SMTWTFSS";
constexpr std::string_view kThreeLetterNames = "SunMonTueWedThuFriSatSun";
constexpr std::string_view kFullNames =
    "Sunday   Monday   Tuesday  WednesdayThursday Friday   Saturday Sunday   ";

// Entry k (1..8) of a table whose entries are `width` characters wide, trailing blanks trimmed.
std::string TableEntry(std::string_view table, std::size_t width, int k) {
  std::string_view entry = table.substr((static_cast<std::size_t>(k) - 1) * width, width);
  while (!entry.empty() && entry.back() == ' ') entry.remove_suffix(1);
  return std::string(entry);
}

void PaintLabel(LabelState& label, int transparency, std::uint32_t back, std::uint32_t fore) {
  label.Opaque = IsOpaqueFor(transparency);
  label.BackColor = back;
  label.ForeColor = fore;
}

}  // namespace

std::string MonthView::FormatDateAs(const DateTime& when, std::string_view pattern) const {
  return FormatDateText ? FormatDateText(when, pattern) : FormatDate(when, pattern);
}

void MonthView::ShowMonthTitle(Date shownDate, const Settings& settings) {
  ShownMonthDate = shownDate;
  PaintLabel(lblDate, settings.TransparentDate, settings.BackGroundDate, settings.ForeGroundDate);
  PaintLabel(lblPreviousMonth, settings.TransparentNext, settings.BackGroundNext, settings.ForeGroundNext);
  PaintLabel(lblNextMonth, settings.TransparentNext, settings.BackGroundNext, settings.ForeGroundNext);

  if (settings.BoxStyle != 0 && ShowsCurrentMonth()) {
    const std::string pattern =
        settings.ShowTime == 1 ? settings.TimeFormat + " - " + settings.DateFormat : settings.DateFormat;
    lblDate.Caption = FormatDateAs(AppClock().Now(), pattern);
  } else {
    lblDate.Caption = FormatDateAs(DateTime{shownDate}, "mmmm yyyy");
  }

  if (settings.ShowTips == 1 && settings.BoxStyle != 0) {
    imgQMark.Visible = true;
    imgQMark.Geometry.Left = lblDate.Geometry.Left + kTipsIconOffset;
    imgQMark.Geometry.Top = kTipsIconTop;
  } else {
    imgQMark.Visible = false;
  }
}

void MonthView::ShowWeekdayHeadings(int shift, Settings& settings) {
  // Wrapped into the week whatever the stored value or the shift, which keeps every table entry
  // used within 1..8; for 1..7 and a shift of 0..6 this is a single subtraction of 7.
  const int firstDay = ((settings.FirstDay - 1 + shift) % 7 + 7) % 7 + 1;
  settings.FirstDay = firstDay;
  FirstDay = firstDay;

  std::string_view table;
  std::size_t width = 0;
  const int length = settings.BoxStyle == 0 ? 0 : settings.WeekDayLength;
  switch (length) {
    case 0: table = kOneLetterNames; width = 1; break;
    case 1: table = kThreeLetterNames; width = 3; break;
    case 2: table = kFullNames; width = 9; break;
    default: break;  // an unknown length leaves the captions as they are
  }
  for (int i = 0; i < kWeekdayCount; ++i) {
    LabelState& heading = lblWeek[i];
    if (width != 0) {
      const int entry = firstDay + i <= 8 ? firstDay + i : firstDay + i - 7;
      heading.Caption = TableEntry(table, width, entry);
    }
    PaintLabel(heading, settings.TransparentWeek, settings.BackGroundWeek, settings.ForeGroundWeek);
  }
}

}  // namespace orlevant
