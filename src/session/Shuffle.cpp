// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Shuffle.h"

#include <QDateTime>

uint32_t ShuffleGenerator::ClockSeed() {
  QTime t = QDateTime::currentDateTimeUtc().time();
  return uint32_t(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

void RecentShuffles::Add(uint32_t number) {
  QString text = QString::number(number);
  int at = items_.indexOf(text);
  if (at < 0) {
    items_.insert(0, text);
    if (items_.size() > 10) items_.removeAt(10);
  } else {
    items_.move(at, 0);
  }
  selected_ = 0;
}
