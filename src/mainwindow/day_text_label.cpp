#include "mainwindow/day_text_label.h"

#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace orlevant {

namespace {

// A paragraph short enough to be laid out whole, once, and kept: the same events recur down a
// column of the month (each weekly event on every row) and from one repaint to the next.
constexpr qsizetype kKeptParagraphLength = 256;
constexpr std::size_t kKeptParagraphs = 1024;

QTextOption WrappingOption() {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setUseDesignMetrics(false);
  return option;
}

// `paragraph` laid out whole at `width` in `font`, its lines one under the other from 0.
// `look` names the font and width.
std::shared_ptr<const QTextLayout> KeptParagraph(QStringView paragraph, const QFont& font, int width,
                                                 const QString& look) {
  static std::unordered_map<QString, std::shared_ptr<const QTextLayout>> kept;
  QString key = look;
  key += paragraph;
  if (const auto found = kept.find(key); found != kept.end()) return found->second;
  if (kept.size() >= kKeptParagraphs) kept.clear();
  auto layout = std::make_shared<QTextLayout>(paragraph.toString(), font);
  layout->setTextOption(WrappingOption());
  layout->setCacheEnabled(true);
  layout->beginLayout();
  qreal y = 0;
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout->endLayout();
  kept.emplace(std::move(key), layout);
  return layout;
}

}  // namespace

FittingText::FittingText(const QString& text, const QFont& font, int width, int height) : font_(font), width_(width) {
  if (width <= 0 || height <= 0) {
    cut_ = !text.trimmed().isEmpty();
    return;
  }
  const QFontMetricsF metrics(font);
  const QTextOption option = WrappingOption();
  const QString look = font.key() + QLatin1Char('\x1f') + QString::number(width) + QLatin1Char('\x1f');

  qreal y = 0;
  qsizetype start = 0;
  qsizetype shownEnd = 0;  // where the text of the last line shown ends
  while (start <= text.size()) {
    // A line needs at least the font's height; below that nothing more can fit.
    if (y + metrics.height() > height) break;
    qsizetype end = text.indexOf(QLatin1Char('\n'), start);
    if (end < 0) end = text.size();

    bool full = false;
    if (end - start <= kKeptParagraphLength) {
      const std::shared_ptr<const QTextLayout> layout = KeptParagraph(QStringView(text).mid(start, end - start), font, width, look);
      for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        if (y + line.height() > height) {
          full = true;
          break;
        }
        placed_.push_back({layouts_.size(), i, y - line.y()});
        y += line.height();
        shownEnd = start + line.textStart() + line.textLength();
      }
      laidOut_ += end - start;
      layouts_.push_back(layout);
    } else {
      // However long the paragraph, no more of it is laid out than the remaining lines can hold: a
      // character is at least a pixel wide.
      const auto linesLeft = static_cast<qsizetype>((height - y) / metrics.height()) + 1;
      qsizetype length = std::min(end - start, linesLeft * (width + 1));
      if (length > 0 && length < end - start && text.at(start + length - 1).isHighSurrogate()) --length;

      auto layout = std::make_shared<QTextLayout>(text.mid(start, length), font);
      layout->setTextOption(option);
      layout->setCacheEnabled(true);
      layout->beginLayout();
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
        placed_.push_back({layouts_.size(), line.lineNumber(), 0});
        shownEnd = start + line.textStart() + line.textLength();
      }
      layout->endLayout();
      laidOut_ += length;
      layouts_.push_back(std::move(layout));
    }
    if (full) break;
    start = end + 1;
  }
  cut_ = !QStringView(text).mid(shownEnd).trimmed().isEmpty();
}

QString FittingText::MarkedCut(const QString& line) const {
  QStringView kept(line);
  while (!kept.isEmpty() && kept.back().isSpace()) kept.chop(1);
  return QFontMetrics(font_).elidedText(kept.toString() + QChar(0x2026), Qt::ElideRight, width_);
}

std::vector<FittingText::Line> FittingText::Lines(bool markCut) const {
  std::vector<Line> lines;
  for (const Placed& p : placed_) {
    const QTextLayout& layout = *layouts_[p.layout];
    const QTextLine line = layout.lineAt(p.line);
    lines.push_back({layout.text().mid(line.textStart(), line.textLength()), line.y() + p.shift, line.height()});
  }
  if (markCut && cut_ && !lines.empty()) lines.back().text = MarkedCut(lines.back().text);
  return lines;
}

void FittingText::Draw(QPainter& painter, QPointF origin, bool markCut) const {
  const bool marking = markCut && cut_ && !placed_.empty();
  for (std::size_t i = 0; i + (marking ? 1 : 0) < placed_.size(); ++i) {
    const Placed& p = placed_[i];
    layouts_[p.layout]->lineAt(p.line).draw(&painter, origin + QPointF(0, p.shift));
  }
  if (!marking) return;
  const Placed& last = placed_.back();
  const QTextLayout& layout = *layouts_[last.layout];
  const QTextLine line = layout.lineAt(last.line);
  painter.save();
  painter.setFont(font_);
  painter.drawText(origin + QPointF(line.x(), line.y() + last.shift + line.ascent()),
                   MarkedCut(layout.text().mid(line.textStart(), line.textLength())));
  painter.restore();
}

int MostLinesIn(const QFont& font, int height) {
  const qreal lineHeight = std::max<qreal>(1, QFontMetricsF(font).height() / 2);
  return static_cast<int>(std::max(0, height) / lineHeight) + 1;
}

DayTextLabel::DayTextLabel(QWidget* parent) : QLabel(parent) {}

QRect DayTextLabel::TextArea() const {
  QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  if (indent() > 0) {
    if (alignment() & Qt::AlignLeft) area.setLeft(area.left() + indent());
    if (alignment() & Qt::AlignRight) area.setRight(area.right() - indent());
    if (alignment() & Qt::AlignTop) area.setTop(area.top() + indent());
  }
  return area;
}

std::vector<FittingText::Line> DayTextLabel::ShownLines() const {
  const QRect area = TextArea();
  return FittingText(text(), font(), area.width(), area.height()).Lines(marksCut_);
}

void DayTextLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect area = TextArea();
  const FittingText fitting(text(), font(), area.width(), area.height());
  painter.setPen(palette().color(foregroundRole()));
  fitting.Draw(painter, area.topLeft(), marksCut_);
}

DayTextLabel* NewEventTextLabel(QWidget* parent, const char* name) {
  auto* label = new DayTextLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->SetMarksCut(true);
  label->setWordWrap(true);
  // Its width is what the dialog's other controls leave it; its height follows its lines.
  QSizePolicy policy = label->sizePolicy();
  policy.setHorizontalPolicy(QSizePolicy::Ignored);
  label->setSizePolicy(policy);
  return label;
}

}  // namespace orlevant
