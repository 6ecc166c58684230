#include "preferences/about_tab.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "core/message_box.h"
#include "mainwindow/app_icon.h"
#include "platform/qt/plain_label.h"

namespace orlevant {
namespace {

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
  QLabel* label = PlainLabel(parent, text);
  label->setWordWrap(true);
  return label;
}

}  // namespace

QUrl AboutTab::MailUrl() { return QUrl(QStringLiteral("mailto:") + QLatin1String(kSupportMail)); }
QUrl AboutTab::HomePageUrl() { return QUrl(QLatin1String(kHomePage)); }

AboutTab::AboutTab(const PreferencesServices& services, QWidget* parent) : PreferencesTab(parent), services_(services) {
  auto* layout = new QVBoxLayout(this);
  imgLogo1_ = new QLabel(this);
  imgLogo1_->setObjectName(QStringLiteral("imgLogo1"));
  imgLogo1_->setPixmap(DrawAppIcon(64));
  layout->addWidget(imgLogo1_, 0, Qt::AlignHCenter);

  lblAbout3_ = WrappedLabel(QString::fromStdString(ProductTitle()) + QStringLiteral("    v ") +
                              QString::number(ORLEVANT_VERSION_MAJOR) + QLatin1Char('.') +
                              QString::number(ORLEVANT_VERSION_MINOR),
                          this);
  lblAbout3_->setObjectName(QStringLiteral("lblAbout3"));
  QFont big = lblAbout3_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  lblAbout3_->setFont(big);
  lblAbout3_->setAlignment(Qt::AlignHCenter);
  layout->addWidget(lblAbout3_);

  lblEmail_ = WrappedLabel(QStringLiteral("Email: ") + QLatin1String(kSupportMail) + QStringLiteral("     Subject: Orlevant"),
                         this);
  lblEmail_->setObjectName(QStringLiteral("lblEmail"));
  lblEmail_->setToolTip(QStringLiteral("Click To Send Email"));
  lblWebSite_ = WrappedLabel(QStringLiteral("WebSite HomePage"), this);
  lblWebSite_->setObjectName(QStringLiteral("lblWebSite"));
  lblWebSite_->setToolTip(QStringLiteral("Click To Visit WebSite HomePage"));
  for (QLabel* link : {lblEmail_, lblWebSite_}) {
    QFont f = link->font();
    f.setUnderline(true);
    link->setFont(f);
    link->setCursor(Qt::PointingHandCursor);
    link->setAlignment(Qt::AlignHCenter);
    link->installEventFilter(this);
    layout->addWidget(link);
  }
  lblThankYou_ = WrappedLabel(QStringLiteral("Please report any problems or ideas for"
                                           " new features to the email address shown above.\n\n"
                                           "Thank you for your consideration."),
                            this);
  lblThankYou_->setObjectName(QStringLiteral("lblThankYou"));
  lblThankYou_->setAlignment(Qt::AlignHCenter);
  layout->addWidget(lblThankYou_);
  layout->addStretch();
}

bool AboutTab::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == lblEmail_) {
      lblEmail_Click();
      return true;
    }
    if (watched == lblWebSite_) {
      lblWebSite_Click();
      return true;
    }
  }
  return PreferencesTab::eventFilter(watched, event);
}

void AboutTab::Open(const QUrl& url) {
  if (services_.openUrl) {
    services_.openUrl(url);
  } else {
    QDesktopServices::openUrl(url);
  }
  emit LinkFollowed();
}

void AboutTab::lblEmail_Click() { Open(MailUrl()); }
void AboutTab::lblWebSite_Click() { Open(HomePageUrl()); }

}  // namespace orlevant
