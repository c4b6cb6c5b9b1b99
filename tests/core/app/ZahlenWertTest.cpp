// SPDX-License-Identifier: GPL-3.0-or-later
// The leading number of a text: the stored options and the host's version
// text are both read through it.
#include "app/Text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <initializer_list>
#include <string>

namespace {

using cb::ZahlenWert;

struct Fall {
    const char* text;
    double wert;
};

void ErwarteWerte(std::initializer_list<Fall> faelle) {
    for (const Fall& f : faelle)
        EXPECT_EQ(ZahlenWert(f.text), f.wert) << f.text;
}

TEST(ZahlenWert, SignBlanksAndDecimalPoint) {
    ErwarteWerte({{"12", 12.0},
                  {"+3", 3.0},
                  {"-4.25", -4.25},
                  {" \t 7", 7.0},
                  {" 12.5x", 12.5},
                  {"-.5", -0.5},
                  {".5", 0.5},
                  {"5.", 5.0},
                  {"007", 7.0},
                  // Only blanks and tabs go before the number, and nothing
                  // between the sign and the digits
                  {"\n7", 0.0},
                  {"- 5", 0.0},
                  {"+-1", 0.0}});
}

TEST(ZahlenWert, StopsAtTheFirstCharacterThatIsNoPartOfIt) {
    ErwarteWerte({{"12abc", 12.0},
                  {"16.0 (Build 1234)", 16.0},
                  {"1.2.3", 1.2},
                  {"1e5", 1.0},
                  {"1,5", 1.0},
                  {"0x10", 0.0}});
}

TEST(ZahlenWert, NoDigitsGiveZero) {
    for (const char* text : {"", "   ", "\t", "abc", "-", "+", ".", "-.", "+.x", "-x9"}) {
        EXPECT_EQ(ZahlenWert(text), 0.0) << text;
        EXPECT_FALSE(std::signbit(ZahlenWert(text))) << text;
    }
}

TEST(ZahlenWert, DecimalsAreRoundedOnceAsTheCompilerRoundsThem) {
    // Adding up tenths digit by digit gives 0.30000000000000004 and the like
    ErwarteWerte({{"0.3", 0.3},
                  {"14.7", 14.7},
                  {"2.675", 2.675},
                  {"0.1234567", 0.1234567},
                  {"9.99999999999999999", 10.0},
                  {"12345678901234567890", 12345678901234567890.0}});
}

TEST(ZahlenWert, BeyondTheRangeOfADouble) {
    const std::string neunen(400, '9');
    EXPECT_EQ(ZahlenWert(neunen), HUGE_VAL);
    EXPECT_EQ(ZahlenWert("-" + neunen + ".5"), -HUGE_VAL);
    EXPECT_EQ(ZahlenWert("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(ZahlenWert(std::string(400, '0') + "3"), 3.0);
}

TEST(ZahlenWert, TheDecimalPointIsAPointInEveryLocale) {
    // The Qt program takes the user's locale, where the decimal point may
    // be a comma.
    const std::string vorher = std::setlocale(LC_NUMERIC, nullptr);
    const char* komma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_NUMERIC, name)) {
            komma = name;
            break;
        }
    if (!komma)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const double punkt = ZahlenWert("12.5");
    const double mitKomma = ZahlenWert("12,5");
    std::setlocale(LC_NUMERIC, vorher.c_str());
    EXPECT_EQ(punkt, 12.5) << komma;
    EXPECT_EQ(mitKomma, 12.0) << komma;
}

} // namespace
