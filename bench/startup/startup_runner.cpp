// Starts each window program many times and reports the median time from fork to the first
// painted window, the CPU time the process used and the peak resident memory (from wait4's
// rusage). The two programs take turns, so a machine that gets busier slows both alike; on a
// busy machine the CPU time is the steadier figure.

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
    double cpuMs; // user and system time of the process, to its exit
    long maxRssKb;
};

double Ms(const timeval &time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

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
    run.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
    run.maxRssKb = usage.ru_maxrss;
    return true;
}

struct Series {
    const char *name;
    const char *program;
    std::vector<double> times, cpu;
    long peak = 0;

    void Add(const Run &run) {
        times.push_back(run.ms);
        cpu.push_back(run.cpuMs);
        peak = std::max(peak, run.maxRssKb);
    }
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const Series &series) {
    const auto [low, high] = std::minmax_element(series.times.begin(), series.times.end());
    std::printf("%-22s median %7.1f ms  min %7.1f ms  max %7.1f ms  CPU %6.1f ms  peak RSS %5.1f "
                "MiB\n",
                series.name, Median(series.times), *low, *high, Median(series.cpu),
                series.peak / 1024.0);
}

void RunOrExit(Series &series) {
    Run run{};
    if (!RunOnce(series.program, run)) {
        std::fprintf(stderr, "%s: run failed\n", series.program);
        std::exit(1);
    }
    series.Add(run);
}

} // namespace

int main(int argc, char *argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("%d runs each, platform %s\n", runs,
                platform ? platform : (std::getenv("DISPLAY") ? "xcb" : "default"));
    Series bare{"bare QMainWindow", BARE_WINDOW, {}, {}};
    Series cps{"dpmr-cps main window", CPS_WINDOW, {}, {}};
    Series warm = bare; // the first runs fill the file cache
    RunOrExit(warm);
    warm.program = CPS_WINDOW;
    RunOrExit(warm);
    for (int i = 0; i < runs; ++i) {
        RunOrExit(bare);
        RunOrExit(cps);
    }
    Report(bare);
    Report(cps);
    std::printf("ratio (program / bare)  time %.2f  CPU %.2f\n",
                Median(cps.times) / Median(bare.times), Median(cps.cpu) / Median(bare.cpu));
    return 0;
}
