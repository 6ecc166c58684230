#pragma once
// A box that shows one colour as its background (or its text in that colour) and reports which
// mouse button was released on it.

#include <QLabel>

#include <cstdint>

namespace orlevant {

class ColourBox : public QLabel {
  Q_OBJECT

 public:
  explicit ColourBox(const QString& text = {}, QWidget* parent = nullptr);

  void SetBackColour(std::uint32_t bgr);
  void SetForeColour(std::uint32_t bgr);
  std::uint32_t BackColour() const { return back_; }
  std::uint32_t ForeColour() const { return fore_; }
  // Transparent lets the page's background show through instead of the back colour.
  void SetOpaque(bool opaque);
  bool Opaque() const { return autoFillBackground(); }

 signals:
  void Released(Qt::MouseButton button);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Repaint();
  std::uint32_t back_ = 0xFFFFFF;
  std::uint32_t fore_ = 0;
};

}  // namespace orlevant
