#pragma once
// The event text of a day box. A busy day holds far more text than its box can show, and a label
// that laid out the whole text on every paint would spend most of the start on lines nobody sees.
// This label lays out and draws only the whole lines that fit; a line that would be cut at the
// bottom is left out, never shown in half. The month painter gives it only the first lines of the
// day's text, as many as its box could show.

#include <QLabel>
#include <QString>
#include <QTextLayout>

#include <memory>
#include <vector>

namespace orlevant {

// The lines of a text wrapped to `width` pixels that fit, whole, into `height` pixels, laid out
// from the top. Line breaks ("\n") start new lines; long words break where they must.
class FittingText {
 public:
  FittingText(const QString& text, const QFont& font, int width, int height);

  struct Line {
    QString text;
    qreal top = 0;
    qreal height = 0;
  };
  // With `markCut`, a text cut short (more than blanks and line breaks follow the lines that fit)
  // ends its last line in an ellipsis, which takes the place of the line's last characters where
  // the line is full.
  std::vector<Line> Lines(bool markCut = false) const;
  // How many characters of the text were laid out in all: those of the lines shown, and at most one
  // line's worth more where the next line was found not to fit.
  qsizetype CharactersLaidOut() const { return laidOut_; }

  void Draw(QPainter& painter, QPointF origin, bool markCut = false) const;

 private:
  struct Placed {
    std::size_t layout;
    int line;
    qreal shift;  // from the line's place in its layout to its place here
  };
  // Short paragraphs are shared with other boxes that show the same event.
  std::vector<std::shared_ptr<const QTextLayout>> layouts_;
  QString MarkedCut(const QString& line) const;

  std::vector<Placed> placed_;
  qsizetype laidOut_ = 0;
  bool cut_ = false;
  QFont font_;
  int width_ = 0;
};

// The most lines a box `height` pixels high can show in `font`, however the desktop's fonts fall
// back: no line is allowed less than half the font's height.
int MostLinesIn(const QFont& font, int height);

class DayTextLabel : public QLabel {
  Q_OBJECT

 public:
  explicit DayTextLabel(QWidget* parent = nullptr);

  // The hover pop-ups mark a cut with an ellipsis, so that the user sees the text goes on; a day
  // box leaves its text as it is, since the pop-up and the entry dialog show more of it.
  void SetMarksCut(bool marks) { marksCut_ = marks; }
  // The lines as the label draws them.
  std::vector<FittingText::Line> ShownLines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect TextArea() const;

  bool marksCut_ = false;
};

// A dialog's label for an event's text. An event text may be one word of thousands of letters: the
// label wraps it where it must, ends a cut text in an ellipsis, and never widens its dialog, whose
// buttons would otherwise stand past the edge of the screen.
DayTextLabel* NewEventTextLabel(QWidget* parent, const char* name);

}  // namespace orlevant
