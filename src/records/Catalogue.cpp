// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Catalogue.h"

#include <array>

namespace {

// Index order is part of the settings and players.dat formats.
constexpr std::array<GameInfo, kGameCount> kGames = {{
    {"WindMill", "Easy", "2", 685, false},                    // 0
    {"Topsy-Turvy Queens", "Average", "2", 686, false},       // 1
    {"King's Secrets", "Average", "2", 686, false},           // 2: shares the picture of 1
    {"Canfield", "Average", "1", 688, false},                 // 3
    {"In a frame", "Difficult", "2", 689, false},             // 4
    {"Obstacle-race", "Difficult", "1", 690, true},           // 5
    {"King Albert", "Difficult", "1", 691, true},             // 6
    {"Troika", "Difficult", "1", 692, false},                 // 7
    {"Sir Tommy", "Average", "1", 693, false},                // 8
    {"Lady Betty", "Average", "1", 694, false},               // 9
    {"Bisley", "Difficult", "1", 695, true},                  // 10
    {"One Pack", "Easy", "1", 696, false},                    // 11
    {"Turncoats", "Easy", "1", 697, false},                   // 12
    {"Pharaoh", "Easy", "1", 698, false},                     // 13
    {"Flower Garden", "Difficult", "1", 699, true},           // 14
    {"Diplomat", "Difficult", "2", 700, true},                // 15
    {"Twelve Sleeping Maids", "Difficult", "2", 701, false},  // 16
    {"Carpet", "Easy", "1", 702, false},                      // 17
    {"Short Solitaire", "Easy", "1", 703, true},              // 18
    {"Steeplechase", "Difficult", "2", 704, true},            // 19
    {"Elma", "Difficult", "2", 705, false},                   // 20
    {"Egyptian Pyramid", "Average", "2", 706, true},          // 21
    {"Simple", "Average", "2", 707, false},                   // 22
    {"Carlton", "Difficult", "2", 708, true},                 // 23
    {"Shamrocks", "Difficult", "1", 692, true},               // 24: picture of 7
    {"Napoleon Leaves Moscow", "Difficult", "2", 710, true},  // 25
    {"Napoleon Takes Moscow", "Difficult", "2", 710, true},   // 26: picture of 25
    {"Forty Thieves", "Difficult", "2", 712, true},           // 27
    {"Castle", "Difficult", "1", 713, true},                  // 28
    {"Triple Union", "Easy", "1", 714, false},                // 29
    {"Three Fir-trees", "Easy", "2", 715, false},             // 30
    {"Binding", "Average", "2", 716, true},                   // 31
    {"FreeCell", "Average", "1", 717, true},                  // 32
    {"Stacks", "Easy", "1", 718, true},                       // 33
    {"Sultan", "Easy", "2", 719, true},                       // 34
    {"Four Packs", "Average", "2", 720, false},               // 35
    {"Josephine", "Difficult", "2", 712, true},               // 36: picture of 27
    {"Martha", "Easy", "1", 722, true},                       // 37
    {"Emperor", "Average", "2", 723, true},                   // 38
    {"Number Ten", "Average", "2", 724, true},                // 39
    {"Indian", "Easy", "2", 725, true},                       // 40
    {"Banner", "Difficult", "2", 726, false},                 // 41
    {"Masquerade", "Average", "2", 727, true},                // 42
    {"Rectangle", "Difficult", "2", 728, true},               // 43
    {"Desire", "Easy", "2", 729, true},                       // 44
    {"Doubt", "Easy", "1", 730, true},                        // 45
}};

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

QString GameDifficulty(int index) {
  const GameInfo* g = GameAt(index);
  return g ? QString::fromLatin1(g->difficulty) : QString();
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
