// startup_probe TITLE PROGRAM [ARGS...]
//
// Starts PROGRAM and waits until a mapped top-level window titled exactly TITLE exists on $DISPLAY, then
// prints "<milliseconds since launch> <VmHWM kB> <own CPU ms>" and terminates the program. It waits on X
// events instead of polling: a polling client would take CPU and X server time from the very start-up it
// measures, and spawning xdotool costs several milliseconds a look. Meant for a bare Xvfb with no window
// manager, where top-level windows stay children of the root window.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

double NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

std::string TextProperty(Display* ADisplay, Window AWindow, Atom AProperty)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(ADisplay, AWindow, AProperty, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                           &remaining, &data) == Success &&
        data && format == 8)
        text.assign(reinterpret_cast<const char*>(data), count);
    if (data)
        XFree(data);
    return text;
}

// Errors for windows that vanish between the event and the look at them are expected; ignore them.
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

bool IsTitledAndViewable(Display* ADisplay, Window AWindow, Atom ANetWmName, const std::string& ATitle)
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(ADisplay, AWindow, &attributes) || attributes.map_state != IsViewable)
        return false;
    std::string title = TextProperty(ADisplay, AWindow, ANetWmName);
    if (title.empty())
        title = TextProperty(ADisplay, AWindow, XA_WM_NAME);
    return title == ATitle;
}

long PeakRssKb(pid_t APid)
{
    std::ifstream status("/proc/" + std::to_string(APid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

double OwnCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void Stop(pid_t APid)
{
    kill(APid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(APid, nullptr, WNOHANG) == APid)
            return;
        usleep(10000);
    }
    kill(APid, SIGKILL);
    waitpid(APid, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Window root = DefaultRootWindow(display);
    // Selected before the launch, so no map or title change of the new program can be missed.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const double cpuBefore = OwnCpuMs();

    pid_t pid = 0;
    // The program's own chatter goes nowhere, so this probe's output is only its measurement.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const double launched = NowMs();
    const int spawned = posix_spawn(&pid, argv[2], &quiet, nullptr, argv + 2, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n", argv[2], std::strerror(spawned));
        return 2;
    }

    constexpr double TimeoutMs = 60000;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            Window candidate = None;
            if (event.type == CreateNotify) {
                // A title may also be set after mapping: watch the new window's properties too.
                XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
            } else if (event.type == MapNotify) {
                candidate = event.xmap.window;
            } else if (event.type == PropertyNotify &&
                       (event.xproperty.atom == netWmName || event.xproperty.atom == XA_WM_NAME)) {
                candidate = event.xproperty.window;
            }
            if (candidate != None && IsTitledAndViewable(display, candidate, netWmName, title)) {
                const double elapsed = NowMs() - launched;
                const long peak = PeakRssKb(pid);
                std::printf("%.1f %ld %.1f\n", elapsed, peak, OwnCpuMs() - cpuBefore);
                std::fflush(stdout);
                Stop(pid);
                XCloseDisplay(display);
                return 0;
            }
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_probe: %s exited before a window titled \"%s\" appeared\n", argv[2],
                         title.c_str());
            return 1;
        }
        const double left = TimeoutMs - (NowMs() - launched);
        if (left <= 0) {
            std::fprintf(stderr, "startup_probe: no window titled \"%s\" within %.0f ms\n", title.c_str(), TimeoutMs);
            Stop(pid);
            return 1;
        }
        // Wakes for X traffic; the short cap only serves to notice a program that died.
        pollfd waiting{fd, POLLIN, 0};
        poll(&waiting, 1, left < 100 ? int(left) + 1 : 100);
    }
}
