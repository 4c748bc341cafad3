// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Catalogue.h"

#include <QCoreApplication>
#include <array>

namespace {

// Index order is part of the settings and players.dat formats.
// The names and difficulties are marked for translation; the table keeps
// the English names.
// clang-format off
constexpr std::array<GameInfo, kGameCount> kGames = {{
    {QT_TRANSLATE_NOOP("Game", "WindMill"),               QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "2", 685, false},  // 0
    {QT_TRANSLATE_NOOP("Game", "Topsy-Turvy Queens"),     QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 686, false},  // 1
    {QT_TRANSLATE_NOOP("Game", "King's Secrets"),         QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 686, false},  // 2: shares the picture of 1
    {QT_TRANSLATE_NOOP("Game", "Canfield"),               QT_TRANSLATE_NOOP("Difficulty", "Average"),   "1", 688, false},  // 3
    {QT_TRANSLATE_NOOP("Game", "In a frame"),             QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 689, false},  // 4
    {QT_TRANSLATE_NOOP("Game", "Obstacle-race"),          QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "1", 690, true},  // 5
    {QT_TRANSLATE_NOOP("Game", "King Albert"),            QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "1", 691, true},  // 6
    {QT_TRANSLATE_NOOP("Game", "Troika"),                 QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "1", 692, false},  // 7
    {QT_TRANSLATE_NOOP("Game", "Sir Tommy"),              QT_TRANSLATE_NOOP("Difficulty", "Average"),   "1", 693, false},  // 8
    {QT_TRANSLATE_NOOP("Game", "Lady Betty"),             QT_TRANSLATE_NOOP("Difficulty", "Average"),   "1", 694, false},  // 9
    {QT_TRANSLATE_NOOP("Game", "Bisley"),                 QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "1", 695, true},  // 10
    {QT_TRANSLATE_NOOP("Game", "One Pack"),               QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 696, false},  // 11
    {QT_TRANSLATE_NOOP("Game", "Turncoats"),              QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 697, false},  // 12
    {QT_TRANSLATE_NOOP("Game", "Pharaoh"),                QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 698, false},  // 13
    {QT_TRANSLATE_NOOP("Game", "Flower Garden"),          QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "1", 699, true},  // 14
    {QT_TRANSLATE_NOOP("Game", "Diplomat"),               QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 700, true},  // 15
    {QT_TRANSLATE_NOOP("Game", "Twelve Sleeping Maids"),  QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 701, false},  // 16
    {QT_TRANSLATE_NOOP("Game", "Carpet"),                 QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 702, false},  // 17
    {QT_TRANSLATE_NOOP("Game", "Short Solitaire"),        QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 703, true},  // 18
    {QT_TRANSLATE_NOOP("Game", "Steeplechase"),           QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 704, true},  // 19
    {QT_TRANSLATE_NOOP("Game", "Elma"),                   QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 705, false},  // 20
    {QT_TRANSLATE_NOOP("Game", "Egyptian Pyramid"),       QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 706, true},  // 21
    {QT_TRANSLATE_NOOP("Game", "Simple"),                 QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 707, false},  // 22
    {QT_TRANSLATE_NOOP("Game", "Carlton"),                QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 708, true},  // 23
    {QT_TRANSLATE_NOOP("Game", "Shamrocks"),              QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "1", 692, true},  // 24: picture of 7
    {QT_TRANSLATE_NOOP("Game", "Napoleon Leaves Moscow"), QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 710, true},  // 25
    {QT_TRANSLATE_NOOP("Game", "Napoleon Takes Moscow"),  QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 710, true},  // 26: picture of 25
    {QT_TRANSLATE_NOOP("Game", "Forty Thieves"),          QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 712, true},  // 27
    {QT_TRANSLATE_NOOP("Game", "Castle"),                 QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "1", 713, true},  // 28
    {QT_TRANSLATE_NOOP("Game", "Triple Union"),           QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 714, false},  // 29
    {QT_TRANSLATE_NOOP("Game", "Three Fir-trees"),        QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "2", 715, false},  // 30
    {QT_TRANSLATE_NOOP("Game", "Binding"),                QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 716, true},  // 31
    {QT_TRANSLATE_NOOP("Game", "FreeCell"),               QT_TRANSLATE_NOOP("Difficulty", "Average"),   "1", 717, true},  // 32
    {QT_TRANSLATE_NOOP("Game", "Stacks"),                 QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 718, true},  // 33
    {QT_TRANSLATE_NOOP("Game", "Sultan"),                 QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "2", 719, true},  // 34
    {QT_TRANSLATE_NOOP("Game", "Four Packs"),             QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 720, false},  // 35
    {QT_TRANSLATE_NOOP("Game", "Josephine"),              QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 712, true},  // 36: picture of 27
    {QT_TRANSLATE_NOOP("Game", "Martha"),                 QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 722, true},  // 37
    {QT_TRANSLATE_NOOP("Game", "Emperor"),                QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 723, true},  // 38
    {QT_TRANSLATE_NOOP("Game", "Number Ten"),             QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 724, true},  // 39
    {QT_TRANSLATE_NOOP("Game", "Indian"),                 QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "2", 725, true},  // 40
    {QT_TRANSLATE_NOOP("Game", "Banner"),                 QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 726, false},  // 41
    {QT_TRANSLATE_NOOP("Game", "Masquerade"),             QT_TRANSLATE_NOOP("Difficulty", "Average"),   "2", 727, true},  // 42
    {QT_TRANSLATE_NOOP("Game", "Rectangle"),              QT_TRANSLATE_NOOP("Difficulty", "Difficult"), "2", 728, true},  // 43
    {QT_TRANSLATE_NOOP("Game", "Desire"),                 QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "2", 729, true},  // 44
    {QT_TRANSLATE_NOOP("Game", "Doubt"),                  QT_TRANSLATE_NOOP("Difficulty", "Easy"),      "1", 730, true},  // 45
}};
// clang-format on

}  // namespace

int GameCount() {
  return kGameCount;
}

bool IsGameIndex(int index) {
  return index >= 0 && index < kGameCount;
}

const GameInfo* GameAt(int index) {
  return IsGameIndex(index) ? &kGames[static_cast<size_t>(index)] : nullptr;
}

QString GameName(int index) {
  const GameInfo* g = GameAt(index);
  return g ? QString::fromLatin1(g->name) : QString();
}

QString GameTitle(int index) {
  const GameInfo* g = GameAt(index);
  return g ? QCoreApplication::translate("Game", g->name) : QString();
}

QString LongestGameTitle() {
  QString longest;
  for (int i = 0; i < kGameCount; ++i) {
    const QString title = GameTitle(i);
    if (title.size() > longest.size()) longest = title;
  }
  return longest;
}

QString GameDifficulty(int index) {
  const GameInfo* g = GameAt(index);
  return g ? QCoreApplication::translate("Difficulty", g->difficulty) : QString();
}

QString GamePacks(int index) {
  const GameInfo* g = GameAt(index);
  return g ? QString::fromLatin1(g->packs) : QString();
}

int GamePackCount(int index) {
  const GameInfo* g = GameAt(index);
  return g ? g->packs[0] - '0' : 0;
}

bool HasAutoPlayOption(int index) {
  const GameInfo* g = GameAt(index);
  return g && g->autoPlayOption;
}

int PreviewNumber(int index) {
  const GameInfo* g = GameAt(index);
  return g ? g->preview : kFallbackPreview;
}

int HelpContext(int index) {
  return IsGameIndex(index) ? 100 + index : 0;
}

int GameIndexByName(const QString& name) {
  for (int i = 0; i < kGameCount; ++i) {
    if (name == QLatin1String(kGames[static_cast<size_t>(i)].name)) return i;
  }
  return -1;
}
