// Lines with no radio on them that still say "A": a loopback plug or a half-duplex cable with
// the radio off echoes every byte (the wake-up ends in "A"), and a stuck line streams "A".
// Neither may pass for a radio: the exchange ends at the identification, at once, with a
// message that says what to check, and nothing reaches the image.

#include "link_test_support.h"

#include "core/link/link_protocol.h"

#include <gtest/gtest.h>

namespace dpmr::test {
namespace {

struct NoRadio {
    const char *fault;
    LinkDirection direction;
};

class LineWithoutRadio : public ::testing::TestWithParam<NoRadio> {};

TEST_P(LineWithoutRadio, EndsAtTheIdentificationWithNoRadioAnswered) {
    LinkRig rig;
    std::string error;
    ASSERT_TRUE(rig.Start({"--fault", GetParam().fault}, error)) << error;
    const Image base = RandomImage(51);
    const LinkOutcome outcome = rig.Run(GetParam().direction, base);

    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.image, base);
    ASSERT_EQ(rig.observer.messages.size(), 1u);
    EXPECT_EQ(rig.observer.messages[0].text, "Communication error");
    EXPECT_EQ(rig.observer.messages[0].detail, "no radio answered (the line echoes what is sent: "
                                               "check the cable and that the radio is on)");
    EXPECT_EQ(rig.observer.position, 0) << "no block may pass";
    EXPECT_LT(rig.seconds, 5.0);
    // Nothing after the identification request: no confirmation, no frame, no trailer.
    const auto sent = rig.Sent();
    ASSERT_GE(sent.size(), kIdentRequest.size());
    EXPECT_TRUE(std::equal(kIdentRequest.begin(), kIdentRequest.end(),
                           sent.end() - static_cast<long>(kIdentRequest.size())));
    EXPECT_EQ(rig.flags.busy, 0);
    EXPECT_EQ(rig.observer.closeRequests, 1);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineWithoutRadio,
                         ::testing::Values(NoRadio{"echo", LinkDirection::Read},
                                           NoRadio{"echo", LinkDirection::Write},
                                           NoRadio{"a-stream", LinkDirection::Read},
                                           NoRadio{"a-stream", LinkDirection::Write}),
                         [](const auto &info) {
                             return NameOf(info.param.fault) +
                                    (info.param.direction == LinkDirection::Read ? "_Read"
                                                                                 : "_Write");
                         });

// Every band variant's radio still identifies.
class BandRadio : public ::testing::TestWithParam<const char *> {};

TEST_P(BandRadio, IdentifiesAndReads) {
    LinkRig rig;
    std::string error;
    ASSERT_TRUE(rig.Start({"--band", GetParam()}, error)) << error;
    const LinkOutcome outcome = rig.Run(LinkDirection::Read, RandomImage(52));
    EXPECT_TRUE(outcome.completed);
    EXPECT_TRUE(rig.observer.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Bands, BandRadio, ::testing::Values("136-174", "350-390", "400-470"),
                         [](const auto &info) { return NameOf(info.param); });

} // namespace
} // namespace dpmr::test
