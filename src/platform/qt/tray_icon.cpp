#include "platform/qt/tray_icon.h"

namespace orlevant {

QString TrayTipField(const QString& title) {
  constexpr int kWidth = 64;
  QString tip = title.left(kWidth - 1);
  tip += QChar(u'\0');
  return tip.leftJustified(kWidth, QChar(u' '));
}

TrayIcon::TrayIcon(QObject* parent, AvailabilityProbe probe)
    : QObject(parent), probe_(probe ? std::move(probe) : AvailabilityProbe(&QSystemTrayIcon::isSystemTrayAvailable)) {}

TrayIcon::~TrayIcon() { delete icon_; }

bool TrayIcon::IsAvailable() const { return probe_(); }

void TrayIcon::Add(const TrayIconData& data) {
  if (!IsAvailable()) return;
  if (!icon_) {
    icon_ = new QSystemTrayIcon();
    connect(icon_, &QSystemTrayIcon::activated, this, &TrayIcon::OnActivated);
  }
  icon_->setIcon(data.hIcon);
  // The record's tip field is padded for its fixed width; the desktop shows only the title.
  icon_->setToolTip(data.szTip.section(QChar(u'\0'), 0, 0).trimmed());
  icon_->show();
}

void TrayIcon::Delete(const TrayIconData&) {
  if (icon_) icon_->hide();
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
