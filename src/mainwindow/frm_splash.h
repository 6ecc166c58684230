#pragma once
// The splash window shown while the program starts: our own picture with the product name, the
// version and a notice ending with the current year.

#include <QWidget>

#include <array>
#include <chrono>
#include <functional>

class QLabel;

namespace orlevant {

class frmSplash : public QWidget {
  Q_OBJECT

 public:
  explicit frmSplash(QWidget* parent = nullptr);

  QLabel* Image1 = nullptr;                           // the 600 x 400 picture under everything
  std::array<QLabel*, 6> lblProductName{};            // the product name, drawn in layers
  QLabel* lblversion = nullptr;                       // "Version 3.1"
  QLabel* lblNotice = nullptr;                        // ends with the current year

  // The picture of Image1.
  static QPixmap DrawArtwork();

 protected:
  // A key that gives a character, or a click on the picture, closes the window.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
};

// How the splash is held on the screen once shown and painted. Start-up passes HoldSplash; tests
// pass a hold that looks at the window and returns at once.
using SplashHold = std::function<void(frmSplash&)>;

// About a second in which the splash is painted and the program goes on with queued work, while
// the user's input waits until the splash has gone.
void HoldSplash(frmSplash& splash, std::chrono::milliseconds length = std::chrono::milliseconds(1000));

// Start-up's splash step: show the window (not modal), paint it at once, hold it, close it.
void ShowSplash(const SplashHold& hold = [](frmSplash& s) { HoldSplash(s); });

}  // namespace orlevant
