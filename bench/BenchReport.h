#pragma once

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

// One line a measurement: the wall clock in nanoseconds and the peak
// resident memory so far, for bench/run.sh to read.
inline void reportMark(const char *what)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s ns %lld maxrss_kb %ld\n", what, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                usage.ru_maxrss);
    std::fflush(stdout);
}

// The line bench/run.sh and its readers look for.
inline void reportGoal(const char *name, double value, double reference, double limit)
{
    const double ratio = value / reference;
    std::printf("goal %s: ratio %.2f (limit %g) %s\n", name, ratio, limit, ratio <= limit ? "met" : "missed");
    std::fflush(stdout);
}
