#include "mainwindow/frm_splash.h"

#include <QEventLoop>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

#include "core/clock.h"

namespace orlevant {

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 400;

QFont SerifFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                    QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QLabel* Overlay(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  // Clicks go through to the picture beneath, which closes the window.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

QPixmap frmSplash::DrawArtwork() {
  QPixmap art(kWidth, kHeight);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);

  // An evening sky from deep blue to a warm horizon.
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(0x12, 0x2A, 0x4F));
  sky.setColorAt(0.65, QColor(0x2F, 0x6D, 0xB5));
  sky.setColorAt(1.0, QColor(0xF0, 0xA8, 0x5A));
  p.fillRect(art.rect(), sky);

  QRadialGradient glow(QPointF(470, 330), 220);
  glow.setColorAt(0.0, QColor(255, 230, 180, 150));
  glow.setColorAt(1.0, QColor(255, 230, 180, 0));
  p.fillRect(art.rect(), glow);

  // A month page leaning on the right, its days in rows of seven, one of them marked.
  p.save();
  p.translate(482, 196);
  p.rotate(8);
  p.scale(0.78, 0.78);
  const QRectF page(-120, -130, 240, 250);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(page.translated(8, 10), 14, 14);
  p.setBrush(QColor(0xFB, 0xFB, 0xF7));
  p.drawRoundedRect(page, 14, 14);
  QPainterPath head;
  head.addRoundedRect(QRectF(page.left(), page.top(), page.width(), 52), 14, 14);
  head.addRect(QRectF(page.left(), page.top() + 30, page.width(), 22));
  p.setBrush(QColor(0xD9, 0x3B, 0x2B));
  p.drawPath(head.simplified());
  for (int row = 0; row < 5; ++row) {
    for (int col = 0; col < 7; ++col) {
      const bool marked = row == 2 && col == 4;
      p.setBrush(marked ? QColor(0xD9, 0x3B, 0x2B) : QColor(0xC9, 0xD6, 0xE6));
      p.drawRoundedRect(QRectF(page.left() + 16 + col * 30.5, page.top() + 70 + row * 34, 22, 24), 3, 3);
    }
  }
  p.setBrush(QColor(0x55, 0x55, 0x55));
  p.drawRoundedRect(QRectF(-70, -145, 14, 34), 7, 7);
  p.drawRoundedRect(QRectF(56, -145, 14, 34), 7, 7);
  p.restore();

  // A thin line under the name.
  p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
  p.drawLine(QPointF(40, 228), QPointF(300, 228));
  return art;
}

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setFixedSize(kWidth, kHeight);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kWidth, kHeight);
  Image1->setPixmap(DrawArtwork());
  Image1->installEventFilter(this);

  // The name in six layers: five shadows stepping down to the right, the face on top.
  static constexpr std::array<const char*, 6> kNames = {"lblProductName1", "lblProductName2", "lblProductName3",
                                                        "lblProductName4", "lblProductName5", "lblProductName6"};
  for (std::size_t i = 0; i < lblProductName.size(); ++i) {
    QLabel* label = Overlay(this, kNames[i]);
    label->setFont(SerifFont(72, true));
    const int depth = static_cast<int>(lblProductName.size() - 1 - i);
    const int shade = 20 + 18 * static_cast<int>(i);
    label->setStyleSheet(i + 1 == lblProductName.size()
                             ? QStringLiteral("color: #FFF4DC;")
                             : QStringLiteral("color: rgb(%1, %1, %2);").arg(shade).arg(shade + 30));
    label->setGeometry(36 + depth, 118 + depth, 380, 100);
    lblProductName[i] = label;
  }

  lblversion = Overlay(this, "lblversion");
  lblversion->setFont(SerifFont(20, false));
  lblversion->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
  lblversion->setGeometry(42, 236, 300, 30);

  lblNotice = Overlay(this, "lblNotice");
  lblNotice->setFont(SerifFont(13, false));
  lblNotice->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
  lblNotice->setGeometry(42, kHeight - 42, 360, 24);

  Form_Load();
}

void frmSplash::Form_Load() {
  for (QLabel* label : lblProductName) label->setText(QStringLiteral("Orlevant"));
  lblversion->setText(QStringLiteral("Version %1.%2").arg(ORLEVANT_VERSION_MAJOR).arg(ORLEVANT_VERSION_MINOR));
  const int year = static_cast<int>(YearOf(AppClock().Now().date));
  lblNotice->setText(QStringLiteral("Orlevant desktop calendar. \u00A9 %1").arg(year));
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
  if (!event->text().isEmpty()) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonPress) {
    close();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void HoldSplash(frmSplash& splash, std::chrono::milliseconds length) {
  // Queued work goes on (the splash keeps painting); keys and clicks wait until it has gone.
  QEventLoop hold;
  QTimer::singleShot(length, &hold, &QEventLoop::quit);
  QObject::connect(&splash, &QObject::destroyed, &hold, &QEventLoop::quit);
  hold.exec(QEventLoop::ExcludeUserInputEvents);
}

void ShowSplash(const SplashHold& hold) {
  frmSplash splash;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    splash.move(screen->availableGeometry().center() - splash.rect().center());
  }
  splash.show();
  splash.repaint();
  if (hold) hold(splash);
  splash.close();
}

}  // namespace orlevant
