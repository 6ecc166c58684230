#pragma once
// The icon in the notification area. The main window keeps one record describing its icon and
// passes it to every add and delete request; mouse activity on the icon comes back as a button
// value, 1 for the left button and 2 for the right, the way the window's handlers read it.
//
// Whether the desktop has a notification area at all is asked through an injectable probe, so the
// program can refuse to vanish where no tray exists and tests can run with and without one.

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>

class QWidget;

namespace orlevant {

// The record of the main window's tray icon, filled once when the window loads.
struct TrayIconData {
  int cbSize = 88;
  QPointer<QWidget> hWnd;  // the window the icon's mouse activity is reported to
  int uID = 1;
  int uFlags = 7;              // message, icon and tip are valid
  int uCallbackMessage = 512;  // mouse activity arrives as mouse moves of the window
  QIcon hIcon;
  QString szTip;  // the program title
};

// The tip as the record holds it: the title, a NUL, blanks up to 64 characters. Longer titles are
// cut so that the NUL still fits.
QString TrayTipField(const QString& title);

class TrayIcon : public QObject {
  Q_OBJECT

 public:
  using AvailabilityProbe = std::function<bool()>;

  // The default probe asks the desktop.
  explicit TrayIcon(QObject* parent = nullptr, AvailabilityProbe probe = {});
  ~TrayIcon() override;

  bool IsAvailable() const;

  // Adding shows the icon with the record's picture and tip; deleting removes it. Both may be
  // repeated and neither reports a result. Adding does nothing where no tray is available.
  void Add(const TrayIconData& data);
  void Delete(const TrayIconData& data);
  bool IsShown() const;
  QString ToolTip() const;
  // While the icon is shown, the notification area is asked once a second whether it is still
  // there: a panel that restarts or a tray program that ends takes the icon with it, and the
  // window hidden behind the icon must then come back.
  bool IsWatching() const { return watch_.isActive(); }

 public slots:
  // What the desktop reports about the icon, turned into the button value of the window's handlers.
  void OnActivated(QSystemTrayIcon::ActivationReason reason);
  // Asks the probe now; reports a change since the last answer.
  void CheckAvailability();

 signals:
  void MouseButton(int button);
  void AvailabilityChanged(bool available);

 private:
  AvailabilityProbe probe_;
  QSystemTrayIcon* icon_ = nullptr;
  QTimer watch_;
  bool wasAvailable_ = true;
};

}  // namespace orlevant
