// The digit-string check.

#include "bignum/check.h"
#include "tests/recording_messages.h"

#include <gtest/gtest.h>

#include <string>

using bignum::Check;
using bignum::CheckAll;

namespace {

const testing_support::Message kInvalid{"数据非法", "Qorvi数学计算器"};

TEST(Check, AcceptsDigitsPointsAndMinusSignsOnly) {
    for (std::string text : {"", "123", "007", "-12.5", "1-2", "..", "-", ".", "0123456789.-"}) {
        testing_support::RecordingMessages sink;
        EXPECT_TRUE(Check(text, sink)) << text;
        EXPECT_TRUE(sink.messages.empty()) << text;
    }
}

TEST(Check, RejectsEverythingElseWithOneBox) {
    for (std::string text : {"1a", "+5", "1e5", "12,3", " 1", "1 ", "１２", "12x", "\t", "数", "1/2", "5+"}) {
        testing_support::RecordingMessages sink;
        EXPECT_FALSE(Check(text, sink)) << text;
        ASSERT_EQ(sink.messages.size(), 1u) << text;
        EXPECT_EQ(sink.messages[0], kInvalid);
    }
}

TEST(Check, RejectsTextsOf32767CharactersOrMore) {
    testing_support::RecordingMessages sink;
    EXPECT_TRUE(Check(std::string(32766, '9'), sink));
    EXPECT_FALSE(Check(std::string(32767, '9'), sink));
    EXPECT_FALSE(Check(std::string(65535, '1'), sink));
    EXPECT_EQ(sink.messages.size(), 2u);
}

TEST(CheckAll, ChecksEveryBoxInOrderBeforeStopping) {
    testing_support::RecordingMessages sink;
    EXPECT_FALSE(CheckAll({"a", "b"}, sink));
    EXPECT_EQ(sink.messages.size(), 2u);
    sink.messages.clear();
    EXPECT_FALSE(CheckAll({"1", "b", "2"}, sink));
    EXPECT_EQ(sink.messages.size(), 1u);
    sink.messages.clear();
    EXPECT_TRUE(CheckAll({"1", "", "2.5"}, sink));
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
