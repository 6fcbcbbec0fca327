#include "core/link/radio_link.h"

#include "core/image/band_limits.h"
#include "core/link/link_protocol.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace dpmr {

namespace {

enum class Trailer { None, Before, After };

class Exchange {
public:
    Exchange(LinkDirection direction, const Image &image, LinkPort &port, LinkObserver &observer,
             LinkFlags &flags)
        : direction_(direction), port_(port), observer_(observer), flags_(flags) {
        outcome_.image = image;
        buffer_ = image;
    }

    LinkOutcome Run(const std::string &portName) {
        flags_.busy = 1;
        flags_.cancel = 0;
        outcome_.completed = false;

        std::string reason;
        if (!port_.Open(portName, reason)) {
            observer_.ShowMessage(kMessageOpenFailed, reason);
            flags_.busy = 0;
            observer_.RequestClose();
            return outcome_;
        }
        observer_.DisableStart();

        if (!WakeUp())
            return Fail("the radio did not answer the wake-up (" + std::to_string(kWakeUpAttempts) +
                            " attempts): is it switched on and the cable plugged in?",
                        Trailer::None);
        if (!Identify())
            return Fail(kNoRadioAnswered, Trailer::None);
        if (!Confirm())
            return Fail("the radio did not confirm the start of the exchange", Trailer::None);

        for (int block = 1; block <= kLinkBlockCount; ++block) {
            const std::size_t address = BlockAddress(block);
            const BlockEnd end =
                direction_ == LinkDirection::Read ? ReadBlock(address) : WriteBlock(address);
            if (end == BlockEnd::Echo)
                return Fail(kNoRadioAnswered,
                            direction_ == LinkDirection::Read ? Trailer::Before : Trailer::After);
            if (end == BlockEnd::NoAck) {
                char detail[96];
                std::snprintf(detail, sizeof detail,
                              "the radio did not acknowledge block %d of %d (0x%04zX)", block,
                              kLinkBlockCount, address);
                // A read sends its trailer before the message, a write after it.
                return Fail(detail,
                            direction_ == LinkDirection::Read ? Trailer::Before : Trailer::After);
            }
            const int position = observer_.StepProgress();
            char percent[16];
            std::snprintf(percent, sizeof percent, "%d%%", position * 100 / kLinkBlockCount);
            observer_.SetPercentText(percent);
            if (flags_.cancel != 0) {
                Send(kTrailerWrite.data(), kTrailerWrite.size());
                return Finish(false);
            }
        }

        if (direction_ == LinkDirection::Read) {
            Send(kTrailerRead.data(), kTrailerRead.size());
            FillMissingBandLimits(buffer_, outcome_.identifiedLow, outcome_.identifiedHigh);
            // Only a completed read reaches the caller's image.
            outcome_.image = buffer_;
        } else {
            Send(kTrailerWrite.data(), kTrailerWrite.size());
        }
        return Finish(true);
    }

private:
    void Send(const std::uint8_t *data, std::size_t n) { port_.Write(data, n); }

    bool ReceiveAck() {
        std::uint8_t reply = 0;
        return port_.Read(&reply, 1) == 1 && reply == kAck;
    }

    bool WakeUp() {
        for (int attempt = 0;; ++attempt) {
            for (const std::uint8_t byte : kWakeUp) {
                port_.SleepMs(kWakeUpByteGapMs);
                port_.Purge();
                Send(&byte, 1);
            }
            port_.Purge();
            if (ReceiveAck())
                return true;
            if (attempt >= kWakeUpAttempts - 1)
                return false;
        }
    }

    // A radio answers with 16 bytes whose last four are the edges of one of its bands. Our own
    // request coming back, too few bytes or edges of no band are a line that echoes or
    // streams, not a radio: going on would "read" the echo for a quarter of an hour.
    bool Identify() {
        port_.Purge();
        Send(kIdentRequest.data(), kIdentRequest.size());
        std::uint8_t reply[kIdentReplySize] = {};
        const std::size_t got = port_.Read(reply, sizeof reply);
        if (got < sizeof reply || std::equal(kIdentRequest.begin(), kIdentRequest.end(), reply))
            return false;
        const auto edge = [&](std::size_t at) { return reply[at] | (reply[at + 1] << 8); };
        const long low = edge(kIdentLowEdge), high = edge(kIdentHighEdge);
        outcome_.identifiedLow = low * kUnitsPerMHz;
        outcome_.identifiedHigh = high * kUnitsPerMHz;
        return std::any_of(
            kBandVariants.begin(), kBandVariants.end(),
            [&](const BandVariant &band) { return band.lower == low && band.upper == high; });
    }

    bool Confirm() {
        port_.Purge();
        Send(&kAck, 1);
        return ReceiveAck();
    }

    enum class BlockEnd { Acknowledged, NoAck, Echo };

    BlockEnd Acknowledged() { return ReceiveAck() ? BlockEnd::Acknowledged : BlockEnd::NoAck; }

    // A short or missing data reply is not an error by itself: the acknowledgement decides.
    // Bytes that did not arrive keep what the buffer held, and the block is noted as short.
    BlockEnd ReadBlock(std::size_t address) {
        port_.Purge();
        const auto header = FrameHeader(kReadCommand, address);
        Send(header.data(), header.size());
        std::uint8_t replyHeader[kReplyHeaderSize];
        const std::size_t headerGot = port_.Read(replyHeader, sizeof replyHeader);
        // The radio's reply header is not our frame header: that is the line echoing us.
        if (headerGot == sizeof replyHeader &&
            std::equal(header.begin(), header.end(), replyHeader))
            return BlockEnd::Echo;
        std::uint8_t data[kLinkBlockSize];
        const std::size_t got = port_.Read(data, sizeof data);
        std::memcpy(buffer_.data() + address, data, got);
        if (headerGot < sizeof replyHeader || got < sizeof data)
            outcome_.shortReplies.push_back({BlockNumber(address), got});
        port_.Purge();
        Send(&kAck, 1);
        return Acknowledged();
    }

    BlockEnd WriteBlock(std::size_t address) {
        port_.Purge();
        const auto header = FrameHeader(kWriteCommand, address);
        Send(header.data(), header.size());
        Send(outcome_.image.data() + address, kLinkBlockSize);
        std::uint8_t reply = 0;
        if (port_.Read(&reply, 1) != 1)
            return BlockEnd::NoAck;
        // Our own frame coming back starts with its "W".
        if (reply == kWriteCommand)
            return BlockEnd::Echo;
        return reply == kAck ? BlockEnd::Acknowledged : BlockEnd::NoAck;
    }

    LinkOutcome Fail(const std::string &what, Trailer trailer) {
        if (trailer == Trailer::Before)
            Send(kTrailerWrite.data(), kTrailerWrite.size());
        std::string detail = what;
        if (const std::string fault = port_.LineFault(); !fault.empty())
            detail += ": " + fault;
        observer_.ShowMessage(kMessageCommunicationError, detail);
        if (trailer == Trailer::After)
            Send(kTrailerWrite.data(), kTrailerWrite.size());
        return Finish(false);
    }

    // The port is closed before the close request: once the dialog has gone, the user may
    // start the next exchange at once, and it must find the port free.
    LinkOutcome Finish(bool completed) {
        flags_.busy = 0;
        port_.Close();
        outcome_.completed = completed;
        observer_.RequestClose();
        return outcome_;
    }

    LinkDirection direction_;
    LinkPort &port_;
    LinkObserver &observer_;
    LinkFlags &flags_;
    LinkOutcome outcome_;
    Image buffer_; // a read's blocks land here first
};

} // namespace

void FillMissingBandLimits(Image &image, std::int64_t identifiedLow, std::int64_t identifiedHigh) {
    if (image[kBandLowLimit + 3] == 0xFF)
        EncodeBandLimits(image, {identifiedLow, identifiedHigh});
}

LinkOutcome RunRadioLink(LinkDirection direction, const std::string &portName, const Image &image,
                         LinkPort &port, LinkObserver &observer, LinkFlags &flags) {
    return Exchange(direction, image, port, observer, flags).Run(portName);
}

} // namespace dpmr
