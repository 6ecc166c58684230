#include "printing/print_job.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

#include "monthview/events_list.h"
#include "platform/qt/twips.h"
#include "printing/printer_source.h"

namespace orlevant {

namespace {

constexpr int kTwipsPerPoint = 20;
constexpr int kListPointSize = 12;

QString FileRefusal(const QString& path) { return QStringLiteral("The file \"%1\" could not be written.").arg(path); }

QString RefusalReason(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) return FileRefusal(printer.outputFileName());
  return QStringLiteral("The printer \"%1\" did not accept the job.").arg(printer.printerName());
}

}  // namespace

QPixmap CaptureWindow(QWidget& source) { return source.grab(); }

QSize PrintableTwips(const QPagedPaintDevice& page) {
  const QRectF points = page.pageLayout().paintRect(QPageLayout::Point);
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

namespace {

// The pages of the job on the device; `refusal` is what the user is told when the device fails.
PrintResult PrintPages(QPagedPaintDevice& device, const QString& refusal, const MonthPrint& job) {
  const QPixmap& picture = job.picture;
  const PrintChoice& choice = job.choice;
  PrintResult result;
  const QSize page = PrintableTwips(device);
  const QSize pictureTwips = PixelsToTwips(picture.deviceIndependentSize().toSize());
  const auto placed = PlacePictureOnPage(choice.position, choice.centring, page.width(), page.height(),
                                         pictureTwips.width(), pictureTwips.height());
  if (!placed) {
    result.error = QStringLiteral("There is no room on the page for the calendar.");
    return result;
  }

  result.placed = *placed;

  QPainter painter;
  if (!painter.begin(&device)) {
    result.error = refusal;
    return result;
  }
  const double perTwip = device.logicalDpiY() / 1440.0;
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
    const QFontMetricsF metrics(body, &device);
    const double bodyAscent = metrics.ascent();
    const double headingAscent = QFontMetricsF(heading, &device).ascent();
    const double lineWidth = dev(page.width() - kEventsListLeft);

    // The heading, then each day's line, broken where it is wider than the page.
    struct PrintedLine {
      QString text;
      bool heading;
    };
    std::vector<PrintedLine> lines{{QString::fromUtf8(kEventsListHeading), true}};
    for (const std::string& line : job.listLines) {
      for (const QString& part : WrapToWidth(QString::fromStdString(line), metrics, lineWidth))
        lines.push_back({part, false});
    }
    const int lineHeight = static_cast<int>(std::ceil(metrics.lineSpacing() / perTwip));
    const auto places = PlaceListLines(static_cast<int>(lines.size()), lineHeight, placed->EventsListTop,
                                       placed->EventsListBottom, page.height());
    int pageIndex = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      while (pageIndex < places[i].Page) {
        if (!device.newPage()) {
          painter.end();
          result.error = refusal;
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

  if (!painter.end()) {
    result.error = refusal;
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace

PrintResult PrintOnPrinter(QPrinter& printer, const std::optional<PrintSystem>& server, const MonthPrint& job) {
  printer.setDocName(job.name);
  PrintResult result = PrintPages(printer, RefusalReason(printer), job);
  if (!result.ok) return result;
  // The server's answer first: any further request to it would replace the answer to the job.
  if (const auto refusal = server ? JobRefusal(*server, printer.printerName()) : std::nullopt) {
    result.ok = false;
    result.error = *refusal;
  } else if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
    result.ok = false;
    result.error = RefusalReason(printer);
  }
  return result;
}

PrintResult PrintToNewPdf(const QString& folder, const QPrinter& settings, const MonthPrint& job) {
  PrintResult result;
  NewFile pdf = CreateNewPdf(folder, job.name);
  if (!pdf.file) {
    result.error = pdf.error;
    return result;
  }
  {
    QPdfWriter writer(pdf.file.get());
    writer.setTitle(job.name);
    writer.setPageLayout(settings.pageLayout());
    writer.setResolution(settings.resolution());
    result = PrintPages(writer, FileRefusal(pdf.path), job);
  }
  // The writer does not check its writes: a full disk shows only on the file.
  if (result.ok && (!pdf.file->flush() || pdf.file->error() != QFileDevice::NoError)) {
    result.ok = false;
    result.error = FileRefusal(pdf.path) + QLatin1Char(' ') + pdf.file->errorString();
  }
  if (!result.ok) {
    DiscardNewFile(pdf);
    return result;
  }
  pdf.file->close();
  result.pdfPath = pdf.path;
  return result;
}

}  // namespace orlevant
