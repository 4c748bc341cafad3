// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/GameRecord.h"

#include <array>

namespace {
// Stored as they stand; the statistics window shows them translated
// (context "History").
const std::array<QString, 3> kResults = {QStringLiteral(QT_TRANSLATE_NOOP("History", "won")),
                                         QStringLiteral(QT_TRANSLATE_NOOP("History", "lost")),
                                         QStringLiteral(QT_TRANSLATE_NOOP("History", "abandoned"))};
const std::array<QString, 4> kKinds = {
    QStringLiteral(QT_TRANSLATE_NOOP("History", "chosen number")),
    QStringLiteral(QT_TRANSLATE_NOOP("History", "random")),
    QStringLiteral(QT_TRANSLATE_NOOP("History", "winnable-only")),
    QStringLiteral(QT_TRANSLATE_NOOP("History", "deal of the day"))};

template <typename E, size_t N>
std::optional<E> FromName(const std::array<QString, N>& names, const QString& name) {
  for (size_t i = 0; i < N; ++i)
    if (names[i] == name) return E(i);
  return std::nullopt;
}
}  // namespace

QString ResultName(GameResult r) {
  return kResults[size_t(r)];
}

std::optional<GameResult> ResultFromName(const QString& name) {
  return FromName<GameResult>(kResults, name);
}

QString DealKindName(DealKind k) {
  return kKinds[size_t(k)];
}

std::optional<DealKind> DealKindFromName(const QString& name) {
  return FromName<DealKind>(kKinds, name);
}
