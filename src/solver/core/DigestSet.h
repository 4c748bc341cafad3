// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The set of position digests a search has seen. A search asks it once for
// every move it tries and keeps hundreds of thousands of entries, so it is a
// flat table with open addressing: one allocation while it grows instead of
// one a digest, and a lookup that touches one or two cache lines.

#include <cstddef>
#include <cstdint>
#include <vector>

class DigestSet {
 public:
  // True when the digest was not in the set (it is now).
  bool Insert(uint64_t d) {
    if (d == 0) {
      // Zero marks an empty slot, so the set keeps that digest aside.
      const bool fresh = !hasZero_;
      hasZero_ = true;
      count_ += fresh;
      return fresh;
    }
    if (2 * (count_ + 1) > slots_.size()) Grow();
    for (size_t i = Slot(d);; i = (i + 1) & mask_) {
      if (slots_[i] == d) return false;
      if (slots_[i] == 0) {
        slots_[i] = d;
        ++count_;
        return true;
      }
    }
  }

  bool Contains(uint64_t d) const {
    if (d == 0) return hasZero_;
    if (slots_.empty()) return false;
    for (size_t i = Slot(d);; i = (i + 1) & mask_) {
      if (slots_[i] == d) return true;
      if (slots_[i] == 0) return false;
    }
  }

  // Takes in every digest of another set, which is left empty.
  void Merge(DigestSet& other) {
    if (other.hasZero_) Insert(0);
    for (uint64_t d : other.slots_)
      if (d != 0) Insert(d);
    other = DigestSet();
  }

  size_t Size() const { return count_; }
  size_t Bytes() const { return slots_.capacity() * sizeof(uint64_t); }

 private:
  size_t Slot(uint64_t d) const {
    // Digests are well mixed already; the multiply guards the low bits.
    return size_t((d * 0x9e3779b97f4a7c15ULL) >> shift_) & mask_;
  }

  void Grow() {
    std::vector<uint64_t> old;
    old.swap(slots_);
    const size_t size = old.empty() ? 1024 : 2 * old.size();
    slots_.assign(size, 0);
    mask_ = size - 1;
    shift_ = 64;
    for (size_t s = size; s > 1; s >>= 1)
      --shift_;
    count_ = hasZero_ ? 1 : 0;
    for (uint64_t d : old)
      if (d != 0) Insert(d);
  }

  std::vector<uint64_t> slots_;
  size_t mask_ = 0;
  int shift_ = 64;
  size_t count_ = 0;
  bool hasZero_ = false;
};
