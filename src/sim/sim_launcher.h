#pragma once
// Starts dpmr-radio-sim as a child process and reads the pseudo-terminal path it prints.

#include <string>
#include <sys/types.h>
#include <vector>

namespace dpmr::sim {

class SimProcess {
public:
    SimProcess() = default;
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // false with a reason when it does not start or prints no path within a few seconds.
    bool Start(const std::string &executable, const std::vector<std::string> &args,
               std::string &error);
    const std::string &Path() const { return path_; }
    bool Running() const { return pid_ > 0; }

    // Asks it to stop (SIGTERM) and waits; returns the wait status, -1 when not running.
    int Stop();
    // Waits up to `ms` for it to end by itself; true with its wait status when it did.
    bool WaitForExit(int ms, int &status);

private:
    pid_t pid_ = -1;
    std::string path_;
};

// True when the wait status is a normal exit with code 0.
bool ExitedCleanly(int status);

} // namespace dpmr::sim
