// SPDX-License-Identifier: GPL-3.0-or-later
// The table as a screen reader sees it, through Qt's accessibility API in
// the process (no assistive tool, so no events are delivered here; the AT-SPI
// test hears them): the tree of piles and cards of a real deal against its
// dump, the focus following the keyboard's frame, and the words said for
// moves and verdicts.

#include <QAccessible>
#include <QStringList>
#include <map>

#include "access/TableAccess.h"
#include "access/TableWords.h"
#include "app/SolverControl.h"
#include "support/PlayWindow.h"

namespace {

// The dump's card code ("QH", "Td2") in words, written again here from the
// dump's definition.
QString SpokenCard(const QString& code) {
  static const std::map<QChar, QString> ranks = {
      {'A', "Ace"},  {'2', "2"},     {'3', "3"},   {'4', "4"}, {'5', "5"},
      {'6', "6"},    {'7', "7"},     {'8', "8"},   {'9', "9"}, {'T', "10"},
      {'J', "Jack"}, {'Q', "Queen"}, {'K', "King"}};
  static const std::map<QChar, QString> suits = {
      {'C', "clubs"}, {'D', "diamonds"}, {'H', "hearts"}, {'S', "spades"}};
  return ranks.at(code[0].toUpper()) + " of " + suits.at(code[1].toUpper());
}

// Pile number -> its cards' codes bottom to top, from the dump.
std::map<int, QStringList> DumpedPiles(const QString& dump) {
  std::map<int, QStringList> piles;
  for (const QString& line : dump.split('\n')) {
    if (!line.startsWith("pile ") || line.contains(" hidden:")) continue;
    const int id = line.section(' ', 1, 1).toInt();
    piles[id] = line.section(':', 1).split(' ', Qt::SkipEmptyParts);
  }
  return piles;
}

class TableAccessTest : public PlayAids {
 protected:
  void SetUp() override {
    QObject::connect(&Access(), &TTableAccess::Announced,
                     [this](const QString& text) { said << text; });
  }
  // Whether a text holding `words` was said (automatic play may be said
  // with the move).
  bool Told(const QString& words) const {
    for (const QString& s : said)
      if (s.contains(words)) return true;
    return false;
  }
  QAccessibleInterface* Table() { return QAccessible::queryAccessibleInterface(window->Surface()); }
  TTableAccess& Access() { return window->Access(); }
  QStringList said;
};

TEST_F(TableAccessTest, FreeCellOneShowsEveryPileAndTheFiftyTwoCardsOfItsDump) {
  Flow().DealGame(32, 1);
  QAccessibleInterface* table = Table();
  ASSERT_TRUE(table && table->isValid());
  EXPECT_EQ(table->text(QAccessible::Name), "Card table, FreeCell [#1]");

  const std::map<int, QStringList> dumped =
      DumpedPiles(DumpTable(Host(), Flow().GameIndex(), Flow().GameNumber()));
  const std::vector<TDeck*> piles = TableWords::ShownPiles(Host().Table);
  ASSERT_EQ(piles.size(), 16u);
  QStringList names;
  int cards = 0;
  for (int i = 0; i < int(piles.size()); ++i) {
    QAccessibleInterface* pile = table->child(i);
    ASSERT_TRUE(pile && pile->isValid());
    EXPECT_EQ(pile->role(), QAccessible::List);
    EXPECT_EQ(pile->parent(), table);
    EXPECT_EQ(table->indexOfChild(pile), i);
    EXPECT_TRUE(table->rect().contains(pile->rect()))
        << pile->text(QAccessible::Name).toStdString();
    names << pile->text(QAccessible::Name);
    const QStringList& codes = dumped.at(piles[size_t(i)]->DeckID());
    ASSERT_EQ(pile->childCount(), codes.size());
    for (int k = 0; k < pile->childCount(); ++k) {
      QAccessibleInterface* card = pile->child(k);
      EXPECT_EQ(card->role(), QAccessible::ListItem);
      EXPECT_EQ(card->text(QAccessible::Name), SpokenCard(codes[k]) + ", face up");
      EXPECT_EQ(card->parent(), pile);
      EXPECT_EQ(pile->indexOfChild(card), k);
      EXPECT_TRUE(pile->rect().contains(card->rect()));
      ++cards;
    }
  }
  EXPECT_EQ(cards, 52);
  EXPECT_EQ(names, QStringList({"Foundation 1, empty", "Foundation 2, empty", "Foundation 3, empty",
                                "Foundation 4, empty", "Free cell 1, empty", "Free cell 2, empty",
                                "Free cell 3, empty", "Free cell 4, empty", "Column 1, 7 cards",
                                "Column 2, 7 cards", "Column 3, 7 cards", "Column 4, 7 cards",
                                "Column 5, 6 cards", "Column 6, 6 cards", "Column 7, 6 cards",
                                "Column 8, 6 cards"}));
  // After the piles: the announcement, then the window's own widgets.
  QAccessibleInterface* said = table->child(16);
  ASSERT_TRUE(said);
  EXPECT_EQ(said->role(), QAccessible::Notification);
  // What lies under a point of the screen: the column, and its top card.
  QAccessibleInterface* column = table->child(8);
  const QPoint top = column->child(6)->rect().center();
  EXPECT_EQ(table->childAt(top.x(), top.y()), column);
  EXPECT_EQ(column->childAt(top.x(), top.y()), column->child(6));
}

TEST_F(TableAccessTest, TheFrameIsTheFocusAndAMoveByKeysIsSaid) {
  Flow().DealGame(32, 1);
  Access().Check();  // the deal is the table's last look
  QAccessibleInterface* table = Table();
  Key(Qt::Key_Right);  // shows the frame on the first pile
  ASSERT_TRUE(window->Keys().FrameShown());
  EXPECT_EQ(table->focusChild(), table->child(0));
  EXPECT_TRUE(table->child(0)->state().focused);
  for (int i = 0; i < 8; ++i)
    Key(Qt::Key_Tab);  // to column 1
  EXPECT_EQ(table->focusChild()->text(QAccessible::Name), "Column 1, 7 cards");

  const QString top = table->child(8)->child(6)->text(QAccessible::Name).section(',', 0, 0);
  Key(Qt::Key_Space);
  Access().Check();
  EXPECT_TRUE(Told("Picked up " + top + " from Column 1")) << said.join('|').toStdString();
  EXPECT_TRUE(table->child(8)->child(6)->state().selected);
  for (int i = 0; i < 4; ++i)
    Key(Qt::Key_Backtab, Qt::ShiftModifier);  // back to free cell 1
  Key(Qt::Key_Space);
  Access().Check();
  EXPECT_TRUE(Told(top + " from Column 1 to Free cell 1")) << said.join('|').toStdString();
  EXPECT_EQ(table->child(4)->text(QAccessible::Name), "Free cell 1, 1 card");
  EXPECT_EQ(table->child(16)->text(QAccessible::Name), Access().LastAnnouncement());

  // The solver's verdict is said, and not again while it stays.
  window->ShowSolverVerdictNow();
  const QString verdict = window->Solver()->Text();
  ASSERT_FALSE(verdict.isEmpty());
  EXPECT_TRUE(said.contains(verdict)) << said.join('|').toStdString();
  Access().Announce("something else");
  Access().AnnounceVerdict(verdict);
  EXPECT_EQ(Access().LastAnnouncement(), "something else");

  // The win, as the rules report it.
  Flow().Table().OnGameWon();
  EXPECT_EQ(wins, 1);
  EXPECT_TRUE(said.contains("Game won: FreeCell [#1]")) << said.join('|').toStdString();
}

// Hand-made looks of a table: what changed between two is said in words.
TEST(TableWordsTest, ChangesAreSaidAsAPlayerWouldTellThem) {
  using TableWords::Snapshot;
  auto look = [](std::vector<std::vector<std::pair<int, bool>>> cards, int selected = 0,
                 QString deal = "Game [#1]") {
    Snapshot s;
    const char* places[] = {"Stock", "Waste", "Column 1", "Column 2"};
    for (int i = 0; i < int(cards.size()); ++i)
      s.piles.push_back({i + 1, places[i], cards[size_t(i)]});
    s.selectedPile = selected;
    s.deal = deal;
    return s;
  };
  // Card numbers: 1 Ace of clubs, 12 Queen of clubs, 13 King of clubs,
  // 27 Ace of hearts, 38 Queen of hearts.
  const struct {
    Snapshot before, after;
    const char* said;
  } cases[] = {
      {look({{}, {}, {{13, true}, {38, true}}, {}}), look({{}, {}, {{13, true}}, {{38, true}}}),
       "Queen of hearts from Column 1 to Column 2"},
      {look({{}, {}, {{13, true}, {38, true}, {12, true}}, {}}),
       look({{}, {}, {}, {{13, true}, {38, true}, {12, true}}}),
       "King of clubs and 2 more cards from Column 1 to Column 2"},
      {look({{}, {{27, true}}, {{13, true}, {38, true}}, {}}),
       look({{}, {}, {{13, true}, {27, true}}, {{38, true}}}),
       "Ace of hearts from Waste to Column 1. Queen of hearts from Column 1 to Column 2"},
      {look({{}, {}, {{13, true}, {38, true}}, {}}), look({{}, {}, {}, {{13, true}, {38, true}}}),
       "King of clubs and 1 more card from Column 1 to Column 2"},
      {look({{{1, false}, {27, false}}, {}, {}, {}}), look({{{1, false}}, {{27, true}}, {}, {}}),
       "Ace of hearts from Stock to Waste"},
      {look({{}, {}, {{1, false}, {27, true}}, {}}), look({{}, {}, {{1, false}}, {{27, true}}}),
       "Ace of hearts from Column 1 to Column 2"},
      {look({{}, {}, {{1, false}}, {{27, true}}}), look({{}, {}, {{1, true}}, {{27, true}}}),
       "Ace of clubs turned up in Column 1"},
      {look({{{1, false}}, {}, {}, {}}), look({{}, {}, {}, {{1, false}}}),
       "a face-down card from Stock to Column 2"},
      {look({{}, {}, {{38, true}}, {}}), look({{}, {}, {{38, true}}, {}}, 3),
       "Picked up Queen of hearts from Column 1"},
      {look({{}, {}, {{38, true}}, {}}, 3), look({{}, {}, {{38, true}}, {}}), "Put back"},
      {look({{}, {}, {{38, true}}, {}}), look({{}, {}, {{38, true}}, {}}), ""},
      {look({{}, {}, {{38, true}}, {}}), look({{}, {}, {{38, true}}, {}}, 0, "Game [#2]"),
       "Game [#2] dealt"},
      // Dealt again: cards going more ways at once than moves ever do.
      {look({{{1, true}, {2, true}, {3, true}, {4, true}},
             {{5, true}, {6, true}, {7, true}},
             {},
             {}}),
       look({{},
             {},
             {{1, true}, {5, true}, {2, true}, {6, true}},
             {{3, true}, {7, true}, {4, true}}}),
       "Game [#1] dealt"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TableWords::DescribeChange(c.before, c.after), c.said);
}

}  // namespace
