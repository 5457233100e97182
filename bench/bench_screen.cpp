// Start-up as a user sees it: from launching a program until pixels of its
// window are on the screen, read back from the X server.
// Usage: bench_screen X,Y,RRGGBB [X,Y,RRGGBB...] -- PROGRAM [ARGUMENTS...]
// Prints "shown ms <milliseconds>"; the program is then killed.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Probe
{
    int x, y;
    unsigned long rgb;
};

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Within a few steps of each channel: the same pixels, whatever rounding.
bool near(unsigned long a, unsigned long b)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 6)
            return false;
    }
    return true;
}

bool allShown(Display *display, const std::vector<Probe> &probes)
{
    const Window root = DefaultRootWindow(display);
    for (const Probe &probe : probes) {
        XImage *image = XGetImage(display, root, probe.x, probe.y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return false;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        if (!near(pixel, probe.rgb))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<Probe> probes;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        Probe probe{};
        if (std::sscanf(argv[first], "%d,%d,%lx", &probe.x, &probe.y, &probe.rgb) != 3)
            return 2;
        probes.push_back(probe);
    }
    if (probes.empty() || first + 1 >= argc)
        return 2;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    // The last run's window gone from the screen first.
    for (const double until = now() + 5000; allShown(display, probes) && now() < until;)
        usleep(1000);

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        execv(argv[first + 1], argv + first + 1);
        _exit(127);
    }
    bool shown = false;
    while (!(shown = allShown(display, probes)) && now() - start < 20000 && waitpid(child, nullptr, WNOHANG) == 0)
        usleep(2000);
    const double elapsed = now() - start;
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!shown)
        return 1;
    std::printf("shown ms %.1f\n", elapsed);
    return 0;
}
