// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Hint.h"

#include <QCoreApplication>
#include <algorithm>

#include "art/TableHint.h"
#include "cardtable/Cardscmp.h"
#include "session/TableHost.h"

namespace {

// What a probe could disturb although it only asks: handlers stop or start
// the timer. All of it comes back as it was, the started mark too (only a
// player's click sets that, and a probe is none).
class ProbeGuard {
 public:
  explicit ProbeGuard(TableHost& host)
      : host_(host),
        started_(host.Table.GameStarted),
        timer_(host.Additional_timer.Enabled()),
        animate_(host.Board1->Animate) {}
  ~ProbeGuard() {
    host_.Table.GameStarted = started_;
    host_.Board1->Animate = animate_;
    if (host_.Additional_timer.Enabled() != timer_) host_.Additional_timer.SetEnabled(timer_);
  }

 private:
  TableHost& host_;
  int started_;
  bool timer_;
  bool animate_;
};

// The rank of a move: 0 to a foundation, 1 turns up a card or empties a
// pile, 2 builds on a card, 3 onto an empty pile, -1 pointless (a whole pile
// onto an empty one).
int Kind(TableHost& host, const TDeck* to, const TCard* moved) {
  const TCard* beneath = moved->NextCard;
  if (host.Table.IsFoundation(to)) return 0;
  if (!beneath && !to->TopCard) return -1;
  if (!beneath || !beneath->Face()) return 1;
  return to->TopCard ? 2 : 3;
}

}  // namespace

std::optional<THintMove> FindHint(TableHost& host) {
  TBoard* board = host.Board1;
  if (!board || board->Busy || board->ClickGuard || host.Drag().Dragging()) return std::nullopt;
  std::vector<TDeck*> piles;
  for (TComponent* c : host.Form().Components())
    if (auto* d = dynamic_cast<TDeck*>(c); d && d->Visible() && d->HostBoard() == board)
      piles.push_back(d);

  ProbeGuard guard(host);
  std::optional<THintMove> best;
  int bestKind = 4;
  for (TDeck* from : piles) {
    TCard* top = from->TopCard;
    if (!top || !top->Face()) continue;
    if (from->OnSelect) {
      TCard* c = top;
      bool action = true;
      from->OnSelect(from, c, action, false);
      if (!action) continue;
    }
    for (TDeck* to : piles) {
      if (to == from || !to->OnAddWithRule) continue;
      TCard* c = top;
      bool action = true;
      to->OnAddWithRule(to, c, action, false);
      if (!action || !c || c->HostDeck != from) continue;
      const int kind = Kind(host, to, c);
      if (kind >= 0 && kind < bestKind) {
        best = THintMove{from, to, false, c};
        bestKind = kind;
        if (kind == 0) return best;
      }
    }
  }
  return best;
}

// --- Words ------------------------------------------------------------------------

QString CardName(int rank, int suit) {
  // The card as a player writes it: its rank's letter in the language in use.
  static const char* const kRanks[] = {QT_TRANSLATE_NOOP("Card", "A"),
                                       "2",
                                       "3",
                                       "4",
                                       "5",
                                       "6",
                                       "7",
                                       "8",
                                       "9",
                                       "10",
                                       QT_TRANSLATE_NOOP("Card", "J"),
                                       QT_TRANSLATE_NOOP("Card", "Q"),
                                       QT_TRANSLATE_NOOP("Card", "K")};
  static const char16_t kSuits[] = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};
  return QCoreApplication::translate("Card", kRanks[qBound(1, rank, 13) - 1]) +
         QChar(kSuits[qBound(1, suit, 4) - 1]);
}

QString CardName(const TCard* card) {
  return card ? CardName(card->Rank(), card->Suit()) : QString();
}

QString HintWords(TableHost& host, const THintMove& move) {
  if (!move.From) return {};
  const TCard* card = move.Card ? move.Card : move.From->TopCard;
  if (!move.To || move.To == move.From) {
    // A move of one pile alone: a stock turned, or a card sent home.
    if (!card || !card->Face()) return QCoreApplication::translate("Hint", "Deal from the stock");
    return (move.Double ? QCoreApplication::translate("Hint", "%1 home")
                        : QCoreApplication::translate("Hint", "Play %1"))
        .arg(CardName(card));
  }
  if (const TCard* onto = move.To->TopCard; onto && onto->Face())
    return QCoreApplication::translate("Hint", "%1 onto %2").arg(CardName(card), CardName(onto));
  return (host.Table.IsFoundation(move.To)
              ? QCoreApplication::translate("Hint", "%1 to an empty foundation")
              : QCoreApplication::translate("Hint", "%1 to an empty pile"))
      .arg(CardName(card));
}

// --- The marks ------------------------------------------------------------------------

THintSpot::THintSpot(TForm* owner) : TGraphicControl(owner) {
  Hide();
}

void THintSpot::Paint(QImage& screen, const QRect& clip) {
  // A warm tint over the cards and a solid edge around them, in device
  // pixels; the edge keeps its width at any zoom.
  const QRect b = DeviceRect();
  const int w = std::max(kWidth, Owner()->DeviceRect(QRect(0, 0, kWidth, kWidth)).width());
  const QRect area = b & clip & screen.rect();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* row = reinterpret_cast<quint32*>(screen.scanLine(y));
    const bool edgeRow = y < b.top() + w || y > b.bottom() - w;
    for (int x = area.left(); x <= area.right(); ++x) {
      if (edgeRow || x < b.left() + w || x > b.right() - w) {
        row[x] = 0xFFFFD21Fu;
      } else {
        // Halfway towards a pale gold: the card stays readable.
        const quint32 p = row[x];
        const quint32 r = (((p >> 16) & 0xFF) + 0xFF) / 2, g = (((p >> 8) & 0xFF) + 0xE6) / 2,
                      bl = ((p & 0xFF) + 0x80) / 2;
        row[x] = 0xFF000000u | (r << 16) | (g << 8) | bl;
      }
    }
  }
}

THintNote::THintNote(TForm* owner) : TGraphicControl(owner) {
  Hide();
}

void THintNote::Paint(QImage& screen, const QRect& clip) {
  const QRect box = DeviceRect();
  const int px = Owner()->DeviceRect(QRect(0, 0, kPixelSize, kPixelSize)).height();
  PaintTableNote(screen, clip, box, text_, px);
}

void THintNote::SetText(const QString& text, const QRect& area) {
  text_ = text;
  const QSize size = TableNoteSize(text, kPixelSize);
  // Centred at the foot of the table in view.
  SetBounds(area.center().x() - size.width() / 2, area.bottom() - size.height() - 10, size.width(),
            size.height());
}

THintMark::THintMark(TForm& form)
    : form_(form),
      spots_{new THintSpot(&form), new THintSpot(&form)},
      note_(new THintNote(&form)) {}

THintMark::~THintMark() = default;  // the form owns the controls

bool THintMark::Showing() const {
  return spots_[0]->Visible() || note_->Visible();
}

void THintMark::Start(TableHost& host, const THintMove& move) {
  Stop();
  if (!move.From) return;
  const auto place = [](THintSpot* spot, const TDeck* pile, const TCard* from) {
    // From that card up to the pile's top card, or the top card, or the
    // empty pile's own place.
    QRect r;
    for (const TCard* c = pile->TopCard; c; c = c->NextCard) {
      if (c->Visible()) r |= c->BoundsRect();
      if (c == from || !from) break;
    }
    if (r.isEmpty()) r = pile->BoundsRect();
    const int g = THintSpot::kWidth;
    spot->SetBounds(r.left() - g, r.top() - g, r.width() + 2 * g, r.height() + 2 * g);
    spot->BringToFront();
    spot->Show();
  };
  place(spots_[0], move.From, move.Card);
  if (move.To && move.To != move.From) place(spots_[1], move.To, nullptr);
  Say(HintWords(host, move));
}

void THintMark::NoMove() {
  Stop();
  Say(QCoreApplication::translate("Hint", "No more moves"));
}

void THintMark::Say(const QString& text) {
  const QRect area = VisibleArea
                         ? VisibleArea()
                         : QRect(QPoint(0, 0), QSize(form_.ClientWidth(), form_.ClientHeight()));
  note_->SetText(text, area);
  note_->BringToFront();
  note_->Show();
}

void THintMark::FollowView() {
  if (note_->Visible()) Say(note_->Text());
}

void THintMark::Stop() {
  for (THintSpot* s : spots_)
    s->Hide();
  note_->Hide();
}
