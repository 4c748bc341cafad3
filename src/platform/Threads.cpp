// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Threads.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

void LowerThisThreadPriority() {
#ifdef __linux__
  // On Linux a nice value belongs to the thread (its task id), not to the
  // whole process.
  setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 19);
#endif
}
