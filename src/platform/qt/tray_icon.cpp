#include "platform/qt/tray_icon.h"

namespace orlevant {

QString TrayTipField(const QString& title) {
  constexpr int kWidth = 64;
  QString tip = title.left(kWidth - 1);
  tip += QChar(u'\0');
  return tip.leftJustified(kWidth, QChar(u' '));
}

TrayIcon::TrayIcon(QObject* parent, AvailabilityProbe probe)
    : QObject(parent), probe_(probe ? std::move(probe) : AvailabilityProbe(&QSystemTrayIcon::isSystemTrayAvailable)) {
  constexpr int kWatchInterval = 1000;  // ms
  watch_.setInterval(kWatchInterval);
  connect(&watch_, &QTimer::timeout, this, &TrayIcon::CheckAvailability);
}

TrayIcon::~TrayIcon() { delete icon_; }

bool TrayIcon::IsAvailable() const { return probe_(); }

void TrayIcon::Add(const TrayIconData& data) {
  wasAvailable_ = IsAvailable();
  if (!wasAvailable_) return;
  if (!icon_) {
    icon_ = new QSystemTrayIcon();
    connect(icon_, &QSystemTrayIcon::activated, this, &TrayIcon::OnActivated);
  }
  icon_->setIcon(data.hIcon);
  // The record's tip field is padded for its fixed width; the desktop shows only the title.
  icon_->setToolTip(data.szTip.section(QChar(u'\0'), 0, 0).trimmed());
  icon_->show();
  watch_.start();
}

void TrayIcon::Delete(const TrayIconData&) {
  watch_.stop();
  if (icon_) icon_->hide();
}

void TrayIcon::CheckAvailability() {
  const bool available = IsAvailable();
  if (available == wasAvailable_) return;
  wasAvailable_ = available;
  if (!available && icon_) icon_->hide();
  emit AvailabilityChanged(available);
}

bool TrayIcon::IsShown() const { return icon_ && icon_->isVisible(); }

QString TrayIcon::ToolTip() const { return icon_ ? icon_->toolTip() : QString(); }

void TrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::DoubleClick:
      emit MouseButton(1);
      break;
    case QSystemTrayIcon::Context:
      emit MouseButton(2);
      break;
    default:
      break;
  }
}

}  // namespace orlevant
