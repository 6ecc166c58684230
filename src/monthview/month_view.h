#pragma once
// The month area of the main window, held as data: the title strip, the weekday headings, the 42 day
// boxes with their captions, colours, enabled flags, reminder icons and tooltips, every control's
// place and size, and the window's own size and place. The window only draws this model; every rule
// that decides what the month looks like lives here, without a single Qt include.
//
// Units: all geometry is in twips (1/1440 inch), 15 twips to a logical pixel, held in 32-bit ints
// (a 3840-pixel screen is 57600 twips wide). Colours are &H00BBGGRR values, as in the settings.
//
// Redrawing the month is one sequence, and callers keep to it:
//   LayoutMonthGrid(BoxStyle) and PositionMainWindow(Position)   when size or place may have changed
//   ShowMonthTitle(date), ShowWeekdayHeadings(0)
//   FillMonthGrid(date, ...)                                     which ends with PlaceMonthEvents
//
// The window that owns the model writes back what it changes itself: CompactMode, the window's
// place after a drag or a move by the desktop (WindowLeft, WindowTop) and the geometry that
// collapsing and expanding change (WindowWidth, WindowHeight, lblDate.Geometry.Left,
// imgQMark.Geometry.Left, the arrows' Visible).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar_date.h"
#include "core/clock.h"
#include "core/date_engine.h"
#include "core/event_lines.h"
#include "core/twips.h"

namespace orlevant {

struct Settings;
struct EventStore;

inline constexpr int kDayBoxCount = 42;
inline constexpr int kWeekdayCount = 7;

// The pictures of the main window's reminder image list that the day boxes' icons show.
inline constexpr int kReminderOnPicture = 1;
inline constexpr int kReminderOffPicture = 2;

// Place and size of a control, in twips, relative to the window (the window's own: to the screen).
struct TwipRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

// A text label. Opaque is the label's background style: true paints BackColor, false lets what
// lies below show through.
struct LabelState {
  std::string Caption;
  std::uint32_t BackColor = 0xFFFFFF;
  std::uint32_t ForeColor = 0x000000;
  bool Opaque = true;
  bool Enabled = true;
  bool Visible = true;
  std::string ToolTipText;
  TwipRect Geometry;

  friend bool operator==(const LabelState&, const LabelState&) = default;
};

// A small picture: the day boxes' reminder icons and the tips icon.
struct ImageState {
  bool Visible = true;
  int Picture = kReminderOffPicture;  // image number in the reminder image list (icons only)
  TwipRect Geometry;

  friend bool operator==(const ImageState&, const ImageState&) = default;
};

// The sizes the controls were designed with; the layout of every calendar size is derived from
// them. The window may measure its own and put them here before the first LayoutMonthGrid.
struct DesignSizes {
  int DesignDateWidth = 6852;   // lblDate(0)
  int DesignDateHeight = 312;
  int DesignArrowWidth = 372;   // lblNextMonth (and lblPreviousMonth)
  int DesignWeekWidth = 1092;   // lblWeek(0)
  int DesignWeekHeight = 252;
  int DesignDayWidth = 372;     // lblDay(0)
  int DesignDayHeight = 192;
  int DesignDataWidth = 1092;   // lblData(0)
  int DesignDataHeight = 912;
};

// Designed places of the controls that the layout does not move.
inline constexpr int kDesignDateLeft = 360;     // lblDate(0), before the first collapse or expand
inline constexpr int kDesignWeekTop = 300;      // the headings
inline constexpr int kReminderIconSize = 75;    // imgRemind, square
inline constexpr int kTipsIconSize = 240;       // imgQMark, square
inline constexpr int kTipsIconOffset = 36;      // imgQMark left of the title's left edge
inline constexpr int kTipsIconTop = 24;

// A transparency setting t gives a label the background style |t - 1|: opaque unless t is 1.
inline bool IsOpaqueFor(int transparency) { return transparency != 1; }

// Formats a date and time with a pattern of the date-format language ("mmmm yyyy",
// "dddd - mmmm d, yyyy", "h:mm AM/PM - ..."). Empty: the system locale's names are used.
using DateFormatter = std::function<std::string(const DateTime&, std::string_view pattern)>;

struct MonthView {
  MonthView();

  // ---------------------------------------------------------------- controls
  LabelState lblDate;  // lblDate(0): the title strip
  LabelState lblPreviousMonth;
  LabelState lblNextMonth;
  ImageState imgQMark;  // the tips icon laid over the title
  std::array<LabelState, kWeekdayCount> lblWeek;

  // Box i (0..41) lies in row i / 7 and column i % 7. lblDay(i) is the day number in the box's
  // top-left corner; its Enabled flag says whether the box belongs to the shown month. lblData(i)
  // fills the box; its Caption is what the box holds besides the events placed on it ("", or a line
  // break in a box of the neighbouring months), and the day's whole text is DayCellText(i), made
  // from the events when it is first asked for. imgRemind(i) is its reminder icon.
  std::array<LabelState, kDayBoxCount> lblDay;
  std::array<LabelState, kDayBoxCount> lblData;
  std::array<ImageState, kDayBoxCount> imgRemind;
  // The event lines behind each box's text: indexes into the records, in the order the box lists
  // them (newest first), one entry per listing. Whoever needs a day's events reads them here rather
  // than matching texts, which cannot tell two events of the same name apart.
  std::array<std::vector<int>, kDayBoxCount> BoxLines;

  // Check marks of the calendar-size menu items.
  bool mnuSmall = false;
  bool mnuMedium = true;
  bool mnuLarge = false;

  // ---------------------------------------------------------------- the window
  int WindowLeft = 0;  // written by PositionMainWindow, and by the window after a drag or collapse
  int WindowTop = 0;
  int WindowWidth = 0;
  int WindowHeight = 0;
  bool CompactMode = false;  // collapsed to its title strip; kept by the window
  int Placements = 0;        // how often PositionMainWindow has placed the window

  // ---------------------------------------------------------------- today and the screen
  Date Today{};  // set through SetToday
  int CurrentDay = 1;
  int CurrentMonth = 1;
  int CurrentYear = 2000;
  int ScreenWidth = 1920 * kTwipsPerPixel;  // twips; the window sets them at load
  int ScreenHeight = 1080 * kTwipsPerPixel;
  // The part of the screen that its panels leave free, where the window can be seen and dragged;
  // the window measures it before each placement, since a panel may come or go at any time. None:
  // the whole screen, from its top left corner.
  std::optional<TwipRect> WorkArea;

  // ---------------------------------------------------------------- the shown month
  Date ShownMonthDate{};    // any day of the shown month (ShowMonthTitle)
  // Weekday of the first column, 1 = Sunday: settings.FirstDay as the headings and grid last used it.
  int FirstDay = 1;
  int MonthStartWeekday = 1;  // weekday of day 1
  int GridOffset = 0;       // box of day 1, 0..6: day d is in box GridOffset + d - 1
  int DaysInMonth = 31;
  std::string MonthKey;        // "mm/yyyy"
  std::string YearlyMonthKey;  // "mm/9999"
  int TrailingCells = 0;       // boxes after the last day (5..14)
  std::string TodayEvents;     // today's events, newest first, after a pass over the current month
  int NthWeekRow = 0;          // set by NthWeekdayInShownMonth

  // ---------------------------------------------------------------- layout values
  DesignSizes Design;
  int BoxWidth = 0;
  int BoxHeight = 0;  // row height
  int HeadingWidth = 0;
  int TitleWidth = 0;
  int DayLabelWidth = 0;
  int ReminderIconWidth = kReminderIconSize;
  int FullWidth = 0;   // the expanded window with six rows
  int FullHeight = 0;
  int ExpandedWidth = 0;   // the expanded window as shortened for the shown month
  int ExpandedHeight = 0;

  // Formats the title; leave empty for the system locale.
  DateFormatter FormatDateText;
  // A date in `pattern` through FormatDateText, or with the system locale's names when it is empty;
  // every window that shows a date of this calendar goes through here so all show it alike.
  std::string FormatDateAs(const DateTime& when, std::string_view pattern) const;

  // ---------------------------------------------------------------- operations
  // Records today's date and its parts (start-up, and when the clock sees a new day).
  void SetToday(Date today);

  // Records the shown month and writes the title strip: "mmmm yyyy", or for the current month in
  // the Medium and Large sizes the present date (and time) in the user's formats.
  void ShowMonthTitle(Date shownDate, const Settings& settings);

  // Adds shift (0..6) to the first weekday (settings.FirstDay, wrapping past Saturday) and writes
  // the seven headings from it.
  void ShowWeekdayHeadings(int shift, Settings& settings);

  // Numbers and colours the 42 boxes for the month of shownDate, derives the month keys, works out
  // ExpandedHeight for four, five or six rows (the window's own height follows only while it is
  // expanded), then places the events (PlaceMonthEvents). Call ShowMonthTitle(shownDate) first:
  // today is marked only when ShownMonthDate is in the current month.
  // records: element 0 unused, events 1 .. eventCount, "" a deleted line.
  void FillMonthGrid(Date shownDate, const Settings& settings, const EventLines& records,
                     int eventCount);
  void FillMonthGrid(Date shownDate, const Settings& settings, const EventStore& events);

  // Adds every event of the shown month to its day or days. A pass adds to the boxes as they
  // stand; after a fill they start empty.
  void PlaceMonthEvents(const Settings& settings, const EventLines& records, int eventCount);
  void PlaceMonthEvents(const Settings& settings, const EventStore& events);

  // Writes event records[eventIndex] into the box of day `day` of the shown month; nothing when the
  // box lies outside the shown month or outside the grid.
  void AddEventToDay(const Settings& settings, const EventLines& records, int eventIndex,
                     int day);

  // Sizes of the calendar size style (0 Small, 1 Medium, 2 Large) and the size menu's checks, then
  // PositionGridControls. Any other style keeps the previous sizes and checks.
  void LayoutMonthGrid(int style);
  // Places every control, and works out FullWidth/FullHeight and ExpandedWidth/ExpandedHeight.
  // The window takes the expanded size; while CompactMode it stays the title strip.
  void PositionGridControls();
  // WindowLeft/WindowTop for position 0 (last place), 1 (centre), 2 (top centre), 3 (top left),
  // 4 (top right), the last four within the work area; any other keeps the last place.
  void PositionMainWindow(int position, const Settings& settings);

  // Which picture the 42 reminder icons show: reminders on or off.
  void ShowRemindersOnOff(const Settings& settings);

  // ---------------------------------------------------------------- reading the model
  // The box's text: each event placed on it after a line break, newest first, a "." before those
  // with a reminder and their "~" turned into line breaks, then the box's Caption. Built from the
  // lines as they were placed, the first time it is asked for after a pass: a busy month's text
  // runs to hundreds of kilobytes, and the window shows only its first lines (LeadingCellText).
  const std::string& DayCellText(int box) const;
  // The start of DayCellText(box): at most its first `events` events.
  std::string LeadingCellText(int box, std::size_t events) const;
  int BoxOfDay(int day) const { return GridOffset + day - 1; }
  // The day of the shown month in box `box`; outside 1 .. DaysInMonth for leading and trailing boxes.
  int DayOfBox(int box) const { return box - GridOffset + 1; }
  // The number box `box`'s day label shows, as the fill wrote it; 0 where it shows none.
  int DayNumberShownIn(int box) const;
  bool ShowsCurrentMonth() const;
  MonthShape Shape() const;
  // The o-th weekday w of the shown month (ordinal digits 8 First .. 4 Last); sets NthWeekRow.
  int NthWeekdayInShownMonth(int ordinal, int weekday);

 private:
  // A box during a placing pass: its lines found so far follow those it held, and are put in
  // front of them, newest first, once at the end of the pass.
  struct PassBox {
    std::size_t held = 0;        // entries of BoxLines before the pass
    bool firstReminder = false;  // the first event of the pass has a reminder
    bool anyReminder = false;    // some event of the pass has one
    bool touched = false;
  };

  // What every line of one pass is matched against.
  struct PassKeys {
    std::string_view monthKey;         // MonthKey
    std::string_view yearlyMonth;      // the first three characters of YearlyMonthKey
    int shownMonth = 0;                // month number of ShownMonthDate
  };

  void PlaceLine(const PassKeys& keys, std::string_view line, int index);
  void QueueEventOnDay(bool reminder, int index, int day);
  void FinishBox(const Settings& settings, int box);
  void FinishQueuedBoxes(const Settings& settings);

  // The text of the first `events` entries of BoxLines[box].
  std::string TextOfPlacedEvents(std::size_t box, std::size_t events) const;
  // The table the events are placed from; boxes placed from an earlier one keep their text.
  void PlaceFrom(const EventLines& records);

  std::array<PassBox, kDayBoxCount> pass_{};
  std::vector<int> boxesWithQueue_;
  // The table the boxes' events were placed from (a copy shares its lines), and how many entries
  // at the start of each BoxLines have their text there rather than in the Caption.
  EventLines placedFrom_;
  std::array<std::size_t, kDayBoxCount> placedCount_{};
  mutable std::array<std::optional<std::string>, kDayBoxCount> cellText_;
};

}  // namespace orlevant
