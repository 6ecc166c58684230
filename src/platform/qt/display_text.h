#pragma once
// Texts the program builds break their lines with CR LF; Qt breaks lines with LF alone and would show
// a lone CR as a stray mark. Every window that shows such a text shows it through DisplayText, as
// plain text.

#include <QString>

#include <string_view>

namespace orlevant {

inline QString DisplayText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

}  // namespace orlevant
