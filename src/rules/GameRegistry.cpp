// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/GameRegistry.h"

#include <map>

namespace {
std::map<int, GameFactory>& Registry() {
  static std::map<int, GameFactory> registry;
  return registry;
}
}  // namespace

void RegisterGame(int index, GameFactory factory) {
  Registry()[index] = std::move(factory);
}

std::unique_ptr<TGame> CreateGame(int index, TTable& table) {
  auto it = Registry().find(index);
  if (it == Registry().end()) return nullptr;
  return it->second(table);
}

bool HasDealRoutine(int index) {
  return Registry().count(index) > 0;
}

GameFactory FindGameFactory(int index) {
  auto it = Registry().find(index);
  return it == Registry().end() ? GameFactory() : it->second;
}

void UnregisterGame(int index) {
  Registry().erase(index);
}
