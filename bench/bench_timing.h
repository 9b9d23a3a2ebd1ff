#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace telvo {

// Times of one measured task over several runs, in milliseconds: wall-clock
// time, and the processor time of the thread, which other work on a busy
// machine disturbs less.
struct Timing {
    double Best = 0.0;
    double Median = 0.0;
    double Cpu_Best = 0.0;
};

// Runs the task once to warm the caches, then the given number of times.
Timing Measure(const std::function<void()> &task, int runs);

// The I/O floor: opens each file, reads all its bytes and closes it, doing
// nothing with them. Returns the number of bytes read.
std::int64_t Read_Bytes(const QStringList &paths);

} // namespace telvo
