// How long a window's interface thread keeps the user waiting: the window
// is sent _NET_WM_PING, as a window manager does to find a frozen program,
// every 20 ms, and each answer timed. The toolkit answers from the thread
// that handles input and painting, so a late answer is a frozen window.
// Usage: window_ping WINDOW_ID; runs until SIGTERM or SIGINT, then prints
// "longest ms <milliseconds> pings <count>" (an unanswered ping counts
// with its age).
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <poll.h>

namespace {

volatile std::sig_atomic_t stopping = 0;

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void sendPing(Display *display, Window window, Atom protocols, Atom ping, long serial)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(ping);
    event.xclient.data.l[1] = serial;
    event.xclient.data.l[2] = long(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_ping WINDOW_ID\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_ping: no X display\n");
        return 1;
    }
    const Window window = Window(std::strtoul(argv[1], nullptr, 0));
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    // The answer goes to the root window, to whoever listens there.
    XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask);
    std::signal(SIGTERM, [](int) { stopping = 1; });
    std::signal(SIGINT, [](int) { stopping = 1; });

    double longest = 0;
    long pings = 0;
    double sent = now();
    sendPing(display, window, protocols, ping, ++pings);
    bool waiting = true;
    while (!stopping) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && Atom(event.xclient.data.l[0]) == ping
                && event.xclient.data.l[1] == pings && waiting) {
                waiting = false;
                if (now() - sent > longest)
                    longest = now() - sent;
            }
        }
        if (!waiting && now() - sent >= 20) {
            sent = now();
            sendPing(display, window, protocols, ping, ++pings);
            waiting = true;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 5);
    }
    if (waiting && now() - sent > longest)
        longest = now() - sent;
    std::printf("longest ms %.0f pings %ld\n", longest, pings);
    XCloseDisplay(display);
    return 0;
}
