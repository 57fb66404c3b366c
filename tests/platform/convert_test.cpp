#include <gtest/gtest.h>

#include "system/Convert.h"
#include "text/Utf8.h"

namespace gw {
namespace {

TEST(Val, TakesTheLeadingNumericPart) {
  EXPECT_EQ(Val("7.5"), 7.5);
  EXPECT_EQ(Val("  12abc"), 12);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val(" -3 4"), -3);
  EXPECT_EQ(Val("+.5x"), 0.5);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("2."), 2);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(7.5), 8);
  EXPECT_EQ(RoundHalfEven(6.5), 6);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<long long>::max());
  EXPECT_FALSE(ToInt16(32767.6));
  EXPECT_EQ(ToInt16(-32768.4), -32768);
}

TEST(NumText, PutsABlankInPlaceOfThePlusSign) {
  EXPECT_EQ(NumText(3LL), " 3");
  EXPECT_EQ(NumText(0LL), " 0");
  EXPECT_EQ(NumText(-12LL), "-12");
  EXPECT_EQ(NumText(62.5), " 62.5");
  EXPECT_EQ(NumText(100.0), " 100");
  EXPECT_EQ(NumText(-0.25), "-0.25");
  EXPECT_EQ(DigitsText(12), "12");
}

TEST(TodayText, IsMonthDayYear) {
  std::string t = TodayText();
  ASSERT_EQ(t.size(), 10u);
  EXPECT_EQ(t[2], '-');
  EXPECT_EQ(t[5], '-');
  int month = std::stoi(t.substr(0, 2)), day = std::stoi(t.substr(3, 2));
  EXPECT_TRUE(month >= 1 && month <= 12);
  EXPECT_TRUE(day >= 1 && day <= 31);
  EXPECT_GE(std::stoi(t.substr(6)), 2024);
}

TEST(Utf8, CountsCharactersNotBytes) {
  EXPECT_EQ(CharCount("猫.gwm"), 5);
  EXPECT_EQ(Mid("ab猫cd", 3, 2), "猫c");
  EXPECT_EQ(Mid("abc", 0, 2), "a");
  EXPECT_EQ(Mid("abc", 5, 2), "");
  EXPECT_EQ(RightChars("猫.GWM", 3), "GWM");
  EXPECT_EQ(LeftChars("猫.GWM", 1), "猫");
  EXPECT_EQ(LowerAscii("CAT.Gwm"), "cat.gwm");
  EXPECT_TRUE(EqualsIgnoringCase("Cat.GWP", "cat.gwp"));
  EXPECT_EQ(CharCount("\xff\xfe"), 2);  // stray bytes still count one each
}

}  // namespace
}  // namespace gw
