#include "platform/locale_forms.h"

#include "core/case_mapping.h"

namespace orlevant {

namespace {

// A form that names itself (a "%X" whose time form is "%X") ends here instead of never.
constexpr int kMaxNesting = 4;

void AppendNumber(std::string& out, int value, int width, char pad) {
  const std::string digits = std::to_string(value);
  if (pad != 0 && static_cast<int>(digits.size()) < width) out.append(width - digits.size(), pad);
  out += digits;
}

void AppendForm(std::string& out, const DateTime& when, std::string_view form, const LocaleNames& names,
                int nesting) {
  if (nesting > kMaxNesting) return;
  const int year = YearOf(when.date);
  const int month = MonthOf(when.date);
  const auto weekday = static_cast<std::size_t>(WeekdayOf(when.date) - 1);
  const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (form[i] != '%' || i + 1 == form.size()) {
      out += form[i];
      continue;
    }
    std::size_t at = i + 1;
    const char flag = form[at] == '-' || form[at] == '_' || form[at] == '0' ? form[at++] : 0;
    while (at < form.size() && (form[at] == 'E' || form[at] == 'O')) ++at;
    if (at == form.size()) {
      out.append(form.substr(i));
      return;
    }
    const auto number = [&](int value, char pad) {
      const char fill = flag == '-' ? 0 : flag == '_' ? ' ' : flag == '0' ? '0' : pad;
      AppendNumber(out, value, 2, fill);
    };
    const auto nested = [&](std::string_view inner) { AppendForm(out, when, inner, names, nesting + 1); };
    switch (form[at]) {
      case 'a': out += names.shortWeekdays[weekday]; break;
      case 'A': out += names.weekdays[weekday]; break;
      case 'b':
      case 'h': out += names.shortMonths[static_cast<std::size_t>(month - 1)]; break;
      case 'B': out += names.months[static_cast<std::size_t>(month - 1)]; break;
      case 'C': number(year / 100, '0'); break;
      case 'd': number(DayOf(when.date), '0'); break;
      case 'e': number(DayOf(when.date), ' '); break;
      case 'm': number(month, '0'); break;
      case 'y': number(year % 100, '0'); break;
      case 'Y': AppendNumber(out, year, 0, 0); break;
      case 'H': number(when.hour, '0'); break;
      case 'k': number(when.hour, ' '); break;
      case 'I': number(hour12, '0'); break;
      case 'l': number(hour12, ' '); break;
      case 'M': number(when.minute, '0'); break;
      case 'S': number(when.second, '0'); break;
      case 'p': out += when.hour < 12 ? names.am : names.pm; break;
      case 'P':
        for (const char c : when.hour < 12 ? names.am : names.pm) out += AsciiLower(c);
        break;
      case 'D': nested("%m/%d/%y"); break;
      case 'F': nested("%Y-%m-%d"); break;
      case 'R': nested("%H:%M"); break;
      case 'T': nested("%H:%M:%S"); break;
      case 'r': nested(names.amPmTimeForm.empty() ? std::string_view("%I:%M:%S %p") : names.amPmTimeForm); break;
      case 'x': nested(names.dateForm); break;
      case 'X': nested(names.timeForm); break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '%': out += '%'; break;
      case 'Z':
      case 'z': break;
      default: out.append(form.substr(i, at - i + 1)); break;
    }
    i = at;
  }
}

}  // namespace

std::string FormatLocaleForm(const DateTime& when, std::string_view form, const LocaleNames& names) {
  std::string out;
  AppendForm(out, when, form, names, 0);
  return out;
}

std::string FormatGeneralDate(const DateTime& when, bool withDate, const LocaleNames& names) {
  std::string text = withDate ? FormatLocaleForm(when, names.dateForm, names) : std::string();
  if (!text.empty()) text += ' ';
  return text + FormatLocaleForm(when, names.timeForm, names);
}

}  // namespace orlevant
