#include "preferences/colour_box.h"

#include <QMouseEvent>

#include "platform/qt/bgr_colour.h"

namespace orlevant {

ColourBox::ColourBox(const QString& text, QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setText(text);
  setFrameShape(QFrame::Box);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  Repaint();
}

void ColourBox::SetBackColour(std::uint32_t bgr) {
  back_ = bgr;
  Repaint();
}

void ColourBox::SetForeColour(std::uint32_t bgr) {
  fore_ = bgr;
  Repaint();
}

void ColourBox::SetOpaque(bool opaque) { setAutoFillBackground(opaque); update(); }

void ColourBox::Repaint() {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ColourFromBgr(back_));
  pal.setColor(QPalette::Active, QPalette::WindowText, ColourFromBgr(fore_));
  pal.setColor(QPalette::Inactive, QPalette::WindowText, ColourFromBgr(fore_));
  setPalette(pal);
  update();
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event) {
  if (isEnabled() && rect().contains(event->position().toPoint())) emit Released(event->button());
  QLabel::mouseReleaseEvent(event);
}

}  // namespace orlevant
