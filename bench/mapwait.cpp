// Starts a program and prints, once its first top-level window is mapped, the
// milliseconds since launch, the program's peak resident memory (VmHWM, kB) a
// little later, and the CPU time (all threads, ms) the program
// had used when its window was mapped; then ends the program.
// Output: "<ms> <kB> <cpu ms>". Exit status 1 when no window shows within 20 s
// or the program ends first.
//   corvane_mapwait [--settle MS] PROGRAM [ARGS...]
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long peakResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// Time on a CPU of every thread of the process, in milliseconds, from the
// scheduler's nanosecond counters (/proc/PID/task/TID/schedstat).
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    unsigned long long ns = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        unsigned long long running = 0;
        if (stat >> running)
            ns += running;
    }
    closedir(dir);
    return double(ns) / 1e6;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    int first = 1;
    int settleMs = 1000;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--settle MS] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(20);
    for (;;) {
        if (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            // Without a window manager the program's own window is a child of the root.
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect)
                break;
            continue;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before it showed a window\n", argv[first]);
            return 1;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "%s showed no window within 20 s\n", argv[first]);
            stop(pid);
            return 1;
        }
        pollfd connection {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 20);
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const double cpu = cpuMs(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long kb = peakResidentKb(pid);
    stop(pid);
    std::printf("%.1f %ld %.1f\n", ms, kb, cpu);
    XCloseDisplay(display);
    return 0;
}
