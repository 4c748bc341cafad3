// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The languages the program speaks. The player's choice is a language code
// kept with the options ("" follows the system); Apply installs our
// translation and Qt's own (for the standard buttons) and makes the
// language the default locale, so everything that asks QLocale() follows.
//
// What the program stores or prints for scripts (the settings, players.dat,
// the dump, the scripted driver's lines, --solve and CSV output) is never
// translated: runs that produce it do not call Apply at all.

#include <QLocale>
#include <QString>
#include <vector>

namespace Language {

struct Choice {
  QString code;  // "" for the system's language
  QString name;  // as the Options dialog lists it
};

// System, English, Deutsch, Français, Español: each language named in its
// own words, "System" in the language in use.
std::vector<Choice> Choices();

// A stored code we do not know (a newer version's, or damage) follows the
// system, as a missing one does.
QString Normalized(const QString& stored);

// The language a choice comes to on a system whose locale is `system`: the
// choice itself, or for "" the first of the system's languages we speak,
// English when none.
QString Resolve(const QString& choice, const QLocale& system);

// Setting WENLO_PSEUDO_TRANSLATION=1 in the environment shows every marked
// string in brackets ("[Undo]") in place of any language: a text on the
// screen without brackets was never marked for translation.
bool PseudoRequested();

// Installs the translators for the choice (replacing earlier ones) and sets
// the default locale. Returns the language now in use ("pseudo" for the
// bracketed check). A missing translation leaves English in place.
QString Apply(const QString& choice);

}  // namespace Language
