#include "mainwindow/day_text_label.h"

#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace orlevant {

FittingText::FittingText(const QString& text, const QFont& font, int width, int height) {
  if (width <= 0 || height <= 0) return;
  const QFontMetricsF metrics(font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setUseDesignMetrics(false);

  qreal y = 0;
  qsizetype start = 0;
  while (start <= text.size()) {
    // A line needs at least the font's height; below that nothing more can fit.
    if (y + metrics.height() > height) break;
    qsizetype end = text.indexOf(QLatin1Char('\n'), start);
    if (end < 0) end = text.size();
    // However long the paragraph, no more of it is laid out than the remaining lines can hold: a
    // character is at least a pixel wide.
    const auto linesLeft = static_cast<qsizetype>((height - y) / metrics.height()) + 1;
    qsizetype length = std::min(end - start, linesLeft * (width + 1));
    if (length > 0 && length < end - start && text.at(start + length - 1).isHighSurrogate()) --length;

    auto layout = std::make_unique<QTextLayout>(text.mid(start, length), font);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    bool full = false;
    for (;;) {
      QTextLine line = layout->createLine();
      if (!line.isValid()) break;
      line.setLineWidth(width);
      if (y + line.height() > height) {
        full = true;
        break;
      }
      line.setPosition(QPointF(0, y));
      y += line.height();
      placed_.push_back({layouts_.size(), line.lineNumber()});
    }
    layout->endLayout();
    laidOut_ += length;
    layouts_.push_back(std::move(layout));
    if (full) break;
    start = end + 1;
  }
}

std::vector<FittingText::Line> FittingText::Lines() const {
  std::vector<Line> lines;
  for (const Placed& p : placed_) {
    const QTextLayout& layout = *layouts_[p.layout];
    const QTextLine line = layout.lineAt(p.line);
    lines.push_back({layout.text().mid(line.textStart(), line.textLength()), line.y(), line.height()});
  }
  return lines;
}

void FittingText::Draw(QPainter& painter, QPointF origin) const {
  for (const Placed& p : placed_) layouts_[p.layout]->lineAt(p.line).draw(&painter, origin);
}

int MostLinesIn(const QFont& font, int height) {
  const qreal lineHeight = std::max<qreal>(1, QFontMetricsF(font).height() / 2);
  return static_cast<int>(std::max(0, height) / lineHeight) + 1;
}

std::string_view FirstLines(std::string_view text, int lines) {
  std::size_t at = 0;
  for (int n = 0; n < lines; ++n) {
    const std::size_t lineBreak = text.find_first_of("\r\n", at);
    if (lineBreak == std::string_view::npos) return text;
    at = lineBreak + (text.substr(lineBreak, 2) == "\r\n" ? 2 : 1);
  }
  return text.substr(0, at);
}

DayTextLabel::DayTextLabel(QWidget* parent) : QLabel(parent) {}

void DayTextLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  if (indent() > 0) {
    if (alignment() & Qt::AlignLeft) area.setLeft(area.left() + indent());
    if (alignment() & Qt::AlignRight) area.setRight(area.right() - indent());
    if (alignment() & Qt::AlignTop) area.setTop(area.top() + indent());
  }
  const FittingText fitting(text(), font(), area.width(), area.height());
  painter.setPen(palette().color(foregroundRole()));
  fitting.Draw(painter, area.topLeft());
}

}  // namespace orlevant
