#include "bench_timing.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <vector>

namespace telvo {

namespace {

double Thread_Cpu_Ms()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

Timing Measure(const std::function<void()> &task, int runs)
{
    task();
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    double cpu_best = 0.0;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        const double cpu_start = Thread_Cpu_Ms();
        timer.start();
        task();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        const double cpu = Thread_Cpu_Ms() - cpu_start;
        cpu_best = run == 0 ? cpu : std::min(cpu_best, cpu);
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2], cpu_best};
}

std::int64_t Read_Bytes(const QStringList &paths)
{
    std::array<char, 1 << 16> buffer;
    std::int64_t total = 0;
    for (const QString &path : paths) {
        const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY);
        if (fd < 0)
            continue;
        ssize_t n = 0;
        while ((n = ::read(fd, buffer.data(), buffer.size())) > 0)
            total += n;
        ::close(fd);
    }
    return total;
}

} // namespace telvo
