// Numbers in files against printf and scanf of the "C" locale, and under a decimal-comma locale.
#include "platform/FileNumbers.h"
#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace ventrel {
namespace {

std::string Printf(const char *format, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::vector<double> SampleValues() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.5,
                                  -1.5,
                                  100,
                                  0.0000005,
                                  0.0000015,
                                  0.0000025,
                                  -0.0000004,
                                  2.5,
                                  0.125,
                                  1234567.8901234,
                                  -9876.5,
                                  1e20,
                                  -3.4e38,
                                  1e300,
                                  static_cast<double>(0.1f),
                                  static_cast<double>(1.234567f),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::denorm_min()};
    std::mt19937 random(17);
    std::uniform_real_distribution<double> wide(-2e6, 2e6);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(wide(random));
        values.push_back(static_cast<double>(static_cast<float>(wide(random))));
    }
    return values;
}

TEST(FileNumbers, FixedIsPrintfOfTheCLocaleByteForByte) {
    for (double value : SampleValues()) {
        EXPECT_EQ(FixedText(value, 16), Printf("%16f", value)) << value;
        EXPECT_EQ(FixedText(value, 10, 2), Printf("%10.2f", value)) << value;
        EXPECT_EQ(FixedText(value, 0, 0), Printf("%.0f", value)) << value;
    }
    std::string out = "x";
    AppendFixed(out, 2.5, 5, 1);
    EXPECT_EQ(out, "x  2.5");
}

struct Scanned {
    bool ok;
    double value;
    size_t used;
};

Scanned Scanf(const std::string &text, int width) {
    const std::string format = "%" + std::to_string(width) + "lf%n";
    double value = 0;
    int used = 0;
    const bool ok = std::sscanf(text.c_str(), format.c_str(), &value, &used) == 1;
    return {ok, value, static_cast<size_t>(used)};
}

TEST(FileNumbers, ReadRealIsScanfOfTheCLocale) {
    for (const std::string text : {"1.5",
                                   "   -2e3 tail",
                                   "+.5",
                                   "1,5",
                                   "\n\t 7.",
                                   "12345678901234567890.25",
                                   "-0",
                                   "1e400",
                                   "-1e400",
                                   "1e-400",
                                   "3.4e39",
                                   "nan",
                                   "-inf",
                                   "infinity",
                                   "0.000000000001",
                                   "1e+5x",
                                   "abc",
                                   "--1",
                                   "+-1",
                                   "-",
                                   ".",
                                   "",
                                   "   ",
                                   "e5"}) {
        for (int width : {0, 16, 4}) {
            // A field that ends inside an exponent or a word: scanf swallows what it cannot give
            // back ("3.4e", "infi", "12.5e" at the end), which no file of ours holds.
            if (width == 4 && (text == "3.4e39" || text == "infinity"))
                continue;
            const Scanned expected = Scanf(text, width == 0 ? 999 : width);
            size_t at = 0;
            double value = -7;
            const bool ok = ReadReal(text, at, value, width);
            ASSERT_EQ(ok, expected.ok) << "'" << text << "' width " << width;
            if (!ok) {
                EXPECT_EQ(at, 0u);
                EXPECT_EQ(value, -7);
                continue;
            }
            EXPECT_EQ(at, expected.used) << "'" << text << "' width " << width;
            if (std::isnan(expected.value))
                EXPECT_TRUE(std::isnan(value)) << text;
            else
                EXPECT_EQ(value, expected.value) << "'" << text << "' width " << width;
        }
    }
    // Floats are rounded once, from the text, as scanf's "%f" does.
    size_t at = 0;
    float single = 0;
    ASSERT_TRUE(ReadReal("3.4e39 0.1", at, single));
    EXPECT_EQ(single, std::numeric_limits<float>::infinity());
    ASSERT_TRUE(ReadReal("3.4e39 0.1", at, single));
    EXPECT_EQ(single, 0.1f);
    EXPECT_EQ(at, 10u);
}

TEST(FileNumbers, ReadIntIsScanfOfTheCLocale) {
    for (const std::string text : {"         3", "-12 4", "+8", "12345678901234", "99999999999",
                                   "-99999999999", "--3", "x", "", "7x"}) {
        int expected = 0, used = 0;
        const bool expectedOk = std::sscanf(text.c_str(), "%10d%n", &expected, &used) == 1;
        size_t at = 0;
        int value = -7;
        ASSERT_EQ(ReadInt(text, at, value, 10), expectedOk) << text;
        if (!expectedOk)
            continue;
        EXPECT_EQ(at, static_cast<size_t>(used)) << text;
        // scanf leaves a value past int to the C library; ours stops at the nearest end.
        if (text.find("99999999999") == std::string::npos) {
            EXPECT_EQ(value, expected) << text;
        }
    }
    size_t at = 0;
    int value = 0;
    ASSERT_TRUE(ReadInt("99999999999", at, value));
    EXPECT_EQ(value, std::numeric_limits<int>::max());
    at = 0;
    ASSERT_TRUE(ReadInt("-99999999999", at, value));
    EXPECT_EQ(value, std::numeric_limits<int>::min());
}

TEST(FileNumbers, ADecimalCommaLocaleChangesNothing) {
    const std::string before = FixedText(-1234.5678, 16);
    size_t at = 0;
    double read = 0;
    test::ScopedCommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << comma.Why();
    ASSERT_EQ(Printf("%.1f", 1.5), "1,5") << "the C library does follow the locale";
    EXPECT_EQ(FixedText(-1234.5678, 16), before);
    EXPECT_EQ(before, "    -1234.567800");
    ASSERT_TRUE(ReadReal("  1.25 ", at, read));
    EXPECT_EQ(read, 1.25);
    EXPECT_EQ(at, 6u);
}

} // namespace
} // namespace ventrel
