#include "monthview/month_view.h"

#include <charconv>

namespace orlevant {

MonthView::MonthView() {
  const DesignSizes& d = Design;
  lblPreviousMonth.Geometry = {0, 0, d.DesignArrowWidth, d.DesignDateHeight};
  lblDate.Geometry = {kDesignDateLeft, 0, d.DesignDateWidth, d.DesignDateHeight};
  lblNextMonth.Geometry = {0, 0, d.DesignArrowWidth, d.DesignDateHeight};
  imgQMark.Geometry = {kDesignDateLeft + kTipsIconOffset, kTipsIconTop, kTipsIconSize, kTipsIconSize};
  for (LabelState& heading : lblWeek) heading.Geometry = {0, kDesignWeekTop, d.DesignWeekWidth, d.DesignWeekHeight};
  for (int i = 0; i < kDayBoxCount; ++i) {
    lblDay[i].Geometry = {0, 0, d.DesignDayWidth, d.DesignDayHeight};
    lblData[i].Geometry = {0, 0, d.DesignDataWidth, d.DesignDataHeight};
    imgRemind[i].Visible = false;
    imgRemind[i].Geometry = {0, 0, kReminderIconSize, kReminderIconSize};
  }
  SetToday(DateSerial(2000, 1, 1));
  ShownMonthDate = Today;
  LayoutMonthGrid(1);
}

void MonthView::SetToday(Date today) {
  Today = today;
  CurrentDay = DayOf(today);
  CurrentMonth = MonthOf(today);
  CurrentYear = YearOf(today);
}

bool MonthView::ShowsCurrentMonth() const {
  return MonthOf(ShownMonthDate) == CurrentMonth && YearOf(ShownMonthDate) == CurrentYear;
}

MonthShape MonthView::Shape() const {
  MonthShape shape;
  shape.FirstDay = FirstDay;
  shape.MonthStartWeekday = MonthStartWeekday;
  shape.GridOffset = GridOffset;
  shape.DaysInMonth = DaysInMonth;
  return shape;
}

int MonthView::DayNumberShownIn(int box) const {
  const std::string& caption = lblDay.at(static_cast<std::size_t>(box)).Caption;
  int day = 0;
  std::from_chars(caption.data(), caption.data() + caption.size(), day);
  return day;
}

int MonthView::NthWeekdayInShownMonth(int ordinal, int weekday) {
  return orlevant::NthWeekdayInShownMonth(Shape(), ordinal, weekday, &NthWeekRow);
}

}  // namespace orlevant
