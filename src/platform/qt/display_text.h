#pragma once
// Texts the program builds break their lines with CR LF; Qt breaks lines with LF alone and would show
// a lone CR as a stray mark. Every window that shows such a text shows it through DisplayText, as
// plain text, and a text that holds what a user typed or a setting through DisplayPart.

#include <QString>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/shown_text.h"

namespace orlevant {

// One pass over the text: a busy day's text runs to many kilobytes and is shown on every redraw.
inline QString DisplayText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  qsizetype r = s.indexOf(QLatin1Char('\r'));
  if (r < 0) return s;
  QChar* d = s.data();
  const qsizetype n = s.size();
  qsizetype w = r;
  // d[r] is a CR: it becomes an LF (an LF after it goes), and the run up to the next CR moves down
  // whole; the runs are whole event texts.
  while (r < n) {
    d[w++] = QLatin1Char('\n');
    if (++r < n && d[r] == QLatin1Char('\n')) ++r;
    const qsizetype runEnd = std::find(d + r, d + n, QLatin1Char('\r')) - d;
    std::memmove(static_cast<void*>(d + w), d + r, static_cast<std::size_t>(runEnd - r) * sizeof(QChar));
    w += runEnd - r;
    r = runEnd;
  }
  s.truncate(w);
  return s;
}

// What a window shows of a text that holds an event's text or a setting (ShownPart), as DisplayText.
inline QString DisplayPart(std::string_view text) { return DisplayText(ShownPart(text)); }

}  // namespace orlevant
