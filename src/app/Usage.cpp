// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Usage.h"

#include <QByteArray>
#include <QFile>

QString UsageText() {
  return QStringLiteral(
      "Usage: wenlo-solitaire [OPTION]...\n"
      "The Wenlo Solitaire Collection: 46 patience games on a green card table.\n"
      "Without options the program opens its window, bringing back the game left\n"
      "in progress at the last exit when the option to continue it is on.\n"
      "\n"
      "  --game INDEX         deal the game with this catalogue index (0..45)\n"
      "  --number N           deal the shuffle with this game number (1..2147483647)\n"
      "  --data-dir DIR       keep players.dat and the game in progress in DIR\n"
      "  --resume             start from the game kept at the last exit, also with\n"
      "                       the options below (which otherwise never resume)\n"
      "  --dump               deal, print the table as text and exit (no window)\n"
      "  --script FILE        run the commands of FILE headless and exit\n"
      "  --screenshot FILE    render the window after the deal or script into a PNG\n"
      "  --history-csv        print the game history (history.db beside players.dat)\n"
      "                       as CSV and exit\n"
      "  --help               show this help and exit\n"
      "  --version            show the version and exit\n"
      "\n"
      "Settings live in $XDG_CONFIG_HOME/Tamsel Cards.conf; see wenlo-solitaire(6).\n");
}

QString VersionText() {
  return QStringLiteral("wenlo-solitaire " WENLO_BUILD "\n");
}

std::optional<QString> CheckPathValue(const QString& opt, const QString& value, const char* raw) {
  if (opt != "--data-dir" && opt != "--script" && opt != "--screenshot") return std::nullopt;
  if (value.isEmpty()) return QStringLiteral("option %1 needs a non-empty value").arg(opt);
  if (QFile::encodeName(value) != QByteArray(raw))
    return QStringLiteral("option %1: the name is not valid in the file-name encoding").arg(opt);
  return std::nullopt;
}
