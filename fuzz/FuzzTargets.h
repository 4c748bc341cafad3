#pragma once
// The readers of everything that comes from outside the program, each as a
// function over bytes for a fuzzer: players.dat, the settings file, the
// kept card images, the saved game, scripts and pictures.
//
// A target returns for any input. Besides not crashing, hanging or growing
// without bound, each keeps the reader's promises (values in their ranges, a
// file made from what was read can be read back the same); a broken promise
// aborts with a message, which every fuzzer counts as a crash.
//
// Used by the short form that runs with the tests (tests/fuzz) and by the
// libFuzzer programs of the long form (fuzz/CMakeLists.txt, scripts/fuzz).

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Fuzz {

struct Target {
  const char* name;
  void (*run)(const uint8_t* data, size_t size);
  // Well-formed inputs (and a few known bad ones) to start from.
  std::vector<QByteArray> (*seeds)();
  // The largest input worth trying.
  size_t maxLen;
};

const std::vector<Target>& Targets();
// nullptr for an unknown name.
const Target* FindTarget(const char* name);

}  // namespace Fuzz
