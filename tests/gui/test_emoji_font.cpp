// Emoji in an event show as themselves, not as empty boxes: the day box's font, with the fonts it
// falls back on, has a glyph for them wherever an emoji font is installed, and scripts/setup
// installs one.

#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtTest>

#include <filesystem>

#include "main_window_fixture.h"

using namespace orlevant;
using orlevant::testing::MainWindowFixture;

namespace {

constexpr char32_t kCake = U'\U0001F382';
const QString kCakeText = QString::fromUcs4(U"\U0001F382");

// Whether `font` draws `text` with a glyph for every character, through the fonts it falls back on
// unless it forbids them; a missing glyph is drawn as an empty box.
bool Covers(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  if (runs.isEmpty()) return false;
  for (const QGlyphRun& run : runs)
    for (const quint32 glyph : run.glyphIndexes())
      if (glyph == 0) return false;
  return true;
}

QStringList InstalledFamiliesWith(char32_t character) {
  QStringList found;
  for (const QString& family : QFontDatabase::families()) {
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (QRawFont::fromFont(font).supportsCharacter(character)) found << family;
  }
  return found;
}

// The Debian packages scripts/setup installs, read from its list.
QStringList SetupPackages() {
  QFile setup(QString::fromStdString((std::filesystem::path(__FILE__).parent_path() / "../../scripts/setup").string()));
  if (!setup.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromUtf8(setup.readAll());
  const qsizetype start = text.indexOf(QLatin1String("packages=("));
  const qsizetype end = text.indexOf(QLatin1Char(')'), start);
  if (start < 0 || end < 0) return {};
  QStringList packages;
  for (QString line : text.mid(start + 10, end - start - 10).split(QLatin1Char('\n'))) {
    line = line.section(QLatin1Char('#'), 0, 0);
    packages << line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  }
  return packages;
}

// The font files an installed package put on the machine; nothing when it is not installed.
std::optional<QStringList> FontFilesOf(const QString& package) {
  QProcess query;
  query.start(QStringLiteral("dpkg-query"), {QStringLiteral("-L"), package});
  if (!query.waitForFinished(30000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
    return std::nullopt;
  QStringList fonts;
  for (const QString& file : QString::fromUtf8(query.readAllStandardOutput()).split(QLatin1Char('\n')))
    if (file.endsWith(QLatin1String(".ttf")) || file.endsWith(QLatin1String(".otf")) || file.endsWith(QLatin1String(".ttc")))
      fonts << file;
  return fonts;
}

}  // namespace

class TestEmojiFont : public QObject {
  Q_OBJECT

 private slots:
  // A birthday cake typed into an event is drawn in the day box as the cake, in its colours.
  void theDayBoxDrawsAnEmoji() {
    const QStringList emojiFamilies = InstalledFamiliesWith(kCake);
    if (emojiFamilies.isEmpty())
      QSKIP("No installed font has U+1F382 (birthday cake); scripts/setup installs fonts-noto-color-emoji.");
    MainWindowFixture f;
    frmMain& w = f.Load({"20/05/2026000000=" + kCakeText.toStdString()});
    QLabel* box = w.lblData(f.Box(20));
    QVERIFY2(Covers(box->font(), kCakeText), qPrintable(emojiFamilies.join(QLatin1String(", "))));

    // The check tells the two apart: the box's own font, allowed no other, has no cake.
    QFont alone = box->font();
    alone.setStyleStrategy(QFont::NoFontMerging);
    if (!emojiFamilies.contains(QFontInfo(alone).family())) QVERIFY(!Covers(alone, kCakeText));

    // The box's grey and black hold no strong colour; the cake does.
    const QImage drawn = box->grab().toImage();
    int coloured = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x) coloured += drawn.pixelColor(x, y).hsvSaturation() > 100 ? 1 : 0;
    QVERIFY2(coloured >= 10, qPrintable(QString::number(coloured)));
  }

  // A fresh machine gets an emoji font from the setup: one of the packages it installs has one.
  void theSetupInstallsAnEmojiFont() {
    const QStringList packages = SetupPackages();
    QVERIFY2(packages.contains(QLatin1String("qt6-base-dev")), qPrintable(packages.join(QLatin1Char(' '))));
    QStringList notInstalled;
    for (const QString& package : packages) {
      const std::optional<QStringList> fonts = FontFilesOf(package);
      if (!fonts) {
        notInstalled << package;
        continue;
      }
      for (const QString& file : *fonts)
        if (QRawFont(file, 12).supportsCharacter(kCake)) return;
    }
    if (!notInstalled.isEmpty())
      QSKIP(qPrintable(QStringLiteral("Not installed here, so their fonts cannot be read: ") + notInstalled.join(' ')));
    QFAIL("No package scripts/setup installs has a font with U+1F382 (birthday cake).");
  }
};

QTEST_MAIN(TestEmojiFont)
#include "test_emoji_font.moc"
