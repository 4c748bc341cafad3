// The long form of the readers' fuzzing: one libFuzzer program per reader
// (WENLO_FUZZ_TARGET names it), built with clang under AddressSanitizer and
// UBSan by scripts/fuzz. WENLO_FUZZ_SEEDS=DIR writes the target's seeds into
// DIR (the starting corpus) and exits.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzTargets.h"

namespace {
const Fuzz::Target* target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QCoreApplication app(*argc, *argv);
  target = Fuzz::FindTarget(WENLO_FUZZ_TARGET);
  if (!target) {
    std::fprintf(stderr, "no fuzz target %s\n", WENLO_FUZZ_TARGET);
    std::exit(2);
  }
  const QByteArray seedDir = qgetenv("WENLO_FUZZ_SEEDS");
  if (!seedDir.isEmpty()) {
    QDir().mkpath(QString::fromLocal8Bit(seedDir));
    int i = 0;
    for (const QByteArray& seed : target->seeds()) {
      QFile f(QDir(QString::fromLocal8Bit(seedDir)).filePath(QStringLiteral("seed-%1").arg(++i)));
      if (f.open(QIODevice::WriteOnly)) f.write(seed);
    }
    std::exit(0);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  target->run(data, size);
  return 0;
}
