#include "sim/virtual_radio.h"

#include "core/image/code_plug_file.h"
#include "core/link/link_protocol.h"

#include <algorithm>
#include <cstring>

namespace dpmr::sim {

namespace {

// A program that has gone quiet this long has given up: wake-up attempts are counted anew.
constexpr int kQuietMs = 500;
// An exchange that stops this long in the middle is over.
constexpr int kExchangeQuietMs = 2000;
constexpr std::uint8_t kNak = 0x4E; // "N"
constexpr std::size_t kShortReplyData = 16;

} // namespace

VirtualRadio::VirtualRadio(const SimOptions &options, Image memory, RadioLine &line, Cable cable,
                           std::function<void(const std::string &)> log)
    : options_(options), memory_(memory), line_(line), cable_(std::move(cable)),
      log_(std::move(log)) {}

void VirtualRadio::Log(const std::string &text) const {
    if (log_)
        log_(text);
}

const BlockFault *VirtualRadio::FaultOf(std::size_t address) const {
    const auto found = options_.faults.blocks.find(BlockNumber(address));
    return found == options_.faults.blocks.end() ? nullptr : &found->second;
}

VirtualRadio::End VirtualRadio::Serve() {
    if (options_.faults.echo)
        return Echo();
    if (options_.faults.streamAck)
        return StreamAcks();
    for (;;) {
        if (!AwaitWakeUp())
            return End::Stopped;
        switch (Exchange()) {
        case Session::Trailer:
            if (options_.once)
                return End::Once;
            break;
        case Session::Lost:
            Log("exchange abandoned after " + std::to_string(blocksRead_ + blocksWritten_) +
                " blocks");
            cable_.release();
            break;
        case Session::Stopped:
            return End::Stopped;
        case Session::HungUp:
            return End::HungUp;
        }
    }
}

// A loopback plug, or a half-duplex cable with the radio off.
VirtualRadio::End VirtualRadio::Echo() {
    Log("no radio: echoing every byte");
    for (;;) {
        std::uint8_t byte = 0;
        if (line_.Next(byte, -1) != RadioLine::Got::Byte)
            return End::Stopped;
        // A byte comes back once it has gone out: about a millisecond at 9600 baud.
        if (!line_.Pause(1))
            return End::Stopped;
        line_.Send(&byte, 1);
    }
}

// A line stuck sending "A": what arrives is read and dropped.
VirtualRadio::End VirtualRadio::StreamAcks() {
    Log("no radio: streaming \"A\"");
    std::uint8_t acks[64];
    std::fill(std::begin(acks), std::end(acks), kAck);
    for (;;) {
        std::uint8_t byte = 0;
        RadioLine::Got got;
        while ((got = line_.Next(byte, 0)) == RadioLine::Got::Byte) {
        }
        if (got == RadioLine::Got::Stopped)
            return End::Stopped;
        line_.Send(acks, sizeof acks);
    }
}

bool VirtualRadio::AwaitWakeUp() {
    std::size_t matched = 0;
    for (;;) {
        std::uint8_t byte = 0;
        const auto got = line_.Next(byte, attempts_ > 0 || matched > 0 ? kQuietMs : -1);
        if (got == RadioLine::Got::Stopped)
            return false;
        if (got == RadioLine::Got::Timeout) {
            attempts_ = 0;
            matched = 0;
            cable_.release();
            continue;
        }
        if (byte == kWakeUp[matched])
            ++matched;
        else
            matched = byte == kWakeUp[0] ? 1 : 0;
        if (matched == kWakeUp.size()) {
            matched = 0;
            if (AnswerWakeUp())
                return true;
        }
    }
}

bool VirtualRadio::AnswerWakeUp() {
    ++attempts_;
    if (options_.faults.silent || attempts_ < options_.faults.wakeOnAttempt)
        return false;
    line_.Pause(options_.wakeDelayMs);
    line_.Send(&kAck, 1);
    return true;
}

bool VirtualRadio::ReadRest(std::uint8_t *data, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const auto got = line_.Next(data[i], kExchangeQuietMs);
        if (got != RadioLine::Got::Byte) {
            stopped_ = got == RadioLine::Got::Stopped;
            return false;
        }
    }
    return true;
}

bool VirtualRadio::RestOfWakeUp() {
    std::uint8_t rest[kWakeUp.size() - 1];
    return ReadRest(rest, sizeof rest) && std::equal(rest, rest + sizeof rest, kWakeUp.begin() + 1);
}

VirtualRadio::Session VirtualRadio::Exchange() {
    attempts_ = 0;
    pendingAck_ = 0;
    blocksRead_ = blocksWritten_ = 0;
    stopped_ = false;
    bool confirmed = false;
    const auto lost = [this] { return stopped_ ? Session::Stopped : Session::Lost; };
    for (;;) {
        std::uint8_t byte = 0;
        const auto got = line_.Next(byte, kExchangeQuietMs);
        if (got != RadioLine::Got::Byte)
            return got == RadioLine::Got::Stopped ? Session::Stopped : Session::Lost;
        switch (byte) {
        case kWakeUp[0]: // the program started again
            if (!RestOfWakeUp())
                return lost();
            if (AnswerWakeUp()) {
                confirmed = false;
                pendingAck_ = 0;
            }
            break;
        case kIdentRequest[0]: {
            std::uint8_t second = 0;
            if (!ReadRest(&second, 1))
                return lost();
            if (second != kIdentRequest[1])
                break;
            std::uint8_t reply[kIdentReplySize] = {'D', 'P', 'M', 'R', 'S', 'I', 'M'};
            reply[kIdentLowEdge] = static_cast<std::uint8_t>(options_.lowMHz & 0xFF);
            reply[kIdentLowEdge + 1] = static_cast<std::uint8_t>(options_.lowMHz >> 8);
            reply[kIdentHighEdge] = static_cast<std::uint8_t>(options_.highMHz & 0xFF);
            reply[kIdentHighEdge + 1] = static_cast<std::uint8_t>(options_.highMHz >> 8);
            line_.Send(reply, sizeof reply);
            break;
        }
        case kAck:
            if (pendingAck_ != 0) {
                Acknowledge(pendingAck_);
                pendingAck_ = 0;
            } else if (!confirmed) {
                confirmed = true;
                if (!options_.faults.noConfirm)
                    line_.Send(&kAck, 1);
            }
            break;
        case kReadCommand:
        case kWriteCommand: {
            std::uint8_t rest[kFrameHeaderSize - 1];
            if (!ReadRest(rest, sizeof rest))
                return lost();
            const std::size_t address = static_cast<std::size_t>(rest[0] << 8 | rest[1]);
            if (address < kLinkFirst || address >= kLinkEnd || address % kLinkBlockSize != 0 ||
                rest[2] != kLinkBlockSize)
                break; // not a frame of ours
            if (const BlockFault *fault = FaultOf(address); fault && fault->hangUp) {
                Log("hanging up at block " + std::to_string(BlockNumber(address)));
                cable_.hangUp();
                return Session::HungUp;
            }
            if (byte == kReadCommand)
                ServeRead(address);
            else if (!ServeWrite(address))
                return lost();
            break;
        }
        case kTrailerRead[0]: {
            std::uint8_t rest[kTrailerRead.size() - 1];
            if (!ReadRest(rest, sizeof rest))
                return lost();
            if (std::equal(rest, rest + sizeof rest, kTrailerRead.begin() + 1) ||
                std::equal(rest, rest + sizeof rest, kTrailerWrite.begin() + 1))
                return EndWith(rest[2]);
            break;
        }
        default:
            break; // noise between frames
        }
    }
}

void VirtualRadio::ServeRead(std::size_t address) {
    const BlockFault *fault = FaultOf(address);
    std::uint8_t reply[kReplyHeaderSize + kLinkBlockSize];
    const auto header = FrameHeader(kWriteCommand, address);
    std::copy(header.begin(), header.end(), reply);
    std::memcpy(reply + kReplyHeaderSize, memory_.data() + address, kLinkBlockSize);
    std::size_t length = sizeof reply;
    if (fault && fault->garbage)
        std::generate(std::begin(reply), std::end(reply), [this] { return random_() & 0xFF; });
    if (fault && fault->shortReply)
        length = kReplyHeaderSize + kShortReplyData;
    if (fault && fault->byteGapMs > 0) {
        for (std::size_t i = 0; i < length; ++i) {
            if (i > 0 && !line_.Pause(fault->byteGapMs))
                return;
            line_.Send(reply + i, 1);
        }
    } else {
        line_.Send(reply, length);
    }
    pendingAck_ = BlockNumber(address);
    ++blocksRead_;
}

bool VirtualRadio::ServeWrite(std::size_t address) {
    std::uint8_t data[kLinkBlockSize];
    if (!ReadRest(data, sizeof data))
        return false;
    const BlockFault *fault = FaultOf(address);
    if (!(fault && fault->ignoreWrite))
        std::memcpy(memory_.data() + address, data, sizeof data);
    ++blocksWritten_;
    Acknowledge(BlockNumber(address));
    return true;
}

void VirtualRadio::Acknowledge(int block) {
    const BlockFault *fault = FaultOf(BlockAddress(block));
    if (!fault) {
        line_.Send(&kAck, 1);
        return;
    }
    if (fault->ackDelayMs > 0 && !line_.Pause(fault->ackDelayMs))
        return;
    if (fault->noAck)
        return;
    std::uint8_t answer = kAck;
    if (fault->badAck)
        answer = kNak;
    else if (fault->garbage)
        answer = static_cast<std::uint8_t>(kAck + 1 + random_() % 64);
    line_.Send(&answer, 1);
}

VirtualRadio::Session VirtualRadio::EndWith(std::uint8_t last) {
    const bool wrote = last == kTrailerWrite.back();
    if (blocksWritten_ > 0)
        Log("write: " + std::to_string(blocksWritten_) + " blocks, " + (wrote ? "ENDW" : "ENDR"));
    else
        Log("read: " + std::to_string(blocksRead_) + " blocks, " + (wrote ? "ENDW" : "ENDR"));
    // Only a write changes the memory; a read cancelled with "ENDW" leaves the file alone.
    if (wrote && blocksWritten_ > 0 && !options_.savePath.empty()) {
        if (const FileResult saved = SaveCodePlugFile(options_.savePath, memory_); !saved)
            Log(saved.message);
    }
    return Session::Trailer;
}

} // namespace dpmr::sim
