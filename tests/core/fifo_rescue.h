#pragma once
// A reader stuck in open() on a named pipe nobody writes to hangs a test for ever. This opens
// the pipe for writing every so often and closes it again, so the reader gets an empty pipe and
// the test fails on what it checks instead of hanging.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace dpmr::testing_support {

class FifoRescue {
public:
    FifoRescue(std::string path, std::chrono::milliseconds after)
        : thread_([this, path = std::move(path), after] {
              std::unique_lock lock(mutex_);
              while (!wake_.wait_for(lock, after, [this] { return done_; })) {
                  // Set first: the reader may look as soon as the open below releases it.
                  const bool before = rescued.exchange(true);
                  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0) // somebody was waiting to read
                      ::close(fd);
                  else
                      rescued = before;
              }
          }) {}
    ~FifoRescue() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    FifoRescue(const FifoRescue &) = delete;
    FifoRescue &operator=(const FifoRescue &) = delete;

    std::atomic<bool> rescued{false}; // true: something was stuck in open()

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

} // namespace dpmr::testing_support
