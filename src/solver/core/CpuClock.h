// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The searching thread's own processor time, in seconds: on a busy machine
// the wall clock would make the same deal's answer depend on the load.

#include <ctime>

namespace core {

inline double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

}  // namespace core
