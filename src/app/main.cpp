// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/App.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#ifdef __GLIBC__
  // Large transient buffers (a file read whole, a picture decoded) go back
  // to the system when freed. Without this the C library raises its limit
  // for that after the first such buffer, and later ones stay resident
  // after use.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
  return RunApplication(argc, argv);
}
