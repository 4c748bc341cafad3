// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up probe behind scripts/bench-startup. When the environment
// variable WENLO_STARTUP_PROBE is set, the first completed paint of the
// watched window prints one line to standard output and ends the process at
// once (nothing is saved):
//
//   first-frame monotonic-ns=N cpu-ns=N rss-kib=N libs=N multimedia=0|1 size=WxH
//
// monotonic-ns is CLOCK_MONOTONIC when the frame was on the screen, so the
// launcher subtracts the moment it started the process; cpu-ns is the CPU
// time the process used until then (steadier than wall time on a busy
// machine); rss-kib is VmRSS;
// libs counts the shared libraries mapped into the process; multimedia
// tells whether Qt Multimedia is among them; size is the
// window's, so that the bare window can be opened at the same size. The bare Qt
// window of bench/ uses the same probe, so both are measured alike.

class QWidget;

// Does nothing unless WENLO_STARTUP_PROBE is set. Call before show().
void InstallStartupProbe(QWidget* window);

// What the probe reads, for the line above and for tests.
long long MonotonicNanoseconds();
long ResidentKiB();           // VmRSS of this process, -1 when unknown
int LoadedSharedLibraries();  // distinct *.so files mapped into this process
bool LibraryLoaded(const char* nameFragment);
