// SPDX-License-Identifier: GPL-3.0-or-later
// The language choice, the catalogues compiled into the program, and the
// translations themselves: each must keep what the program fills in and
// the keys a player presses.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>

#include "platform/Language.h"

namespace {

// Puts English back for the tests that follow in this process.
struct LanguageGuard {
  ~LanguageGuard() {
    qunsetenv("WENLO_PSEUDO_TRANSLATION");
    Language::Apply(QStringLiteral("en"));
  }
};

}  // namespace

TEST(Language, ChoiceAndSystemGiveTheLanguageSpoken) {
  struct Case {
    const char* choice;
    const char* system;
    const char* spoken;
  };
  for (const Case& c :
       {Case{"", "de_CH", "de"}, Case{"", "fr_CA", "fr"}, Case{"", "es_MX", "es"},
        Case{"", "en_GB", "en"}, Case{"", "ja_JP", "en"}, Case{"", "C", "en"},
        Case{"fr", "de_DE", "fr"}, Case{"en", "es_ES", "en"}, Case{"klingon", "es_ES", "es"}}) {
    EXPECT_EQ(
        Language::Resolve(QString::fromLatin1(c.choice), QLocale(QString::fromLatin1(c.system))),
        QString::fromLatin1(c.spoken))
        << c.choice << " on " << c.system;
  }
  EXPECT_EQ(Language::Normalized(QStringLiteral("de")), QStringLiteral("de"));
  EXPECT_EQ(Language::Normalized(QStringLiteral("DE")), QString());
  EXPECT_EQ(Language::Normalized(QStringLiteral("../de")), QString());
  // The dialog offers the system's language first, then each one we speak.
  QStringList codes;
  for (const Language::Choice& c : Language::Choices())
    codes << c.code;
  EXPECT_EQ(codes, (QStringList{QString(), "en", "de", "fr", "es"}));
}

TEST(Language, ApplyInstallsOurCatalogueQtsOwnAndTheLocale) {
  LanguageGuard guard;
  ASSERT_EQ(Language::Apply(QStringLiteral("de")), QStringLiteral("de"));
  EXPECT_EQ(QCoreApplication::translate("TMain_F", "&Game"), QStringLiteral("&Spiel"));
  EXPECT_EQ(QCoreApplication::translate("Game", "Forty Thieves"), QStringLiteral("Vierzig Räuber"));
  // The standard buttons come from Qt's own German catalogue.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  EXPECT_EQ(QLocale().language(), QLocale::German);

  ASSERT_EQ(Language::Apply(QStringLiteral("fr")), QStringLiteral("fr"));
  EXPECT_EQ(QCoreApplication::translate("TMain_F", "&Game"), QStringLiteral("&Partie"));
  EXPECT_EQ(QLocale().language(), QLocale::French);

  ASSERT_EQ(Language::Apply(QStringLiteral("en")), QStringLiteral("en"));
  EXPECT_EQ(QCoreApplication::translate("TMain_F", "&Game"), QStringLiteral("&Game"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

  qputenv("WENLO_PSEUDO_TRANSLATION", "1");
  ASSERT_EQ(Language::Apply(QStringLiteral("de")), QStringLiteral("pseudo"));
  EXPECT_EQ(QCoreApplication::translate("TMain_F", "&Game"), QStringLiteral("[&Game]"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("[Cancel]"));
  // A text that was never extracted stays as it is: the check sees it.
  EXPECT_EQ(QCoreApplication::translate("TMain_F", "never marked"), QStringLiteral("never marked"));
}

// --- The translations -----------------------------------------------------------

namespace {

struct Message {
  QString context, source, translation;
  bool finished = true;
};

std::vector<Message> ReadCatalogue(const QString& path) {
  std::vector<Message> out;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return out;
  QXmlStreamReader xml(&f);
  QString context;
  Message m;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      m = Message{context, {}, {}, true};
    } else if (xml.name() == QLatin1String("source")) {
      m.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      m.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      out.push_back(m);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return out;
}

// What a translation must carry over from its source: the placeholders
// (sorted, so a language may reorder them), whether the text has a key
// accelerator, and a menu item's key after its tab.
QString Shape(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%[0-9]"));
  QStringList found;
  for (const auto& m : placeholder.globalMatch(text))
    found << m.captured();
  found.sort();
  const bool accelerator = QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
  const QString key = text.section(QLatin1Char('\t'), 1);
  return found.join(QLatin1Char(' ')) + (accelerator ? QStringLiteral(" &") : QString()) +
         (text.contains(QLatin1Char('\t')) ? QStringLiteral(" tab") : QString()) +
         QString(key).replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"));
}

}  // namespace

TEST(Language, EveryTranslationIsFinishedAndKeepsPlaceholdersAndKeys) {
  const QString dir = QStringLiteral(WENLO_TEST_DATA) + QStringLiteral("/../translations/");
  std::map<std::pair<QString, QString>, int> seen;
  for (const char* lang : {"de", "fr", "es"}) {
    const std::vector<Message> messages =
        ReadCatalogue(dir + QStringLiteral("wenlo_%1.ts").arg(QLatin1String(lang)));
    EXPECT_GT(messages.size(), 300u) << lang;
    for (const Message& m : messages) {
      const std::string where =
          std::string(lang) + " " + m.context.toStdString() + ": " + m.source.toStdString();
      EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << where;
      EXPECT_EQ(Shape(m.translation), Shape(m.source))
          << where << " -> " << m.translation.toStdString();
      ++seen[{m.context, m.source}];
    }
  }
  // The three catalogues hold the same texts.
  for (const auto& [key, count] : seen)
    EXPECT_EQ(count, 3) << key.first.toStdString() << ": " << key.second.toStdString();
}
