// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ShuffleInput.h"

#include <QCoreApplication>

namespace ShuffleInput {

QString RangeMessage() {
  return QCoreApplication::translate("ShuffleInput",
                                     "Game number doesn't fit the range 1..2147483647");
}
const QString kCaption = QStringLiteral("Wenlo Solitaire Collection");

bool AcceptsTypedChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'0' && u <= u'9') || u == u'\b' || u == u'\r' || u == u'\n';
}

std::optional<uint32_t> ParseGameNumber(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  // Accumulate with an early stop so a long run of digits cannot overflow;
  // leading zeros are harmless ("007" is game 7).
  uint64_t value = 0;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < u'0' || u > u'9') return std::nullopt;
    value = value * 10 + uint64_t(u - u'0');
    if (value > kMaxGameNumber) return std::nullopt;
  }
  if (value < 1) return std::nullopt;
  return uint32_t(value);
}

}  // namespace ShuffleInput
