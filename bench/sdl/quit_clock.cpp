// Watches X window ARGV[1] of process ARGV[2]: prints "ready" once it watches, then, as they
// happen, "hidden NS" when the window left the screen and "ended NS" when the process ended, NS
// being the realtime clock in nanoseconds, beside the bench's own clock.
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void tell(const char* what) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("%s %lld\n", what, now.tv_sec * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    Display* display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    const int process =
        argc == 3 ? static_cast<int>(syscall(SYS_pidfd_open, std::atoi(argv[2]), 0)) : -1;
    if (display == nullptr || process < 0) {
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XSelectInput(display, window, StructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    bool hidden = false;
    for (;;) {
        while (!hidden && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == UnmapNotify || event.type == DestroyNotify) {
                tell("hidden");
                hidden = true;
            }
        }
        pollfd watched[] = {{process, POLLIN, 0}, {ConnectionNumber(display), POLLIN, 0}};
        poll(watched, hidden ? 1 : 2, -1);
        if ((watched[0].revents & POLLIN) != 0) {
            break;
        }
    }
    // A window that went with its process, unmapped or not, left when the process did.
    if (!hidden) {
        tell("hidden");
    }
    tell("ended");
    XCloseDisplay(display);
    return 0;
}
