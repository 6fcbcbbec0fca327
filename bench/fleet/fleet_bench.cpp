// Times `dpmr-tool write --port ... FILE` against N virtual radios paced at 9600 baud, all at
// once, and the tool's CPU time per link. The goal: a fleet of 8 takes at most 1.1 times one.
//
//   fleet_bench [--runs N] [--radios 1,8]

#include "core/image/code_plug_file.h"
#include "core/image/factory_defaults.h"
#include "sim/sim_launcher.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run {
    bool ok = false;
    double wall = 0; // seconds
    double cpu = 0;  // user + system seconds of the tool
};

Run WriteFleet(int radios, const std::string &folder, const std::string &file) {
    std::vector<std::unique_ptr<dpmr::sim::SimProcess>> sims;
    std::vector<std::string> args{DPMR_TOOL_PATH, "write", "--backup-folder", folder + "/backups"};
    for (int i = 0; i < radios; ++i) {
        sims.push_back(std::make_unique<dpmr::sim::SimProcess>());
        std::string error;
        if (!sims.back()->Start(DPMR_SIM_PATH, {"--pace", "--quiet"}, error)) {
            std::fprintf(stderr, "fleet_bench: %s\n", error.c_str());
            return {};
        }
        args.insert(args.end(), {"--port", sims.back()->Path()});
    }
    args.push_back(file);
    std::vector<char *> argv;
    for (auto &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string log = folder + "/tool.log";
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    Run run;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                  usage.ru_stime.tv_usec / 1e6;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

} // namespace

int main(int argc, char **argv) {
    int runs = 1;
    std::vector<int> sizes{1, 8};
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--radios") == 0) {
            sizes.clear();
            for (char *part = std::strtok(argv[i + 1], ","); part; part = std::strtok(nullptr, ","))
                sizes.push_back(std::atoi(part));
        }
    }
    char folder[] = "/tmp/fleet-bench-XXXXXX";
    if (!::mkdtemp(folder))
        return 1;
    const std::string file = std::string(folder) + "/fleet.dat";
    dpmr::Image image;
    dpmr::WriteFactoryDefaults(image, dpmr::BandLimits{});
    if (!dpmr::SaveCodePlugFile(file, image))
        return 1;

    double single = 0;
    std::printf("radios  run  wall s  ratio to 1  tool CPU s  CPU per link\n");
    for (int radios : sizes) {
        for (int r = 1; r <= runs; ++r) {
            const Run run = WriteFleet(radios, folder, file);
            if (!run.ok) {
                std::fprintf(stderr, "fleet_bench: the write to %d radios failed:\n", radios);
                std::system(("cat " + std::string(folder) + "/tool.log >&2").c_str());
                return 1;
            }
            if (radios == 1 && single == 0)
                single = run.wall;
            std::printf("%6d  %3d  %6.2f  %10.3f  %10.3f  %10.2f%%\n", radios, r, run.wall,
                        single > 0 ? run.wall / single : 0.0, run.cpu,
                        100.0 * run.cpu / radios / run.wall);
            std::fflush(stdout);
        }
    }
    std::system(("rm -rf " + std::string(folder)).c_str());
    return 0;
}
