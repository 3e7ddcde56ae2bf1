// Val, Format, Asc and TruncToInt64 as the calculator's handlers use them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/core/Math.h"
#include "framework/core/Text.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <class Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// Failures show the row's name rather than its bytes.
template <class Row>
requires requires(Row r) {
    r.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

struct ValRow {
    const char* name;
    const char* text;
    double expected;
};

class ValTest : public testing::TestWithParam<ValRow> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    const ValRow& row = GetParam();
    const double value = fw::Val(row.text);
    EXPECT_FALSE(std::isnan(value));
    EXPECT_EQ(value, row.expected) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    testing::Values(
        ValRow{"Empty", "", 0.0}, ValRow{"LoneMinus", "-", 0.0}, ValRow{"LonePlus", "+", 0.0},
        ValRow{"LonePoint", ".", 0.0}, ValRow{"MinusPoint", "-.", 0.0}, ValRow{"Slash", "/", 0.0},
        ValRow{"Word", "abc", 0.0}, ValRow{"Inf", "inf", 0.0}, ValRow{"Infinity", "Infinity", 0.0},
        ValRow{"NaN", "nan", 0.0}, ValRow{"MinusInf", "-inf", 0.0},
        ValRow{"OneAndAHalf", "1.5", 1.5}, ValRow{"MinusNine", "-9", -9.0},
        ValRow{"NinePointZeroOne", "9.01", 9.01}, ValRow{"Exponent", "1e30", 1e30},
        ValRow{"ExponentUpper", "2.5E-3", 0.0025}, ValRow{"TooLarge", "1e999", kInf},
        ValRow{"TooLargeNegative", "-1e999", -kInf},
        ValRow{"TooLargeLongMantissa", "123456789012345678901234567890e300", kInf},
        ValRow{"TooLargeFraction", "0.001e312", kInf}, ValRow{"TooSmall", "1e-999", 0.0},
        ValRow{"HugeExponentDigits", "1e99999999999999999999999", kInf},
        ValRow{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ValRow{"LeadingBlank", " 12", 12.0}, ValRow{"LeadingTab", "\t7", 7.0},
        ValRow{"BlankAfterSign", "- 5", 0.0}, ValRow{"TrailingWord", "12abc", 12.0},
        ValRow{"TwoPoints", "1.2.3", 1.2}, ValRow{"PlusSign", "+5", 5.0},
        ValRow{"Hex", "0x10", 0.0}, ValRow{"ExponentWithoutDigits", "1e", 1.0},
        ValRow{"ExponentSignWithoutDigits", "1e+", 1.0}, ValRow{"ExponentThenWord", "2e3x", 2000.0},
        ValRow{"LeadingPoint", ".5", 0.5}, ValRow{"MinusLeadingPoint", "-.25", -0.25},
        ValRow{"TrailingPoint", "5.", 5.0}, ValRow{"FractionSlash", "1/2", 1.0},
        ValRow{"Comma", "1,5", 1.0}, ValRow{"LeadingZeros", "007", 7.0},
        ValRow{"DegreesOfFreedom", "9999", 9999.0}),
    RowName<ValRow>);

TEST(Val, NegativeZeroStaysZero) {
    EXPECT_EQ(fw::Val("-0"), 0.0);
    EXPECT_EQ(fw::Val("-1e-999"), 0.0);
}

struct FormatRow {
    const char* name;
    double value;
    const char* mask;
    const char* expected;
};

class FormatTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatTest, WritesByMask) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(fw::Format(row.value, row.mask), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Probabilities, FormatTest,
    testing::Values(
        FormatRow{"FivePercent", 0.05, ".0000", ".0500"},
        FormatRow{"Cap", 0.9999, ".0000", ".9999"}, FormatRow{"Zero", 0.0, ".0000", ".0000"},
        FormatRow{"NegativeZero", -0.0, ".0000", ".0000"},
        FormatRow{"TinyNegative", -1.776e-15, ".0000", ".0000"},
        FormatRow{"HalfUnitRoundsUp", 0.00005, ".0000", ".0001"},
        // 0.00015 is stored just below the half: the exact value decides.
        FormatRow{"StoredBelowHalf", 0.00015, ".0000", ".0001"},
        FormatRow{"JustBelowHalfUnit", 0.0000499999, ".0000", ".0000"},
        FormatRow{"NegativeJustBelowHalfUnit", -0.0000499999, ".0000", ".0000"},
        FormatRow{"NegativeHalfUnit", -0.00005, ".0000", "-.0001"},
        FormatRow{"OneSigma", 0.31731, ".0000", ".3173"},
        FormatRow{"RoundsToOne", 0.99995, ".0000", "1.0000"},
        FormatRow{"One", 1.0, ".0000", "1.0000"}, FormatRow{"Twelve", 12.34567, ".0000", "12.3457"},
        FormatRow{"NegativeHalf", -0.5, ".0000", "-.5000"},
        FormatRow{"Subnormal", 5e-324, ".0000", ".0000"}, FormatRow{"NaN", kNaN, ".0000", "?"},
        FormatRow{"PlusInf", kInf, ".0000", "?"}, FormatRow{"MinusInf", -kInf, ".0000", "?"}),
    RowName<FormatRow>);

INSTANTIATE_TEST_SUITE_P(Masks, FormatTest,
                         testing::Values(FormatRow{"ExactTieAwayFromZero", 0.125, ".00", ".13"},
                                         FormatRow{"NegativeExactTieAwayFromZero", -0.125, ".00",
                                                   "-.13"},
                                         FormatRow{"TieToInteger", 2.5, "#", "3"},
                                         FormatRow{"NegativeTieToInteger", -2.5, "#", "-3"},
                                         FormatRow{"RequiredIntegerDigit", 0.5, "0.0", "0.5"},
                                         FormatRow{"RequiredDigitsPadded", 7.0, "000", "007"},
                                         FormatRow{"ZeroOptionalOnly", 0.0, "#", ""},
                                         FormatRow{"Large", 1e20, "0", "100000000000000000000"}),
                         RowName<FormatRow>);

TEST(Format, LargestDoubleIsWrittenInFull) {
    const std::string text = fw::Format(std::numeric_limits<double>::max(), ".0000");
    EXPECT_EQ(text.size(), 309u + 5u);
    EXPECT_EQ(text.substr(0, 6), "179769");
    EXPECT_EQ(text.substr(text.size() - 5), ".0000");
}

TEST(Format, ProbabilitiesNeverShowNanInfOrNegativeZero) {
    // Every double the probability functions may hand over, in steps across [-2e-15, 1].
    for (double p : {-2e-15, -1e-300, -0.0, 0.0, 1e-300, 0.00004999, 0.5, 0.99994999, 0.9999}) {
        SCOPED_TRACE(p);
        const std::string text = fw::Format(p, ".0000");
        EXPECT_EQ(text.size(), 5u);
        EXPECT_EQ(text.front(), '.');
        EXPECT_EQ(text.find_first_not_of("0123456789", 1), std::string::npos);
    }
}

struct AscRow {
    const char* name;
    std::string_view text;
    int64_t expected;
};

class AscTest : public testing::TestWithParam<AscRow> {};

TEST_P(AscTest, CodeOfFirstCharacter) {
    EXPECT_EQ(fw::Asc(GetParam().text), GetParam().expected);
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Texts, AscTest,
    testing::Values(
        AscRow{"Empty", "", -1}, AscRow{"Zero", "0", 48}, AscRow{"Nine", "9", 57},
        AscRow{"Minus", "-", 45}, AscRow{"Point", ".", 46}, AscRow{"Slash", "/", 47},
        AscRow{"Comma", ",", 44}, AscRow{"Colon", ":", 58}, AscRow{"Plus", "+", 43},
        AscRow{"Backspace", "\b", 8}, AscRow{"Tab", "\t", 9}, AscRow{"Space", " ", 32},
        AscRow{"Nul", "\0"sv, 0}, AscRow{"LetterThenMore", "abc", 97},
        AscRow{"TwoByte", "\xC3\xA9", 0xE9}, AscRow{"ThreeByte", "\xE2\x82\xAC", 0x20AC},
        AscRow{"FourByte", "\xF0\x9F\x98\x80", 0x1F600}, AscRow{"LoneContinuation", "\x80", 0x80},
        AscRow{"InvalidLead", "\xFF", 0xFF}, AscRow{"OverlongTwoByte", "\xC0\xAF", 0xC0},
        AscRow{"OverlongThreeByte", "\xE0\x80\xAF", 0xE0},
        AscRow{"Surrogate", "\xED\xA0\x80", 0xED},
        AscRow{"BeyondUnicode", "\xF4\x90\x80\x80", 0xF4}, AscRow{"CutShort", "\xE2\x82", 0xE2},
        AscRow{"BadContinuation",
               "\xC3"
               "A",
               0xC3}),
    RowName<AscRow>);

struct TruncRow {
    const char* name;
    double value;
    int64_t expected;
};

class TruncTest : public testing::TestWithParam<TruncRow> {};

TEST_P(TruncTest, TowardZeroAndSaturating) {
    EXPECT_EQ(fw::TruncToInt64(GetParam().value), GetParam().expected);
}

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Values, TruncTest,
    testing::Values(TruncRow{"OnePointNine", 1.9, 1}, TruncRow{"MinusHalf", -0.5, 0},
                    TruncRow{"MinusOnePointNine", -1.9, -1}, TruncRow{"Max", 9999.0, 9999},
                    TruncRow{"AboveRange", 9.3e18, kMax}, TruncRow{"BelowRange", -9.3e18, kMin},
                    TruncRow{"Huge", 1e30, kMax}, TruncRow{"HugeNegative", -1e30, kMin},
                    TruncRow{"PlusInf", kInf, kMax}, TruncRow{"MinusInf", -kInf, kMin},
                    TruncRow{"NaN", kNaN, 0},
                    // Rounds to 2^63 as a double: one past the largest integer.
                    TruncRow{"LiteralInt64Max", 9223372036854775807.0, kMax},
                    TruncRow{"ExactInt64Min", -9223372036854775808.0, kMin},
                    TruncRow{"LargestBelowTwoTo63", 9223372036854774784.0, 9223372036854774784LL}),
    RowName<TruncRow>);

}  // namespace
