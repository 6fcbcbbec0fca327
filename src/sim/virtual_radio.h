#pragma once
// The radio's side of the programming protocol: it wakes on the wake-up sequence, identifies
// its band, and serves read and write frames from and into its 16384-byte memory until it is
// stopped.

#include "core/image/image.h"
#include "sim/radio_line.h"
#include "sim/sim_options.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace dpmr::sim {

class VirtualRadio {
public:
    enum class End { Stopped, HungUp, Once };

    // What the radio can do to its end of the cable besides talking.
    struct Cable {
        std::function<void()> hangUp;  // pull it
        std::function<void()> release; // the line went quiet: let the port be opened again
    };

    // `log` gets one line per exchange (may be empty).
    VirtualRadio(const SimOptions &options, Image memory, RadioLine &line, Cable cable,
                 std::function<void(const std::string &)> log);

    End Serve();
    const Image &Memory() const { return memory_; }

private:
    enum class Session { Trailer, Lost, Stopped, HungUp };

    End Echo();
    End StreamAcks();
    bool AwaitWakeUp();
    bool AnswerWakeUp();
    Session Exchange();
    bool ReadRest(std::uint8_t *data, std::size_t n);
    bool RestOfWakeUp();
    void Acknowledge(int block);
    void ServeRead(std::size_t address);
    bool ServeWrite(std::size_t address);
    Session EndWith(std::uint8_t last);
    const BlockFault *FaultOf(std::size_t address) const;
    void Log(const std::string &text) const;

    const SimOptions &options_;
    Image memory_;
    RadioLine &line_;
    Cable cable_;
    std::function<void(const std::string &)> log_;
    std::mt19937 random_{20240601};
    int attempts_ = 0;   // wake-up sequences seen since the line was last quiet
    int pendingAck_ = 0; // block whose read reply awaits the program's "A"
    int blocksRead_ = 0; // in this exchange
    int blocksWritten_ = 0;
    bool stopped_ = false;
};

} // namespace dpmr::sim
