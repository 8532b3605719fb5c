#pragma once

// A measuring aid for scripts/bench.sh, inert unless the environment
// variable AZIVODER_BENCH_PROBE names a file. Then the first window that is
// painted writes into that file:
//   first-paint NS     wall clock (ns since the epoch) once the frame has
//                      reached the X server (a one-pixel read-back of it)
//   button NAME X Y    the screen centre of each of its buttons, so that a
//                      script can click them without knowing the layout
//   clicks N           how many of those clicks arrived, rewritten once a
//                      burst of clicks is over
// The bare comparison window uses the same probe, so both are timed alike.
void installBenchProbe();
