#pragma once
// A plain, repeatable mutation loop over a target's seeds, for where
// libFuzzer is not built: the short form that runs with the tests, and a
// long form by hand (scripts/fuzz --plain). Each input is a seed or an
// earlier input changed a few times: bits flipped, bytes set to random or
// telling values, bytes inserted, removed or repeated, a piece of another
// seed spliced in, the end cut off.

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace Fuzz {

class Mutator {
 public:
  Mutator(std::vector<QByteArray> seeds, uint32_t seed, size_t maxLen)
      : seeds_(std::move(seeds)), rng_(seed), maxLen_(qsizetype(maxLen)) {
    if (seeds_.empty()) seeds_.push_back(QByteArray());
  }

  QByteArray Next() {
    QByteArray data = Pick(recent_.empty() || Below(2) ? seeds_ : recent_);
    for (int n = 1 + Below(4); n > 0; --n)
      Change(data);
    if (data.size() > maxLen_) data.truncate(maxLen_);
    if (recent_.size() < kRecent) {
      recent_.push_back(data);
    } else {
      recent_[size_t(Below(kRecent))] = data;
    }
    return data;
  }

 private:
  static constexpr int kRecent = 64;

  int Below(int n) { return int(rng_() % uint32_t(std::max(n, 1))); }
  const QByteArray& Pick(const std::vector<QByteArray>& from) {
    return from[size_t(Below(int(from.size())))];
  }

  void Change(QByteArray& d) {
    static const char kTelling[] = {'\0', '\n', '\r', ' ', '=', '[',    ']',    '"',    '\\',
                                    ',',  '-',  '0',  '9', 'x', '\x7f', '\x80', '\xfe', '\xff'};
    const qsizetype size = d.size();
    const qsizetype at = size ? Below(int(size)) : 0;
    switch (Below(8)) {
      case 0:
        if (size) d[at] = char(d[at] ^ (1 << Below(8)));
        break;
      case 1:
        if (size) d[at] = char(rng_());
        break;
      case 2:
        if (size) d[at] = kTelling[Below(int(sizeof kTelling))];
        break;
      case 3:
        d.insert(at, QByteArray(1 + Below(4), kTelling[Below(int(sizeof kTelling))]));
        break;
      case 4:
        if (size) d.remove(at, 1 + Below(int(std::min<qsizetype>(size - at, 64))));
        break;
      case 5:
        if (size) d.insert(at, d.mid(Below(int(size)), 1 + Below(64)));
        break;
      case 6: {
        const QByteArray& other = Pick(seeds_);
        if (!other.isEmpty()) d.insert(at, other.mid(Below(int(other.size())), 1 + Below(256)));
        break;
      }
      default:
        if (size) d.truncate(at);
        break;
    }
  }

  std::vector<QByteArray> seeds_;
  std::vector<QByteArray> recent_;
  std::mt19937 rng_;
  qsizetype maxLen_;
};

}  // namespace Fuzz
