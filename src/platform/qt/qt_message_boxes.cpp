#include "platform/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QCursor>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTextDocument>

#include <algorithm>
#include <limits>

#include "platform/qt/display_text.h"
#include "platform/qt/fixed_dialog_frame.h"

namespace orlevant {

namespace {

QMessageBox::Icon IconFor(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None: return QMessageBox::NoIcon;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton first;   // default: the first button, as Enter has always answered
  QMessageBox::StandardButton escape;  // the answer of Escape and of closing the box
};

ButtonSet ButtonsFor(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
    case MsgButtons::OkCancel:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MsgButtons::YesNo: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case MsgButtons::YesNoCancel:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel};
  }
  return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

MsgAnswer AnswerForButton(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
  }
}

QRect AvailableArea(const QWidget* parent) {
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::screenAt(QCursor::pos());
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// A box wider than this is narrowed by the message box itself, which then breaks words apart.
int BoxLimit(const QRect& area) { return area.width() <= 1024 ? area.width() : std::min(area.width() - 480, 1000); }

// The widest a box grows for its title or its lines: two thirds of the screen, within that limit.
int WidestBox(const QRect& area) { return std::min(area.width() * 2 / 3, BoxLimit(area)); }

// Puts a text that would not fit on the screen into a scrollable, read-only area in the place of
// the box's own text label. A box taller than the screen would put its buttons out of reach.
// True when it did.
bool ScrollLongText(QMessageBox& box, const QString& shown, const QRect& area) {
  const QFontMetrics metrics(box.font());
  const int maxWidth = std::max(100, std::min(area.width() * 2 / 3, BoxLimit(area) - 120));
  const int maxHeight = std::max(80, area.height() * 2 / 3);
  const QRect natural = metrics.boundingRect(QRect(0, 0, maxWidth, std::numeric_limits<int>::max() / 4),
                                             Qt::TextWordWrap | Qt::TextExpandTabs, shown);
  if (natural.height() <= maxHeight && natural.width() <= maxWidth) return false;

  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  const int index = label && grid ? grid->indexOf(label) : -1;
  if (index < 0) return false;
  int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
  grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);

  auto* text = new QPlainTextEdit(&box);
  text->setObjectName(QStringLiteral("txtMessage"));
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text->setPlainText(shown);
  const int chrome = 2 * text->frameWidth() + 2 * static_cast<int>(text->document()->documentMargin()) + 4;
  const int scrollBar = text->verticalScrollBar()->sizeHint().width();
  const int width = std::min(maxWidth, natural.width() + chrome + scrollBar);
  // The area breaks a word wider than itself anywhere, on lines of their own: they are given room
  // as far as the screen allows.
  const QRect room(0, 0, width - chrome - scrollBar, std::numeric_limits<int>::max() / 4);
  const QRect broken = metrics.boundingRect(room, Qt::TextWrapAnywhere | Qt::TextExpandTabs, shown);
  const int height = std::min(maxHeight, std::max(natural.height(), broken.height()) + chrome);
  text->setFixedSize(width, height);

  grid->removeWidget(label);
  label->hide();
  grid->addWidget(text, row, column, rowSpan, columnSpan);
  return true;
}

// The lines of a box's text end where the text ends them, widened by their trailing blanks. Left
// to itself the message box wraps every line at half the screen or 500 pixels, so a long line
// breaks once more and leaves a short piece on a line of its own. The text gets the width of its
// longest line, within the widest a box may be; a longer line still wraps there.
void WidenForLines(QMessageBox& box, const QRect& area) {
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (!label || !box.layout()) return;
  const QFontMetrics metrics(label->font());
  int longest = 0;
  for (const QString& line : label->text().split(QLatin1Char('\n')))
    longest = std::max(longest, metrics.horizontalAdvance(line));
  // A character's worth more, so that rounding in the label's own layout never breaks the line.
  const int width = longest + metrics.averageCharWidth();
  label->setMinimumWidth(width);
  box.layout()->activate();
  const int excess = box.layout()->totalMinimumSize().width() - WidestBox(area);
  if (excess > 0) label->setMinimumWidth(std::max(0, width - excess));
}

// A box as narrow as its text lets the window manager cut its title short ("Orlevant 3.1 ...oday's
// Event"), and the title often says what the box is about. The box is made wide enough for the
// title and the frame's buttons, never wider than the widest box.
void WidenForTitle(QMessageBox& box, const QRect& area) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  QFont titleFont = box.font();
  titleFont.setBold(true);
  constexpr int kFrameButtonsAndMargins = 140;  // pixels: the frame's icon and buttons, both margins
  const int wanted = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kFrameButtonsAndMargins;
  const int width = std::min(wanted, WidestBox(area));
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                grid->columnCount());
}

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(MsgIcon icon, MsgButtons buttons, const std::string& title,
                                             const std::string& text, QWidget* parent,
                                             std::optional<QRect> screenArea) {
  auto box = std::make_unique<QMessageBox>(parent);
  UseFixedDialogFrame(*box);
  box->setIcon(IconFor(icon));
  box->setWindowTitle(QString::fromStdString(title));
  box->setTextFormat(Qt::PlainText);
  box->setText(DisplayPart(text));
  const ButtonSet set = ButtonsFor(buttons);
  box->setStandardButtons(set.buttons);
  box->setDefaultButton(set.first);
  box->setEscapeButton(set.escape);
  const QRect area = screenArea.value_or(AvailableArea(parent));
  if (!ScrollLongText(*box, box->text(), area)) WidenForLines(*box, area);
  WidenForTitle(*box, area);
  return box;
}

MsgAnswer AnswerOf(const QMessageBox& box, MsgButtons buttons) {
  QAbstractButton* clicked = box.clickedButton();
  if (!clicked) clicked = box.escapeButton();
  const QMessageBox::StandardButton button = box.standardButton(clicked);
  return button == QMessageBox::NoButton ? AnswerForButton(ButtonsFor(buttons).escape) : AnswerForButton(button);
}

MsgAnswer QtMessageBoxes::Show(MsgIcon icon, MsgButtons buttons, const std::string& title,
                               const std::string& text) {
  QWidget* parent = parent_ && parent_->isVisible() ? parent_.data() : nullptr;
  const std::unique_ptr<QMessageBox> box = BuildMessageBox(icon, buttons, title, text, parent);
  box->exec();
  return AnswerOf(*box, buttons);
}

}  // namespace orlevant
