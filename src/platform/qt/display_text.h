#pragma once
// Texts the program builds break their lines with CR LF; Qt breaks lines with LF alone and would show
// a lone CR as a stray mark. Every window that shows such a text shows it through DisplayText, as
// plain text.

#include <QString>

#include <string_view>

namespace orlevant {

// One pass over the text: a busy day's text runs to many kilobytes and is shown on every redraw.
inline QString DisplayText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (!s.contains(QLatin1Char('\r'))) return s;
  QChar* d = s.data();
  const qsizetype n = s.size();
  qsizetype w = 0;
  for (qsizetype r = 0; r < n; ++r) {
    if (d[r] == QLatin1Char('\r')) {
      d[w++] = QLatin1Char('\n');
      if (r + 1 < n && d[r + 1] == QLatin1Char('\n')) ++r;
    } else {
      d[w++] = d[r];
    }
  }
  s.truncate(w);
  return s;
}

}  // namespace orlevant
