// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/GameRecord.h"

#include <array>

namespace {
const std::array<QString, 3> kResults = {QStringLiteral("won"), QStringLiteral("lost"),
                                         QStringLiteral("abandoned")};
const std::array<QString, 4> kKinds = {QStringLiteral("chosen number"), QStringLiteral("random"),
                                       QStringLiteral("winnable-only"),
                                       QStringLiteral("deal of the day")};

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
