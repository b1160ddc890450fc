// Starts a program and reports how long it took to map its first top-level
// window and how much memory it holds once that window is painted: the
// memory it has made for itself (Private_Dirty of smaps_rollup: its heap,
// stacks and written data, the same whatever else runs), and its
// proportional share of all it maps (Pss), beside it.
// It listens to the X server itself (structure events on the root window),
// so the time is that of the map request, not of a polling loop.
//
// Usage: startup-probe [--settle MS] program [arguments...]
// Prints "milliseconds-to-map private-dirty-kB pss-kB" on one line.

#include <xcb/xcb.h>

#include <fcntl.h>
#include <sys/select.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// A field of the process's smaps_rollup, in kB (-1 when it cannot be read).
long rollupKilobytes(pid_t pid, const std::string& field) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line))
        if (line.rfind(field + ":", 0) == 0) return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

int fail(const char* why, pid_t child) {
    std::fprintf(stderr, "startup-probe: %s\n", why);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    int settleMs = 300;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: startup-probe [--settle MS] program [arguments...]\n");
        return 2;
    }

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) return fail("cannot open the display", 0);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
        std::free(error);
        return fail("cannot watch the root window", 0);
    }

    const auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0) return fail("cannot start the program", 0);
    if (child == 0) {
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDOUT_FILENO);
        dup2(devnull, STDERR_FILENO);
        execv(argv[first], argv + first);
        _exit(127);
    }

    // Waits for the first MapNotify of a window that is not override-redirect
    // (menus and tooltips are), with a ten-second limit.
    const int fd = xcb_get_file_descriptor(connection);
    double mappedMs = -1;
    while (mappedMs < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect)
                    mappedMs = std::chrono::duration<double, std::milli>(
                                   std::chrono::steady_clock::now() - start)
                                   .count();
            }
            std::free(event);
            if (mappedMs >= 0) break;
        }
        if (mappedMs >= 0) break;
        if (xcb_connection_has_error(connection)) return fail("lost the display", child);
        if (waitpid(child, nullptr, WNOHANG) == child) return fail("the program ended before showing a window", 0);
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10))
            return fail("no window in 10 s", child);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 1000};
        if (select(fd + 1, &readable, nullptr, nullptr, &wait) < 0 && errno != EINTR)
            return fail("cannot wait for the display", child);
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long dirty = rollupKilobytes(child, "Private_Dirty");
    const long pss = rollupKilobytes(child, "Pss");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("%.2f %ld %ld\n", mappedMs, dirty, pss);
    return dirty < 0 || pss < 0 ? 1 : 0;
}
