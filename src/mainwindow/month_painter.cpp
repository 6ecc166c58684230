#include "mainwindow/month_painter.h"

#include <QAction>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>
#include <string_view>

#include "mainwindow/day_text_label.h"
#include "mainwindow/frm_main.h"
#include "monthview/month_pixels.h"
#include "monthview/month_view.h"
#include "platform/qt/bgr_colour.h"
#include "platform/qt/display_text.h"
#include "platform/qt/twips.h"

namespace orlevant {

namespace {

QRect PxRect(const TwipRect& r) { return TwipsToPixels(QRect(r.Left, r.Top, r.Width, r.Height)); }

// The lines of a tooltip that fit on the label's screen, the tip's own frame left aside.
int ToolTipLines(const QWidget& label) {
  const QScreen* screen = label.screen();
  const int height = screen ? screen->geometry().height() : 600;
  return std::max(1, height / std::max(1, QFontMetrics(QToolTip::font()).lineSpacing()) - 2);
}

// Tooltips are shown as rich text when they look like markup; an event's text must never be taken
// for markup, so it is escaped and marked as text with its blanks and line breaks kept. A busy day
// has more lines than a screen: only those that fit on the label's screen are kept.
QString PlainToolTip(std::string_view text, const QWidget& label) {
  if (text.empty()) return {};
  QString tip = DisplayPart(FirstLines(text, ToolTipLines(label))).toHtmlEscaped();
  tip.replace(QLatin1Char('\n'), QLatin1String("<br>"));
  return QLatin1String("<p style='white-space:pre'>") + tip + QLatin1String("</p>");
}

constexpr int kDayIndent = 2;       // pixels between the border and the day number
constexpr int kRoomyDayHeight = 13;  // a day label at least this high has room above its number

QRect PxRect(const PixelRect& r) { return {r.x, r.y, r.width, r.height}; }

// A label whose tooltip text is the same as that of `sameToolTipAs` takes that label's tooltip as
// it stands instead of converting and escaping the text again. `caption` is what the label shows
// of the model's caption.
void PaintLabel(QLabel* label, const LabelState& state, const QRect& geometry, std::string_view caption,
                MonthPainter::ShownText* shown = nullptr, const QLabel* sameToolTipAs = nullptr) {
  QPalette pal = label->palette();
  const QColor back = ColourFromBgr(state.BackColor);
  const QColor fore = ColourFromBgr(state.ForeColor);
  pal.setColor(QPalette::Window, back);
  pal.setColor(QPalette::Active, QPalette::WindowText, fore);
  pal.setColor(QPalette::Inactive, QPalette::WindowText, fore);
  // A box outside the shown month shows its number greyed, whatever the text colour.
  pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  label->setPalette(pal);
  label->setAutoFillBackground(state.Opaque);
  label->setEnabled(state.Enabled);
  // A busy day's text runs to many kilobytes; it is converted again only when it has changed.
  if (!shown || shown->caption != caption) label->setText(DisplayPart(caption));
  if (!shown || shown->toolTip != state.ToolTipText)
    label->setToolTip(sameToolTipAs ? sameToolTipAs->toolTip() : PlainToolTip(state.ToolTipText, *label));
  if (shown) {
    shown->caption.assign(caption);
    if (shown->toolTip != state.ToolTipText) shown->toolTip = state.ToolTipText;
  }
  label->setGeometry(geometry);
  label->setVisible(state.Visible);
}

void PaintLabel(QLabel* label, const LabelState& state, const QRect& geometry,
                MonthPainter::ShownText* shown = nullptr, const QLabel* sameToolTipAs = nullptr) {
  PaintLabel(label, state, geometry, state.Caption, shown, sameToolTipAs);
}

void PaintLabel(QLabel* label, const LabelState& state) { PaintLabel(label, state, PxRect(state.Geometry)); }

}  // namespace

QPixmap ReminderPicture(int picture) {
  QPixmap pixmap(5, 5);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(picture == kReminderOnPicture ? QColor(0x1E, 0xA0, 0x3C) : QColor(0xD0, 0x30, 0x28));
  p.drawEllipse(QRectF(0, 0, 5, 5));
  return pixmap;
}

QPixmap TipsPicture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2F, 0x6D, 0xB5));
  p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(size * 3 / 4);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
  return pixmap;
}

void MonthPainter::DrawMonth(MonthView& m) {
  DrawWindowGeometry(m);
  DrawTitle(m);
  const MonthPixels px = LayOutMonthPixels(m);
  DrawHeadings(m, px);
  DrawBoxes(m, px);
  DrawReminderIcons(m, px);
  DrawSizeChecks(m);
}

void MonthPainter::DrawWindowGeometry(MonthView& m) {
  const QSize size(std::max(1, TwipsToPixels(m.WindowWidth)), std::max(1, TwipsToPixels(m.WindowHeight)));
  if (window_.size() != size || window_.minimumSize() != size || window_.maximumSize() != size)
    window_.setFixedSize(size);
  const Place asked{m.WindowLeft, m.WindowTop, m.Placements};
  const QPoint target(TwipsToPixels(m.WindowLeft), TwipsToPixels(m.WindowTop));
  if (drawnPlace_ == asked) {
    if (window_.pos() != target) {
      m.WindowLeft = PixelsToTwips(window_.pos().x());
      m.WindowTop = PixelsToTwips(window_.pos().y());
    }
  } else if (window_.pos() != target) {
    window_.move(target);
  }
  drawnPlace_ = Place{m.WindowLeft, m.WindowTop, m.Placements};
}

void MonthPainter::DrawTitle(const MonthView& m) {
  // The clock draws the title every second, and mostly only its text has moved on: the arrows and
  // the tips icon are drawn again only when the model changed them.
  PaintLabel(window_.lblDate(), m.lblDate, PxRect(m.lblDate.Geometry), &shownTitle_);
  if (drawnArrows_ != std::pair{m.lblPreviousMonth, m.lblNextMonth}) {
    drawnArrows_ = std::pair{m.lblPreviousMonth, m.lblNextMonth};
    // The arrows keep their "<" and ">": only their look and place come from the model.
    LabelState previous = m.lblPreviousMonth;
    LabelState next = m.lblNextMonth;
    previous.Caption = "<";
    next.Caption = ">";
    PaintLabel(window_.lblPreviousMonth(), previous);
    PaintLabel(window_.lblNextMonth(), next);
  }
  if (drawnTips_ != m.imgQMark) {
    drawnTips_ = m.imgQMark;
    QLabel* tips = window_.imgQMark();
    tips->setGeometry(PxRect(m.imgQMark.Geometry));
    tips->setVisible(m.imgQMark.Visible);
    tips->raise();
  }
}

void MonthPainter::DrawHeadings(const MonthView& m, const MonthPixels& px) {
  for (int i = 0; i < kWeekdayCount; ++i) {
    const auto c = static_cast<std::size_t>(i);
    PaintLabel(window_.lblWeek(i), m.lblWeek[c], PxRect(px.headings[c]));
  }
}

void MonthPainter::DrawBoxes(const MonthView& m, const MonthPixels& px) {
  for (int i = 0; i < kDayBoxCount; ++i) {
    const auto b = static_cast<std::size_t>(i);
    QLabel* data = window_.lblData(i);
    const QRect box = PxRect(px.boxes[b]);
    // Every event takes at least one line: no more events than lines are looked at.
    const int lines = MostLinesIn(data->font(), box.height());
    const std::string start = m.LeadingCellText(i, static_cast<std::size_t>(lines));
    PaintLabel(data, m.lblData[b], box, FirstLines(start, lines), &shownText_[b]);
    QLabel* day = window_.lblDay(i);
    // The number's tooltip is its box's: a busy day's runs to many kilobytes, so it is made once
    // for both, and again only when it has changed.
    const bool sameToolTip = m.lblDay[b].ToolTipText == m.lblData[b].ToolTipText;
    PaintLabel(day, m.lblDay[b], PxRect(px.days[b]), &shownDayText_[b], sameToolTip ? data : nullptr);
    // The number keeps its room on the left; in a box as low as the Small calendar's it starts at
    // the top, or it would sit on the border below.
    const int top = px.days[b].height >= kRoomyDayHeight ? kDayIndent : 0;
    if (day->indent() != 0 || day->contentsMargins() != QMargins(kDayIndent, top, 0, 0)) {
      day->setIndent(0);
      day->setContentsMargins(kDayIndent, top, 0, 0);
    }
  }
}

void MonthPainter::DrawSizeChecks(const MonthView& m) {
  MainMenus& menus = window_.Menus();
  menus.mnuSmall()->setChecked(m.mnuSmall);
  menus.mnuMedium()->setChecked(m.mnuMedium);
  menus.mnuLarge()->setChecked(m.mnuLarge);
}

void MonthPainter::DrawReminderIcons(const MonthView& m) { DrawReminderIcons(m, LayOutMonthPixels(m)); }

void MonthPainter::DrawReminderIcons(const MonthView& m, const MonthPixels& px) {
  static const QPixmap on = ReminderPicture(kReminderOnPicture);
  static const QPixmap off = ReminderPicture(kReminderOffPicture);
  for (int i = 0; i < kDayBoxCount; ++i) {
    const auto b = static_cast<std::size_t>(i);
    const ImageState& state = m.imgRemind[b];
    QLabel* icon = window_.imgRemind(i);
    icon->setPixmap(state.Picture == kReminderOnPicture ? on : off);
    icon->setGeometry(PxRect(px.icons[b]));
    icon->setVisible(state.Visible);
  }
}

}  // namespace orlevant
