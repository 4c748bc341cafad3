// SPDX-License-Identifier: GPL-3.0-or-later
// The load to hold: a seeded random player on the real window's flow plays
// every game through the scripted driver (clicks and double clicks on piles
// and anywhere, drags, keys, hints, undo and redo, ticks, dialog answers,
// restarts and new numbers), and after every command the table keeps each
// of its cards exactly once, the history stays within itself and names only
// the table's piles and cards, and no deal is won twice.
//
// CI plays a few deals per game; the long form runs by hand with
// WENLO_LOAD_DEALS=1000 (deals per game) and WENLO_LOAD_ACTIONS (actions per
// deal, 300 by default), and prints its tally.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextStream>
#include <iostream>
#include <random>
#include <set>

#include "app/MainForm.h"
#include "app/ScriptDriver.h"
#include "support/GameHarness.h"

using namespace harness;

namespace {

int EnvCount(const char* name, int fallback) {
  const int v = qEnvironmentVariableIntValue(name);
  return v > 0 ? v : fallback;
}

const char* const kKeys[] = {"Left",  "Right",  "Up",           "Down",   "Tab", "Shift+Tab",
                             "Space", "Return", "Shift+Return", "Escape", "h"};

// The history names only piles and cards of this table.
std::string CheckHistory(TableHost& host) {
  std::set<int> piles;
  for (TDeck* d : Piles(host))
    piles.insert(d->DeckID());
  for (const THistoryEntry& e : host.Board1->History) {
    if (e.Kind != 0) continue;
    if (e.CardNo < 1 || e.CardNo > 104)
      return std::string("history names card ").append(std::to_string(e.CardNo));
    if (!e.Flip && (!piles.count(e.SourceID) || !piles.count(e.DestID)))
      return "history names a pile not on the table";
  }
  return {};
}

class PlayLoadTest : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(PlayLoadTest, RandomPlayThroughTheDriverKeepsEveryInvariant) {
  const int game = GetParam();
  const int deals = EnvCount("WENLO_LOAD_DEALS", 2);
  const int actions = EnvCount("WENLO_LOAD_ACTIONS", 300);
  QTemporaryDir dir;
  MainOptions options;
  options.DataDir = dir.path();
  options.ResumeAtStart = options.KeepAtExit = false;
  TMain_F window(options);
  GameFlow& flow = window.Flow();
  QString text;
  QTextStream out(&text);
  ScriptDriver driver(flow, out);
  driver.SendKey = [&window](int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&window, &press);
  };
  // A deal starts whenever the caption is set anew; a deal is won once.
  int winsThisDeal = 0, wins = 0, violations = 0;
  long long commands = 0;
  const auto caption = flow.OnCaptionChanged;
  flow.OnCaptionChanged = [&] {
    winsThisDeal = 0;
    if (caption) caption();
  };
  const auto announce = flow.OnWon;
  flow.OnWon = [&](int index, uint32_t number) {
    ++wins;
    if (++winsThisDeal > 1) ADD_FAILURE() << "deal " << number << " won twice";
    announce(index, number);
  };

  const int packs = GamePackCount(game);
  for (int d = 0; d < deals; ++d) {
    const uint32_t number = uint32_t(d) * 7919u + 1u;
    std::mt19937 rng(number ^ uint32_t(game * 104729));
    auto pick = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    QString script = QStringLiteral("deal %1 %2\n").arg(game).arg(number);
    for (int a = 0; a < actions; ++a) {
      const std::vector<TDeck*> piles = Piles(flow.Host());
      const int p = piles.empty() ? 1 : piles[size_t(pick(int(piles.size())))]->DeckID();
      const int q = piles.empty() ? 1 : piles[size_t(pick(int(piles.size())))]->DeckID();
      QString c;
      switch (pick(20)) {
        case 0:
          c = QStringLiteral("dblpile %1").arg(p);
          break;
        case 1:
          c = QStringLiteral("drag %1 %2").arg(p).arg(q);
          break;
        case 2:
          c = QStringLiteral("click %1 %2").arg(pick(800)).arg(pick(800));
          break;
        case 3:
          c = QStringLiteral("key %1").arg(kKeys[pick(std::size(kKeys))]);
          break;
        case 4:
          c = QStringLiteral("undo");
          break;
        case 5:
          c = QStringLiteral("redo");
          break;
        case 6:
          c = QStringLiteral("hint");
          break;
        case 7:
          c = QStringLiteral("answer %1").arg(std::array{1, 2, 6, 7}[size_t(pick(4))]);
          break;
        case 8:
          c = pick(10) == 0 ? QStringLiteral("restart") : QStringLiteral("tick 3");
          break;
        case 9:
          c = pick(20) == 0 ? QStringLiteral("deal %1 %2").arg(game).arg(pick(1000) + 1)
                            : QStringLiteral("tick");
          break;
        default:
          c = QStringLiteral("pile %1").arg(p);
      }
      script += c + '\n';
      auto parsed = ParseScript(c);
      ASSERT_TRUE(std::holds_alternative<std::vector<ScriptCommand>>(parsed)) << qPrintable(c);
      // A command may name a pile a deal just took away; that is the
      // driver's refusal, not a fault.
      (void)driver.Run(std::get<std::vector<ScriptCommand>>(parsed));
      ++commands;
      if (Piles(flow.Host()).empty()) continue;  // the win display or no deal
      const std::string problem = CheckTable(flow.Host(), packs) + CheckHistory(flow.Host());
      if (!problem.empty()) {
        ++violations;
        ADD_FAILURE() << "game " << game << " after:\n"
                      << script.right(600).toStdString() << problem;
        break;
      }
    }
  }
  window.MarkClosed();
  if (deals > 2)
    std::cout << "[ load ] game " << game << ": " << deals << " deals, " << commands
              << " commands, " << wins << " wins, " << violations << " violations\n";
  EXPECT_EQ(violations, 0);
}

INSTANTIATE_TEST_SUITE_P(AllGames, PlayLoadTest, ::testing::Range(0, 46));
