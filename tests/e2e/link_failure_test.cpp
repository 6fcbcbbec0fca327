// Every way an exchange ends early: the messages, the bytes sent at the end, the result flag,
// and that a read which does not complete leaves the image as it was.

#include "link_test_support.h"

#include "core/link/link_protocol.h"
#include "core/link/port_names.h"

#include <gtest/gtest.h>

namespace dpmr::test {
namespace {

std::vector<std::uint8_t> WakeUpTimes(int n) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < n; ++i)
        bytes.insert(bytes.end(), kWakeUp.begin(), kWakeUp.end());
    return bytes;
}

// The radio holds a different image than the one read into, so any block that leaked into the
// result would show.
class Failures : public ::testing::Test {
protected:
    void StartRadio(std::vector<std::string> args) {
        SaveImage(dir.File("radio.dat"), RandomImage(21));
        args.insert(args.end(), {"--load", dir.File("radio.dat"), "--save", dir.File("saved.dat")});
        std::string error;
        ASSERT_TRUE(rig.Start(args, error)) << error;
    }

    void ExpectEndedWithoutResult(const LinkOutcome &outcome) {
        EXPECT_FALSE(outcome.completed);
        EXPECT_EQ(outcome.image, base) << "an exchange that did not complete changes no byte";
        EXPECT_EQ(rig.observer.closeRequests, 1);
        EXPECT_EQ(rig.observer.busyAtClose, 0);
        EXPECT_EQ(rig.flags.busy, 0);
    }

    void ExpectOneMessage(const std::string &text) {
        ASSERT_EQ(rig.observer.messages.size(), 1u);
        EXPECT_EQ(rig.observer.messages[0].text, text);
        EXPECT_EQ(rig.observer.messages[0].busy, 1) << "shown while the dialog is still open";
    }

    TempDir dir;
    LinkRig rig;
    const Image base = RandomImage(22);
};

TEST_F(Failures, PortThatCannotBeOpenedSendsNothing) {
    const std::string absent = "COM" + std::to_string(ListSerialDevices().size() + 1);
    for (const std::string &port : {dir.File("no-such-tty"), absent}) {
        const LinkOutcome outcome = rig.RunOn(port, LinkDirection::Read, base);
        ExpectEndedWithoutResult(outcome);
        ExpectOneMessage("Cound not open the port");
        EXPECT_TRUE(rig.Sent().empty());
        EXPECT_EQ(rig.observer.disableStarts, 0);
    }
    EXPECT_NE(rig.observer.messages[0].detail.find("plug the cable in"), std::string::npos);
}

TEST_F(Failures, PortHeldByAnotherProgramIsRefusedAsBusy) {
    StartRadio({});
    SerialPort holder;
    std::string reason;
    ASSERT_TRUE(holder.Open(rig.radio.Path(), reason)) << reason;
    const LinkOutcome outcome = rig.Run(LinkDirection::Read, base);
    ExpectEndedWithoutResult(outcome);
    ExpectOneMessage("Cound not open the port");
    EXPECT_NE(rig.observer.messages[0].detail.find("in use by another program"), std::string::npos);
    EXPECT_TRUE(rig.Sent().empty());

    holder.Close();
    EXPECT_TRUE(rig.Run(LinkDirection::Read, base).completed) << "free again once closed";
}

class WakeUpAnsweredOnAttempt : public Failures, public ::testing::WithParamInterface<int> {};

TEST_P(WakeUpAnsweredOnAttempt, AtMostFourAttemptsOfSevenBytes) {
    const int attempt = GetParam();
    StartRadio({"--fault", "wake-on:" + std::to_string(attempt)});
    const LinkOutcome outcome = rig.Run(LinkDirection::Read, base);
    const auto sent = rig.Sent();
    if (attempt <= 4) {
        EXPECT_TRUE(outcome.completed);
        ASSERT_GE(sent.size(), 7u * attempt + 2);
        EXPECT_EQ(std::vector<std::uint8_t>(sent.begin(), sent.begin() + 7 * attempt + 2), [&] {
            auto expected = WakeUpTimes(attempt);
            expected.insert(expected.end(), kIdentRequest.begin(), kIdentRequest.end());
            return expected;
        }());
    } else {
        ExpectEndedWithoutResult(outcome);
        ExpectOneMessage("Communication error");
        EXPECT_EQ(sent, WakeUpTimes(4)) << "exactly 28 wake-up bytes, no trailer";
        EXPECT_EQ(rig.observer.disableStarts, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Attempts, WakeUpAnsweredOnAttempt, ::testing::Values(1, 4, 5),
                         [](const auto &info) { return "Attempt" + std::to_string(info.param); });

TEST_F(Failures, SilentRadioGetsTwentyEightWakeUpBytes) {
    StartRadio({"--fault", "silent"});
    ExpectEndedWithoutResult(rig.Run(LinkDirection::Write, base));
    ExpectOneMessage("Communication error");
    EXPECT_EQ(rig.Sent(), WakeUpTimes(4));
}

TEST_F(Failures, NoConfirmationEndsWithoutTrailer) {
    StartRadio({"--fault", "no-confirm"});
    ExpectEndedWithoutResult(rig.Run(LinkDirection::Read, base));
    ExpectOneMessage("Communication error");
    auto expected = WakeUpTimes(1);
    expected.insert(expected.end(), {0x4D, 0x02, 0x41});
    EXPECT_EQ(rig.Sent(), expected);
}

// A block that is not acknowledged, in either direction: the read sends "ENDW" before the
// message, the write after it.
struct BlockFailure {
    LinkDirection direction;
    const char *fault;
    int block;
};

class UnacknowledgedBlock : public Failures, public ::testing::WithParamInterface<BlockFailure> {};

TEST_P(UnacknowledgedBlock, EndsWithEndwAndCommunicationError) {
    const BlockFailure c = GetParam();
    StartRadio({"--fault", std::string(c.fault) + ":" + std::to_string(c.block)});
    ExpectEndedWithoutResult(rig.Run(c.direction, base));
    ExpectOneMessage("Communication error");
    EXPECT_NE(rig.observer.messages[0].detail.find("block " + std::to_string(c.block) + " of 504"),
              std::string::npos)
        << rig.observer.messages[0].detail;
    EXPECT_EQ(rig.observer.position, c.block - 1);
    EXPECT_EQ(rig.SentEvents().back().bytes, Bytes(kTrailerWrite)) << "the last bytes sent";
    EXPECT_EQ(rig.LastSendOf(Bytes(kTrailerRead)), -1);
    const long trailer = rig.LastSendOf(Bytes(kTrailerWrite));
    const auto shown = static_cast<long>(rig.observer.messages[0].traceEvents);
    if (c.direction == LinkDirection::Read)
        EXPECT_LT(trailer, shown) << "a read sends the trailer before the message";
    else
        EXPECT_GE(trailer, shown) << "a write shows the message before the trailer";
}

INSTANTIATE_TEST_SUITE_P(Rows, UnacknowledgedBlock,
                         ::testing::Values(BlockFailure{LinkDirection::Read, "no-ack", 3},
                                           BlockFailure{LinkDirection::Read, "bad-ack", 1},
                                           BlockFailure{LinkDirection::Read, "garbage", 77},
                                           BlockFailure{LinkDirection::Read, "no-ack", 504},
                                           BlockFailure{LinkDirection::Write, "no-ack", 3},
                                           BlockFailure{LinkDirection::Write, "bad-ack", 504},
                                           BlockFailure{LinkDirection::Write, "garbage", 1}),
                         [](const auto &info) {
                             return NameOf(std::string(info.param.direction == LinkDirection::Read
                                                           ? "Read_"
                                                           : "Write_") +
                                           info.param.fault + "_" +
                                           std::to_string(info.param.block));
                         });

TEST_F(Failures, CancelDuringReadSendsEndwAndKeepsTheImage) {
    StartRadio({});
    rig.observer.cancelAtPosition = 10;
    ExpectEndedWithoutResult(rig.Run(LinkDirection::Read, base));
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_EQ(rig.observer.position, 10);
    EXPECT_EQ(rig.SentEvents().back().bytes, Bytes(kTrailerWrite));
    EXPECT_EQ(rig.LastSendOf(Bytes(kTrailerRead)), -1);
}

TEST_F(Failures, CancelDuringWriteLeavesTheRadioWithTheBlocksSent) {
    StartRadio({});
    rig.observer.cancelAtPosition = 10;
    const Image written = RandomImage(23);
    const LinkOutcome outcome = rig.Run(LinkDirection::Write, written);
    EXPECT_FALSE(outcome.completed);
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_EQ(rig.SentEvents().back().bytes, Bytes(kTrailerWrite));
    ASSERT_TRUE(WaitForFile(dir.File("saved.dat"), kImageSize));
    const Image radio = LoadImage(dir.File("saved.dat"));
    const std::size_t end = BlockAddress(11);
    EXPECT_TRUE(SameRange(radio, written, kLinkFirst, end));
    EXPECT_TRUE(SameRange(radio, RandomImage(21), end, kLinkEnd));
}

// Cancel is only looked at after a block, so one pressed before the blocks stops after the
// first.
TEST_F(Failures, CancelBeforeTheBlocksTakesEffectAfterTheFirst) {
    StartRadio({});
    rig.observer.cancelAtStart = true;
    ExpectEndedWithoutResult(rig.Run(LinkDirection::Read, base));
    EXPECT_EQ(rig.observer.position, 1);
    EXPECT_EQ(rig.SentEvents().back().bytes, Bytes(kTrailerWrite));
}

class HangUp : public Failures, public ::testing::WithParamInterface<LinkDirection> {};

TEST_P(HangUp, InTheMiddleOfTheBlocksEndsAtOnce) {
    StartRadio({"--fault", "hangup:200"});
    ExpectEndedWithoutResult(rig.Run(GetParam(), base));
    ExpectOneMessage("Communication error");
    EXPECT_NE(rig.observer.messages[0].detail.find("hung up"), std::string::npos)
        << rig.observer.messages[0].detail;
    EXPECT_EQ(rig.observer.position, 199);
    // Waiting out the time-outs of the reads left in the block would take seconds.
    EXPECT_LT(rig.seconds, 1.5);
    int status = 0;
    ASSERT_TRUE(rig.radio.WaitForExit(5000, status));
    EXPECT_TRUE(sim::ExitedCleanly(status));
}

INSTANTIATE_TEST_SUITE_P(Directions, HangUp,
                         ::testing::Values(LinkDirection::Read, LinkDirection::Write),
                         [](const auto &info) {
                             return info.param == LinkDirection::Read ? "Read" : "Write";
                         });

// Replies just inside and just outside the time-outs: 150 ms for the one-byte acknowledgement,
// 50 ms between the bytes of a reply.
struct LateReply {
    const char *fault;
    bool completes;
};

class LateReplies : public Failures, public ::testing::WithParamInterface<LateReply> {};

TEST_P(LateReplies, CountOnlyWithinTheTimeOuts) {
    // Block 2 of the radio holds no "A", so a data byte is never taken for an acknowledgement.
    Image radioMemory = RandomImage(21);
    std::fill(radioMemory.data() + BlockAddress(2), radioMemory.data() + BlockAddress(3), 0x5A);
    SaveImage(dir.File("radio.dat"), radioMemory);
    std::string error;
    ASSERT_TRUE(rig.Start({"--load", dir.File("radio.dat"), "--fault", GetParam().fault}, error))
        << error;
    const LinkOutcome outcome = rig.Run(LinkDirection::Read, base);
    if (GetParam().completes) {
        ASSERT_TRUE(outcome.completed);
        EXPECT_TRUE(SameRange(outcome.image, radioMemory, kLinkFirst, kLinkEnd));
    } else {
        ExpectEndedWithoutResult(outcome);
        ExpectOneMessage("Communication error");
        EXPECT_EQ(rig.observer.position, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Replies, LateReplies,
                         ::testing::Values(LateReply{"ack-delay:2:40", true},
                                           LateReply{"ack-delay:2:300", false},
                                           LateReply{"byte-gap:2:5", true},
                                           LateReply{"byte-gap:2:120", false}),
                         [](const auto &info) { return NameOf(info.param.fault); });

// A short data reply is not an error by itself: the acknowledgement after it decides, and the
// next block is read whole again.
TEST_F(Failures, ShortReplyThatIsAcknowledgedCompletes) {
    const Image radioMemory = RandomImage(21);
    StartRadio({"--fault", "short:5"});
    const LinkOutcome outcome = rig.Run(LinkDirection::Read, base);
    ASSERT_TRUE(outcome.completed);
    const std::size_t block5 = BlockAddress(5);
    EXPECT_TRUE(SameRange(outcome.image, radioMemory, block5, block5 + 16));
    EXPECT_TRUE(SameRange(outcome.image, base, block5 + 16, block5 + 32));
    EXPECT_TRUE(SameRange(outcome.image, radioMemory, block5 + 32, kLinkEnd));
}

} // namespace
} // namespace dpmr::test
