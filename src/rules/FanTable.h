#pragma once
// The table that Troika and Shamrocks share: eighteen fans in three rows of
// six under four foundations. The last fan holds the pack while it is dealt.

namespace fan_table {

constexpr int kFans = 18;
constexpr int kDealtFans = 17;  // the last fan is the deal pile
constexpr int kFanCards = 3;
constexpr int kFoundations = 4;
constexpr int kFanShift = 18;
constexpr int kFoundationTop = 5;

// 5, 125, ..., 605
inline int FanLeft(int i) {
  return 120 * ((i - 1) % 6) + 5;
}
// 120, 230, 340
inline int FanTop(int i) {
  return 110 * ((i - 1) / 6) + 120;
}
// 5, 83, 161, 239
inline int FoundationLeft(int i) {
  return 78 * i - 73;
}

}  // namespace fan_table
