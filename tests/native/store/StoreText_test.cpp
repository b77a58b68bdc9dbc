// The store's text helpers: decimal reading as the C runtime does it, cuts that keep surrogate pairs, UTF-8.
#include <gtest/gtest.h>

#include "store/Text.h"

namespace tapstart {
namespace {

TEST(StoreTextTest, DecimalValue_ReadsLikeTheRuntimesWtoi) {
  struct Case {
    std::u16string text;
    int32_t expected;
  };
  for (const auto& c : std::vector<Case>{{u"12", 12},
                                         {u"  \t7x", 7},
                                         {u"-3", -3},
                                         {u"+5", 5},
                                         {u"", 0},
                                         {u"abc", 0},
                                         {u"- 3", 0},
                                         {u"0x10", 0},
                                         {u"2147483647", 2147483647},
                                         {u"2147483648", 2147483647},
                                         {u"99999999999999999999", 2147483647},
                                         {u"-2147483648", INT32_MIN},
                                         {u"-99999999999999999999", INT32_MIN},
                                         {u"１２", 0}}) {
    EXPECT_EQ(DecimalValue(c.text), c.expected) << ToUtf8(c.text);
  }
  EXPECT_EQ(DecimalText(0), u"0");
  EXPECT_EQ(DecimalText(-17), u"-17");
  EXPECT_EQ(DecimalText(INT64_MIN), u"-9223372036854775808");
}

TEST(StoreTextTest, CutUnits_NeverSplitsASurrogatePair) {
  const std::u16string pair = u"\U00020BB7";
  EXPECT_EQ(CutUnits(u"abc", 5), u"abc");
  EXPECT_EQ(CutUnits(u"abc", 2), u"ab");
  EXPECT_EQ(CutUnits(u"abc", 0), u"");
  EXPECT_EQ(CutUnits(u"a" + pair + u"b", 2), u"a");
  EXPECT_EQ(CutUnits(u"a" + pair + u"b", 3), u"a" + pair);
  EXPECT_EQ(CutUnits(pair, 1), u"");
}

// Code page 932 as the cut sees it: ASCII one byte, everything else two.
size_t Cp932(std::u16string_view t) {
  size_t n = 0;
  for (char16_t c : t) n += c < 0x80 ? 1 : 2;
  return n;
}

TEST(StoreTextTest, CutToAnsiBytes_NeverSplitsACharacter) {
  EXPECT_EQ(CutToAnsiBytes(std::u16string(40, u'x'), 28, Cp932), std::u16string(28, u'x'));
  EXPECT_EQ(CutToAnsiBytes(u"short", 28, Cp932), u"short");
  EXPECT_EQ(CutToAnsiBytes(std::u16string(15, u'設'), 28, Cp932), std::u16string(14, u'設'));
  EXPECT_EQ(CutToAnsiBytes(u"a" + std::u16string(14, u'設'), 28, Cp932), u"a" + std::u16string(13, u'設'));
}

TEST(StoreTextTest, Trim_DropsBlanksAndControlSpacesOnly) {
  EXPECT_EQ(Trim(u" \t\r\n\v\fa b \t"), u"a b");
  EXPECT_EQ(Trim(u"\u3000a\u3000"), u"\u3000a\u3000");
  EXPECT_EQ(TrimLeft(u"  a  "), u"a  ");
  EXPECT_EQ(TrimRight(u"  a  "), u"  a");
  EXPECT_EQ(Trim(u"   "), u"");
}

TEST(StoreTextTest, Utf8_RoundTripsAndReplacesInvalidBytes) {
  const std::u16string mixed = u"abc 登録してください 设置 \U00020BB7 é";
  EXPECT_EQ(FromUtf8(ToUtf8(mixed)), mixed);
  struct Case {
    std::string bytes;
    std::u16string expected;
  };
  for (const auto& c : std::vector<Case>{{"\xC3", u"\uFFFD"},
                                         {"\xE6\x97", u"\uFFFD\uFFFD"},
                                         {"\x80x", u"\uFFFDx"},
                                         {"\xC0\x80", u"\uFFFD\uFFFD"},
                                         {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
                                         {"\xF0\x80\x80\xAF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                                         {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                                         {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                                         {"\xF8\x88\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"}}) {
    EXPECT_EQ(FromUtf8(c.bytes), c.expected) << c.bytes.size();
  }
  // A lone surrogate has no UTF-8 form.
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t{0xD800}) + u"a"),
            "\xEF\xBF\xBD"
            "a");
}

TEST(StoreTextTest, AllDigits_AcceptsAsciiDigitsOnly) {
  EXPECT_TRUE(AllDigits(u"0123"));
  EXPECT_FALSE(AllDigits(u""));
  EXPECT_FALSE(AllDigits(u"1 2"));
  EXPECT_FALSE(AllDigits(u"-1"));
  EXPECT_FALSE(AllDigits(u"１"));
}

}  // namespace
}  // namespace tapstart
