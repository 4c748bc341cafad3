// SPDX-License-Identifier: GPL-3.0-or-later
// The translated help: every page in a language folder keeps the links and
// anchors of its English page, and the help window shows the player's
// language, falling back to English page by page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <string>

#include "ui/HelpWindow.h"

namespace {

// Languages whose help is finished: each must have every English page.
const QStringList kCompleteLanguages = {"de"};

const QString kHelpSource = QStringLiteral(WENLO_TEST_DATA "/../src/resources/help");

QString ReadText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The matches in page order, one line each, for a readable difference.
std::string AllMatches(const QRegularExpression& pattern, const QString& html) {
  QStringList found;
  for (auto it = pattern.globalMatch(html); it.hasNext();)
    found << it.next().captured(0);
  return found.join('\n').toStdString();
}

// What a translation must keep: every link target, every anchor and the
// marker where the contents page gets its list of games, in page order.
std::string Skeleton(const QString& html) {
  static const QRegularExpression kept(
      R"re(\b((?:href|name|id|src)\s*=\s*"[^"]*")|(<!--games-->))re");
  return AllMatches(kept, html);
}

// The page's elements in order, names only: a translation keeps the layout.
std::string Tags(const QString& html) {
  static const QRegularExpression tag("</?[A-Za-z][A-Za-z0-9]*");
  return AllMatches(tag, html);
}

QString TitleOf(const QString& html) {
  static const QRegularExpression title("<title>([^<]*)</title>");
  return title.match(html).captured(1);
}

QStringList Pages(const QString& folder) {
  return QDir(folder).entryList({"*.html"}, QDir::Files, QDir::Name);
}

QStringList LanguageFolders() {
  return QDir(kHelpSource).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

TEST(HelpTranslations, PagesKeepTheEnglishLinksAndCompleteLanguagesHaveEveryPage) {
  const QStringList english = Pages(kHelpSource);
  ASSERT_GE(english.size(), 50) << "the English help is missing from " << kHelpSource.toStdString();
  for (const QString& lang : kCompleteLanguages)
    EXPECT_TRUE(LanguageFolders().contains(lang)) << "no help folder for " << lang.toStdString();

  for (const QString& lang : LanguageFolders()) {
    const QString folder = kHelpSource + '/' + lang;
    for (const QString& page : Pages(folder)) {
      const std::string where = (lang + '/' + page).toStdString();
      const QString original = ReadText(kHelpSource + '/' + page);
      const QString translated = ReadText(folder + '/' + page);
      ASSERT_FALSE(original.isEmpty()) << where << " has no English page";
      EXPECT_TRUE(translated != original) << where << " is the English page";
      EXPECT_FALSE(TitleOf(translated).isEmpty()) << where << " has no title";
      EXPECT_EQ(Skeleton(translated), Skeleton(original)) << where;
      EXPECT_EQ(Tags(translated), Tags(original)) << where << " has other tags than the English";
    }
    if (!kCompleteLanguages.contains(lang)) continue;
    for (const QString& page : english)
      EXPECT_TRUE(QFile::exists(folder + '/' + page))
          << lang.toStdString() << '/' << page.toStdString() << " is missing";
  }
}

// The help window under another default locale (the program sets it from
// the player's language); the test carries a Dutch folder holding topic 1
// only.
class HelpInLanguage : public ::testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(saved_); }

  static QString Shown(THelpWindow& window, int context) {
    window.ShowTopic(context);
    return window.Browser()->documentTitle();
  }

 private:
  QLocale saved_;
};

TEST_F(HelpInLanguage, GermanLocaleShowsTheGermanPagesAndLinksStayGerman) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(HelpLanguage(), "de");
  THelpWindow window;
  for (int context : {1, 30, 127})
    EXPECT_EQ(Shown(window, context), TitleOf(ReadText(QString(":/help/de/%1.html").arg(context))))
        << context;
  EXPECT_NE(Shown(window, 1), TitleOf(ReadText(":/help/1.html")));

  window.Browser()->setSource(QUrl("2.html"));  // a link on the German page
  EXPECT_EQ(window.CurrentContext(), 2);
  EXPECT_EQ(window.Browser()->documentTitle(), TitleOf(ReadText(":/help/de/2.html")));

  const QString contents = HelpTopicHtml(0);
  EXPECT_TRUE(contents.contains(TitleOf(ReadText(":/help/de/index.html"))));
  EXPECT_TRUE(contents.contains("href=\"132.html\""));  // the list of games
  EXPECT_FALSE(contents.contains("<!--games-->"));
}

TEST_F(HelpInLanguage, AMissingTranslationOrLanguageFallsBackToEnglish) {
  const QString english1 = TitleOf(ReadText(":/help/1.html"));
  const QString english2 = TitleOf(ReadText(":/help/2.html"));
  ASSERT_FALSE(english2.isEmpty());

  QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
  THelpWindow window;
  EXPECT_EQ(Shown(window, 1), "Een spel kiezen");
  EXPECT_EQ(Shown(window, 2), english2);
  EXPECT_TRUE(HelpTopicExists(2));
  window.ShowTopic(1);
  window.Browser()->setSource(QUrl("2.html"));
  EXPECT_EQ(window.Browser()->documentTitle(), english2);

  for (const QLocale& other :
       {QLocale(QLocale::Italian), QLocale::c(), QLocale(QLocale::English)}) {
    QLocale::setDefault(other);
    EXPECT_EQ(Shown(window, 1), english1) << other.name().toStdString();
  }
}
