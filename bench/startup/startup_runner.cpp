// Starts each window program many times and reports the median time from fork to the first
// painted window, and the peak resident memory (from wait4's rusage).

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Run {
    double ms;
    long maxRssKb;
};

bool RunOnce(const char *program, Run &run) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const long long start = NowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[64];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty())
        return false;
    run.ms = static_cast<double>(std::atoll(output.c_str()) - start) / 1e6;
    run.maxRssKb = usage.ru_maxrss;
    return true;
}

void Measure(const char *name, const char *program, int runs) {
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        Run run{};
        if (!RunOnce(program, run)) {
            std::fprintf(stderr, "%s: run failed\n", program);
            std::exit(1);
        }
        times.push_back(run.ms);
        peak = std::max(peak, run.maxRssKb);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-22s median %7.1f ms  min %7.1f ms  max %7.1f ms  peak RSS %6.1f MiB\n", name,
                times[times.size() / 2], times.front(), times.back(), peak / 1024.0);
}

} // namespace

int main(int argc, char *argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("%d runs each, platform %s\n", runs,
                platform ? platform : (std::getenv("DISPLAY") ? "xcb" : "default"));
    Measure("bare QMainWindow", BARE_WINDOW, 1); // warm the file cache
    Measure("bare QMainWindow", BARE_WINDOW, runs);
    Measure("dpmr-cps main window", CPS_WINDOW, runs);
    return 0;
}
