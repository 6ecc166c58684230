#pragma once
// The first page: the program's name and version, the support address and the home page. A click
// on either address hands it to the desktop and then closes the dialog as OK does.

#include <QUrl>

#include "preferences/preferences_tab.h"

class QLabel;

namespace orlevant {

inline constexpr const char* kSupportMail = "support@orlevant.example";
inline constexpr const char* kHomePage = "https://www.orlevant.example/";

class AboutTab : public PreferencesTab {
  Q_OBJECT

 public:
  AboutTab(const PreferencesServices& services, QWidget* parent = nullptr);

  void Load(const Settings&) override {}
  void Apply(Settings&) const override {}

  void lblEmail_Click();
  void lblWebSite_Click();

  QLabel* lblAbout3() const { return lblAbout3_; }
  QLabel* lblEmail() const { return lblEmail_; }
  QLabel* lblWebSite() const { return lblWebSite_; }
  QLabel* lblThankYou() const { return lblThankYou_; }

  static QUrl MailUrl();
  static QUrl HomePageUrl();

 signals:
  // An address was followed; the dialog closes as with OK.
  void LinkFollowed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Open(const QUrl& url);
  const PreferencesServices& services_;
  QLabel* lblAbout3_ = nullptr;
  QLabel* lblEmail_ = nullptr;
  QLabel* lblWebSite_ = nullptr;
  QLabel* lblThankYou_ = nullptr;
  QLabel* imgLogo1_ = nullptr;
};

}  // namespace orlevant
