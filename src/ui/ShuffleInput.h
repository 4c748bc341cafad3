// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the "Select Shuffle" entry, without any widget: which typed
// characters reach the box and which texts are game numbers.

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>

namespace ShuffleInput {

inline constexpr int kMaxLength = 10;
inline constexpr uint32_t kMaxGameNumber = 2147483647u;

// The message for a text that is not a game number, and its caption.
QString RangeMessage();
extern const QString kCaption;

// A typed character reaches the box only when it is a digit, Backspace or
// Enter; everything else is dropped with a beep.
bool AcceptsTypedChar(QChar c);

// The game number a text stands for: decimal digits only (no sign, no
// blanks), between 1 and 2147483647. Anything else (empty, 0, too large, a
// pasted word) is no game number.
std::optional<uint32_t> ParseGameNumber(const QString& text);

}  // namespace ShuffleInput
