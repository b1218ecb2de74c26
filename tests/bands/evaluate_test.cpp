// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "bands/evaluate.h"
#include "tests/support/recording_view.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zerapol {
namespace {

using testing::RecordingView;
using testing::ViewCall;
using Op = ViewCall::Op;

constexpr const char* kUntouched = "Izaberite boju";

class EvaluateBands : public ::testing::Test {
protected:
    RecordingView view;

    void SetUp() override {
        view.setSelectors({kUntouched, kUntouched, kUntouched, kUntouched, kUntouched});
    }

    std::vector<ViewCall> press() {
        view.calls.clear();
        evaluateBands(view);
        return view.calls;
    }
};

TEST_F(EvaluateBands, UntouchedSelectorsChangeNothing) {
    EXPECT_EQ(press(), (std::vector{ViewCall::read(1), ViewCall::read(2), ViewCall::read(3),
                                    ViewCall::read(4), ViewCall::read(5)}));
    for (int band = 1; band <= 5; ++band) {
        EXPECT_FALSE(view.swatch(band).has_value());
        EXPECT_FALSE(view.readout(band).has_value());
    }
}

TEST_F(EvaluateBands, EachBandIsReadThenPaintedThenLabelledInBandOrder) {
    view.setSelectors({"Crvena", "Ljubicasta", "Crna", "Braon", "Zlatna"});
    EXPECT_EQ(press(), (std::vector{
                           ViewCall::read(1),
                           ViewCall::swatch(1, 0x0000FF),
                           ViewCall::readout(1, "2"),
                           ViewCall::read(2),
                           ViewCall::swatch(2, 0xC000C0),
                           ViewCall::readout(2, "7"),
                           ViewCall::read(3),
                           ViewCall::swatch(3, 0x000000),
                           ViewCall::readout(3, "0"),
                           ViewCall::read(4),
                           ViewCall::swatch(4, 0x155A7B),
                           ViewCall::readout(4, "0"),
                           ViewCall::read(5),
                           ViewCall::swatch(5, 0x43C1D3),
                           ViewCall::readout(5, "5%"),
                       }));
}

TEST_F(EvaluateBands, UnmatchedBandsAreSkippedWithoutStoppingTheOthers) {
    // Grey is a digit but no multiplier; black is a digit but no tolerance.
    view.setSelectors({"zuta", "Siva", "Zuta ", "Siva", "Crna"});
    EXPECT_EQ(press(), (std::vector{ViewCall::read(1), ViewCall::read(2),
                                    ViewCall::swatch(2, 0xC0C0C0), ViewCall::readout(2, "8"),
                                    ViewCall::read(3), ViewCall::read(4), ViewCall::read(5)}));
}

TEST_F(EvaluateBands, BandsAreIndependentOfEachOther) {
    // A multiplier with no digits yet is still shown: nothing checks the value as a whole.
    view.setSelectors({kUntouched, kUntouched, kUntouched, "Plava", kUntouched});
    press();
    EXPECT_EQ(view.readout(4), "000,000");
    EXPECT_EQ(view.swatch(4), Colour{0xE8893C});
    for (const int other : {1, 2, 3, 5}) {
        EXPECT_FALSE(view.readout(other).has_value()) << "band " << other;
    }
}

TEST_F(EvaluateBands, BlackMultiplierBlanksAnEarlierReadout) {
    view.selector(4) = "Narandzasta";
    press();
    ASSERT_EQ(view.readout(4), "000");
    view.selector(4) = "Crna";
    press();
    EXPECT_EQ(view.readout(4), "");
    EXPECT_EQ(view.swatch(4), Colour{0x000000});
}

TEST_F(EvaluateBands, ABandThatNoLongerMatchesKeepsItsEarlierLook) {
    view.setSelectors({"Bela", "Zelena", "Braon", "Zuta", "Ljubicasta"});
    press();
    const auto swatches = view.swatches;
    const auto readouts = view.readouts;

    view.setSelectors({"Bela ", "typed by hand", "", "Siva", "Crna"});
    const std::vector<ViewCall> calls = press();

    EXPECT_EQ(view.swatches, swatches);
    EXPECT_EQ(view.readouts, readouts);
    EXPECT_EQ(calls.size(), 5u) << "only the five reads";
}

TEST_F(EvaluateBands, PressingTwiceLooksLikePressingOnce) {
    view.setSelectors({"Narandzasta", "Bela", "Siva", "Srebrna", "Plava"});
    const std::vector<ViewCall> first = press();
    const auto swatches = view.swatches;
    const auto readouts = view.readouts;
    EXPECT_EQ(press(), first);
    EXPECT_EQ(view.swatches, swatches);
    EXPECT_EQ(view.readouts, readouts);
    EXPECT_EQ(view.readout(5), "0.25%");
}

struct FailureCase {
    const char* name;
    Op op;
    int band;
    std::size_t callsMade; // including the failing one
};

class EvaluateBandsFailure : public EvaluateBands,
                             public ::testing::WithParamInterface<FailureCase> {};

TEST_P(EvaluateBandsFailure, StopsAtTheFailingOperationAndKeepsEarlierBands) {
    const FailureCase& failure = GetParam();
    view.setSelectors({"Braon", "Crna", "Crvena", "Zuta", "Zlatna"});
    view.failOn(failure.op, failure.band);

    EXPECT_THROW(evaluateBands(view), ControlError);

    ASSERT_EQ(view.calls.size(), failure.callsMade);
    EXPECT_EQ(view.calls.back().op, failure.op);
    EXPECT_EQ(view.calls.back().band, failure.band);
    for (int band = 1; band < failure.band; ++band) {
        EXPECT_TRUE(view.readout(band).has_value()) << "band " << band << " lost its look";
    }
    for (int band = failure.band + 1; band <= 5; ++band) {
        EXPECT_FALSE(view.swatch(band).has_value()) << "band " << band << " was reached";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachKindOfOperation, EvaluateBandsFailure,
    ::testing::Values(FailureCase{"ReadingTheFirstSelector", Op::ReadSelector, 1, 1},
                      FailureCase{"ReadingTheLastSelector", Op::ReadSelector, 5, 13},
                      FailureCase{"PaintingTheThirdSwatch", Op::SetSwatch, 3, 8},
                      FailureCase{"LabellingTheMultiplier", Op::SetReadout, 4, 12}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(EvaluateBands, FailureReachesTheCallerWithItsMessage) {
    view.setSelectors({"Braon", "Crna", "Crvena", "Zuta", "Zlatna"});
    view.failOn(Op::SetReadout, 2);
    try {
        evaluateBands(view);
        FAIL() << "no error reached the caller";
    } catch (const ControlError& error) {
        EXPECT_STREQ(error.what(), "fake control of band 2 failed");
    }
    // The swatch of the failing band was already painted; its readout never changed.
    EXPECT_EQ(view.swatch(2), Colour{0x000000});
    EXPECT_FALSE(view.readout(2).has_value());
}

} // namespace
} // namespace zerapol
