// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

const char* const kSpoken[] = {"en", "de", "fr", "es"};

// Qt's own strings (the standard buttons, the colour and file dialogs) have
// no entries in our pseudo catalogue: bracketed here by their context, so
// the check sees them as marked. Our own contexts never start with a Q.
class PseudoQtTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override {
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    if (!context || context[0] != 'Q' || !sourceText || !*sourceText) return {};
    return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
  }
};

std::unique_ptr<QTranslator>& OwnTranslator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}
std::unique_ptr<QTranslator>& QtTranslator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}

void Install(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
  if (slot) QCoreApplication::removeTranslator(slot.get());
  slot = std::move(next);
  if (slot) QCoreApplication::installTranslator(slot.get());
}

std::unique_ptr<QTranslator> Load(const QString& name, const QString& folder) {
  auto t = std::make_unique<QTranslator>();
  if (!t->load(name, folder)) return nullptr;
  return t;
}

}  // namespace

namespace Language {

std::vector<Choice> Choices() {
  return {{QString(), QCoreApplication::translate("Language", "System")},
          {QStringLiteral("en"), QStringLiteral("English")},
          {QStringLiteral("de"), QStringLiteral("Deutsch")},
          {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
          {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")}};
}

QString Normalized(const QString& stored) {
  for (const char* code : kSpoken)
    if (stored == QLatin1String(code)) return stored;
  return QString();
}

QString Resolve(const QString& choice, const QLocale& system) {
  if (!Normalized(choice).isEmpty()) return choice;
  // uiLanguages lists the system's preferences best first ("de-CH", "de").
  for (const QString& ui : system.uiLanguages()) {
    const QString code = ui.section(QLatin1Char('-'), 0, 0).toLower();
    if (!Normalized(code).isEmpty()) return code;
  }
  return QStringLiteral("en");
}

bool PseudoRequested() {
  return qEnvironmentVariableIntValue("WENLO_PSEUDO_TRANSLATION") != 0;
}

QString Apply(const QString& choice) {
  if (PseudoRequested()) {
    Install(OwnTranslator(), Load(QStringLiteral("wenlo_pseudo"), QStringLiteral(":/i18n")));
    Install(QtTranslator(), std::make_unique<PseudoQtTranslator>());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return QStringLiteral("pseudo");
  }
  const QString lang = Resolve(choice, QLocale::system());
  // English is the source language: no catalogue, and Qt's own strings
  // are English already.
  const bool english = lang == QLatin1String("en");
  Install(OwnTranslator(),
          english ? nullptr : Load(QStringLiteral("wenlo_") + lang, QStringLiteral(":/i18n")));
  Install(QtTranslator(), english ? nullptr
                                  : Load(QStringLiteral("qtbase_") + lang,
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
  QLocale::setDefault(QLocale(lang));
  return lang;
}

}  // namespace Language
