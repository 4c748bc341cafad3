// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/TableAccess.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWindow>

#include "cardtable/Cardscmp.h"
#include "platform/qt/SurfaceWidget.h"
#include "session/KeyboardPlay.h"
#include "session/TableHost.h"

namespace {

// The tables that have a TTableAccess, by their widget.
std::map<const QObject*, TTableAccess*>& Tables() {
  static std::map<const QObject*, TTableAccess*> tables;
  return tables;
}

struct W {
  Q_DECLARE_TR_FUNCTIONS(TableAccess)
};

// How often the table is compared with its last look while an assistive
// tool listens: quick enough to be heard with the move.
constexpr int kPollMs = 150;

TDeck* ShownPile(const TTableAccess& a, int deckId) {
  for (TDeck* d : TableWords::ShownPiles(a.Host().Table))
    if (d->DeckID() == deckId) return d;
  return nullptr;
}

// The face-up cards of a pile, bottom to top: the ones a screen reader names.
std::vector<TCard*> FaceUpCards(const TDeck& pile) {
  std::vector<TCard*> out;
  for (TCard* c = pile.TopCard; c; c = c->NextCard)
    if (c->Face()) out.insert(out.begin(), c);
  return out;
}

// A board rectangle on the screen.
QRect OnScreen(const TTableAccess& a, const QRect& logical) {
  const SurfaceWidget& s = a.Surface();
  const QRect r = s.ToWidget(logical);
  return QRect(s.mapToGlobal(r.topLeft()), r.size());
}

QWindow* WindowOf(const TTableAccess& a) {
  return a.Surface().window()->windowHandle();
}

class CardIface : public QAccessibleInterface {
 public:
  CardIface(TTableAccess& a, const TCard* card) : a_(a), card_(card) {}
  bool isValid() const override {
    const TDeck* d = card_->HostDeck;
    return d && card_->Face() && ShownPile(a_, d->DeckID()) == d;
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return WindowOf(a_); }
  QAccessibleInterface* parent() const override {
    return card_->HostDeck ? a_.PileInterface(card_->HostDeck->DeckID()) : a_.TableInterface();
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? TableWords::CardText(*card_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return OnScreen(a_, card_->BoundsRect()); }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = card_->Selected();
    return s;
  }

 private:
  TTableAccess& a_;
  const TCard* card_;
};

class PileIface : public QAccessibleInterface {
 public:
  PileIface(TTableAccess& a, int deckId) : a_(a), id_(deckId) {}
  bool isValid() const override { return Pile() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return WindowOf(a_); }
  QAccessibleInterface* parent() const override { return a_.TableInterface(); }
  QAccessibleInterface* child(int index) const override {
    const TDeck* d = Pile();
    if (!d) return nullptr;
    const std::vector<TCard*> cards = FaceUpCards(*d);
    return index >= 0 && index < int(cards.size()) ? a_.CardInterface(cards[size_t(index)])
                                                   : nullptr;
  }
  int childCount() const override {
    const TDeck* d = Pile();
    return d ? int(FaceUpCards(*d).size()) : 0;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i)
      if (this->child(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    // The topmost card under the point: the last one drawn.
    for (int i = childCount() - 1; i >= 0; --i)
      if (QAccessibleInterface* c = child(i); c->rect().contains(x, y)) return c;
    return nullptr;
  }
  QString text(QAccessible::Text t) const override {
    const TDeck* d = Pile();
    if (!d || t != QAccessible::Name) return QString();
    return TableWords::PileText(a_.Host().Table, *d);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const TDeck* d = Pile();
    return d ? OnScreen(a_, TKeyboardPlay::Extent(d)) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::List; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.focused = a_.Keys().FrameShown() && Pile() && a_.Keys().Focused() == Pile();
    return s;
  }

 private:
  TDeck* Pile() const { return ShownPile(a_, id_); }
  TTableAccess& a_;
  int id_;
};

class AnnouncementIface : public QAccessibleInterface {
 public:
  explicit AnnouncementIface(TTableAccess& a) : a_(a) {}
  bool isValid() const override { return true; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return WindowOf(a_); }
  QAccessibleInterface* parent() const override { return a_.TableInterface(); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return a_.LastAnnouncement();
    if (t == QAccessible::Description) return W::tr("Announcement");
    return QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return QRect(); }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    return s;
  }

 private:
  TTableAccess& a_;
};

// The table widget: its piles, then the announcement, then its own child
// widgets (the redeal button). Qt may ask for it before the window has made
// its TTableAccess (or after it ended), so it looks its owner up each time.
class TableIface : public QAccessibleWidget {
 public:
  explicit TableIface(QWidget* w) : QAccessibleWidget(w, QAccessible::Pane) {}
  QString text(QAccessible::Text t) const override {
    TTableAccess* a = Owner();
    if (t != QAccessible::Name || !a) return QAccessibleWidget::text(t);
    const QString deal = a->DealName ? a->DealName() : QString();
    return deal.isEmpty() ? W::tr("Card table") : W::tr("Card table, %1").arg(deal);
  }
  int childCount() const override {
    TTableAccess* a = Owner();
    if (!a) return QAccessibleWidget::childCount();
    return int(TableWords::ShownPiles(a->Host().Table).size()) + 1 +
           QAccessibleWidget::childCount();
  }
  QAccessibleInterface* child(int index) const override {
    TTableAccess* a = Owner();
    if (!a) return QAccessibleWidget::child(index);
    const std::vector<TDeck*> piles = TableWords::ShownPiles(a->Host().Table);
    const int n = int(piles.size());
    if (index < 0) return nullptr;
    if (index < n) return a->PileInterface(piles[size_t(index)]->DeckID());
    if (index == n) return a->AnnouncementInterface();
    return QAccessibleWidget::child(index - n - 1);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!Owner()) return QAccessibleWidget::indexOfChild(child);
    const int count = childCount();
    for (int i = 0; i < count; ++i)
      if (this->child(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (TTableAccess* a = Owner())
      for (const TDeck* d : TableWords::ShownPiles(a->Host().Table))
        if (QAccessibleInterface* pile = a->PileInterface(d->DeckID()); pile->rect().contains(x, y))
          return pile;
    return QAccessibleWidget::childAt(x, y);
  }
  QAccessibleInterface* focusChild() const override {
    TTableAccess* a = Owner();
    if (a && a->Keys().FrameShown())
      if (const TDeck* d = a->Keys().Focused()) return a->PileInterface(d->DeckID());
    return QAccessibleWidget::focusChild();
  }

 private:
  TTableAccess* Owner() const {
    const auto it = Tables().find(object());
    return it == Tables().end() ? nullptr : it->second;
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className != QLatin1String("SurfaceWidget") || !object || !object->isWidgetType())
    return nullptr;
  return new TableIface(static_cast<QWidget*>(object));
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
  if (!iface) return;
  QAccessibleEvent event(iface, type);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

TTableAccess::TTableAccess(SurfaceWidget& surface, TableHost& host, TKeyboardPlay& keys)
    : surface_(surface), host_(host), keys_(keys) {
  InstallFactory();
  Tables()[&surface] = this;
  keys_.OnFrameChanged = [this] { FrameChanged(); };
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, [this] { Check(); });
  QAccessible::installActivationObserver(this);
  accessibilityActiveChanged(QAccessible::isActive());
}

TTableAccess::~TTableAccess() {
  QAccessible::removeActivationObserver(this);
  keys_.OnFrameChanged = nullptr;
  Tables().erase(&surface_);
  for (const auto& [id, iface] : piles_)
    QAccessible::deleteAccessibleInterface(iface);
  for (const auto& [card, iface] : cards_)
    QAccessible::deleteAccessibleInterface(iface);
  if (announcementId_) QAccessible::deleteAccessibleInterface(announcementId_);
}

void TTableAccess::InstallFactory() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Factory);
}

void TTableAccess::accessibilityActiveChanged(bool active) {
  // Nobody listens: the table is not watched, so a table at rest costs
  // nothing.
  if (!active) {
    poll_.stop();
    return;
  }
  last_ = TableWords::Snap(host_.Table, DealName ? DealName() : QString());
  poll_.start();
}

QAccessibleInterface* TTableAccess::TableInterface() const {
  return QAccessible::queryAccessibleInterface(&surface_);
}

QAccessibleInterface* TTableAccess::PileInterface(int deckId) {
  auto it = piles_.find(deckId);
  if (it == piles_.end())
    it =
        piles_
            .emplace(deckId, QAccessible::registerAccessibleInterface(new PileIface(*this, deckId)))
            .first;
  return QAccessible::accessibleInterface(it->second);
}

QAccessibleInterface* TTableAccess::CardInterface(const TCard* card) {
  auto it = cards_.find(card);
  if (it == cards_.end())
    it = cards_.emplace(card, QAccessible::registerAccessibleInterface(new CardIface(*this, card)))
             .first;
  return QAccessible::accessibleInterface(it->second);
}

QAccessibleInterface* TTableAccess::AnnouncementInterface() {
  if (!announcementId_)
    announcementId_ = QAccessible::registerAccessibleInterface(new AnnouncementIface(*this));
  return QAccessible::accessibleInterface(announcementId_);
}

void TTableAccess::Announce(const QString& text) {
  if (text.isEmpty()) return;
  announcement_ = text;
  Send(AnnouncementInterface(), QAccessible::NameChanged);
  emit Announced(text);
}

void TTableAccess::AnnounceVerdict(const QString& verdict) {
  if (verdict == verdict_) return;
  verdict_ = verdict;
  Announce(verdict);
}

void TTableAccess::Check() {
  // A move under way has a card in flight, in no pile: look again later.
  if (host_.Board1->Busy) return;
  TableWords::Snapshot now = TableWords::Snap(host_.Table, DealName ? DealName() : QString());
  const QString said = TableWords::DescribeChange(last_, now);
  if (!TableWords::SameLayout(last_, now)) {
    Send(TableInterface(), QAccessible::ObjectReorder);
  } else {
    for (size_t i = 0; i < now.piles.size(); ++i) {
      if (now.piles[i].cards == last_.piles[i].cards) continue;
      QAccessibleInterface* pile = PileInterface(now.piles[i].id);
      Send(pile, QAccessible::ObjectReorder);
      Send(pile, QAccessible::NameChanged);
    }
  }
  last_ = std::move(now);
  Announce(said);
}

void TTableAccess::FrameChanged() {
  if (!keys_.FrameShown()) return;
  if (const TDeck* d = keys_.Focused()) Send(PileInterface(d->DeckID()), QAccessible::Focus);
}
