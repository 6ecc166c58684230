#include "printing/print_job.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

#include "monthview/events_list.h"
#include "platform/qt/twips.h"

namespace orlevant {

namespace {

constexpr int kTwipsPerPoint = 20;
constexpr int kListPointSize = 12;

QString RefusalReason(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat)
    return QStringLiteral("The file \"%1\" could not be written.").arg(printer.outputFileName());
  return QStringLiteral("The printer \"%1\" did not accept the job.").arg(printer.printerName());
}

}  // namespace

QPixmap CaptureWindow(QWidget& source) { return source.grab(); }

QSize PrintableTwips(const QPrinter& printer) {
  const QRectF points = printer.pageLayout().paintRect(QPageLayout::Point);
  return {static_cast<int>(std::lround(points.width() * kTwipsPerPoint)),
          static_cast<int>(std::lround(points.height() * kTwipsPerPoint))};
}

namespace {

// The longest start of text that fits, at least one character and never half of a surrogate pair
// (half a character prints as a stray mark). Grown by doubling, then narrowed by halving, so a
// piece costs measures about as long as itself however long the word is: measuring every shorter
// start from the word's full length down took half a minute for a pasted word of 4000 letters.
template <typename Fits>
qsizetype FittingStart(QStringView text, const Fits& fits) {
  const qsizetype size = text.size();
  qsizetype good = 1;      // fits, or the one character a piece always takes
  qsizetype bad = size + 1;
  for (qsizetype n = 2; good < size; n *= 2) {
    const qsizetype probe = std::min(n, size);
    if (!fits(text.left(probe))) {
      bad = probe;
      break;
    }
    good = probe;
  }
  while (bad - good > 1) {
    const qsizetype middle = good + (bad - good) / 2;
    (fits(text.left(middle)) ? good : bad) = middle;
  }
  if (good < size && good > 1 && text[good - 1].isHighSurrogate()) --good;
  return good;
}

}  // namespace

QStringList WrapToWidth(const QString& text, const QFontMetricsF& metrics, double width) {
  QStringList lines;
  QString line;
  auto fits = [&](QStringView s) { return metrics.horizontalAdvance(s.toString()) <= width; };
  const QStringList words = text.split(QLatin1Char(' '));
  for (qsizetype w = 0; w < words.size(); ++w) {
    const QString& word = words[w];
    if (w > 0) {
      QString joined = line + QLatin1Char(' ') + word;
      if (fits(joined)) {
        line = std::move(joined);
        continue;
      }
      lines << line;
    }
    line = word;
    if (line.size() <= 1 || fits(line)) continue;
    // A word wider than the line on its own is broken where it must be.
    QStringView rest(line);
    for (qsizetype n = FittingStart(rest, fits); n < rest.size(); n = FittingStart(rest, fits)) {
      lines << rest.left(n).toString();
      rest = rest.mid(n);
    }
    line = rest.toString();
  }
  lines << line;
  return lines;
}

PrintResult PrintMonth(QPrinter& printer, const QPixmap& picture, const std::vector<std::string>& listLines,
                       const PrintChoice& choice) {
  PrintResult result;
  const QSize page = PrintableTwips(printer);
  const QSize pictureTwips = PixelsToTwips(picture.deviceIndependentSize().toSize());
  const auto placed = PlacePictureOnPage(choice.position, choice.centring, page.width(), page.height(),
                                         pictureTwips.width(), pictureTwips.height());
  if (!placed) {
    result.error = QStringLiteral("There is no room on the page for the calendar.");
    return result;
  }

  result.placed = *placed;

  QPainter painter;
  if (!painter.begin(&printer)) {
    result.error = RefusalReason(printer);
    return result;
  }
  const double perTwip = printer.resolution() / 1440.0;
  auto dev = [perTwip](double twips) { return twips * perTwip; };

  painter.setRenderHint(QPainter::SmoothPixmapTransform, placed->Scaled);
  painter.drawPixmap(QRectF(dev(placed->Left), dev(placed->Top), dev(placed->Width), dev(placed->Height)), picture,
                     QRectF(picture.rect()));
  result.pages = 1;

  if (choice.withList && placed->ListAllowed) {
    QFont body = painter.font();
    body.setPointSize(kListPointSize);
    body.setBold(false);
    QFont heading = body;
    heading.setBold(true);
    const QFontMetricsF metrics(body, &printer);
    const double bodyAscent = metrics.ascent();
    const double headingAscent = QFontMetricsF(heading, &printer).ascent();
    const double lineWidth = dev(page.width() - kEventsListLeft);

    // The heading, then each day's line, broken where it is wider than the page.
    struct PrintedLine {
      QString text;
      bool heading;
    };
    std::vector<PrintedLine> lines{{QString::fromUtf8(kEventsListHeading), true}};
    for (const std::string& line : listLines) {
      for (const QString& part : WrapToWidth(QString::fromStdString(line), metrics, lineWidth))
        lines.push_back({part, false});
    }
    const int lineHeight = static_cast<int>(std::ceil(metrics.lineSpacing() / perTwip));
    const auto places = PlaceListLines(static_cast<int>(lines.size()), lineHeight, placed->EventsListTop,
                                       placed->EventsListBottom, page.height());
    int pageIndex = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      while (pageIndex < places[i].Page) {
        if (!printer.newPage()) {
          painter.end();
          result.error = RefusalReason(printer);
          return result;
        }
        ++pageIndex;
        ++result.pages;
      }
      painter.setFont(lines[i].heading ? heading : body);
      const double ascent = lines[i].heading ? headingAscent : bodyAscent;
      painter.drawText(QPointF(dev(kEventsListLeft), dev(places[i].Top) + ascent), lines[i].text);
    }
  }

  if (!painter.end() || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
    result.error = RefusalReason(printer);
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace orlevant
