// The input box's name rules and its two modes, with the byte counts of the Japanese code page.
#include <gtest/gtest.h>

#include "manager/InputBoxModel.h"
#include "manager/NameRules.h"
#include "res/resource.h"
#include "store/Text.h"

namespace tapstart {
namespace {

// Bytes in code page 932: ASCII and half-width katakana take one byte, other characters two; a character
// outside the code page becomes one "?".
size_t Cp932Bytes(std::u16string_view text) {
  size_t n = 0;
  for (char16_t c : text) {
    if (c >= 0xDC00 && c <= 0xDFFF) continue;  // the low half of a pair: its "?" was counted with the high half
    n += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) || (c >= 0xD800 && c <= 0xDBFF)) ? 1 : 2;
  }
  return n;
}

std::u16string Repeat(std::u16string_view unit, int times) {
  std::u16string s;
  for (int i = 0; i < times; ++i) s += unit;
  return s;
}

struct NameCase {
  const char* what;
  std::u16string name;
  NameError expected;
};

class CheckSetNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(CheckSetNameTest, RefusesAsTheRulesSay) {
  const std::vector<std::u16string> existing = {u"User1", u"Work", Repeat(u"x", 21)};
  EXPECT_EQ(CheckSetName(GetParam().name, existing, Cp932Bytes), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Names, CheckSetNameTest,
    testing::Values(NameCase{"empty", u"", NameError::Empty},
                    NameCase{"existing name", u"User1", NameError::AlreadyUsed},
                    NameCase{"only letter case differs", u"user1", NameError::None},
                    NameCase{"existing name with a trailing blank is another name", u"Work ", NameError::None},
                    NameCase{"a single blank is a name", u" ", NameError::None},
                    NameCase{"20 ASCII bytes", Repeat(u"a", 20), NameError::None},
                    NameCase{"21 ASCII bytes", Repeat(u"a", 21), NameError::TooLong},
                    NameCase{"10 full-width characters are 20 bytes", Repeat(u"\u3042", 10), NameError::None},
                    NameCase{"11 full-width characters are 22 bytes", Repeat(u"\u3042", 11), NameError::TooLong},
                    NameCase{"20 half-width katakana are 20 bytes", Repeat(u"\uFF71", 20), NameError::None},
                    NameCase{"9 kanji and 2 letters are 20 bytes", Repeat(u"\u6F22", 9) + u"ab", NameError::None},
                    NameCase{"9 kanji and 3 letters are 21 bytes", Repeat(u"\u6F22", 9) + u"abc", NameError::TooLong},
                    NameCase{"a used name is reported as used before its length", Repeat(u"x", 21),
                             NameError::AlreadyUsed}),
    [](const testing::TestParamInfo<NameCase>& info) { return "Case" + std::to_string(info.index); });

TEST(NameErrorMessageId, EachErrorHasItsMessage) {
  const std::pair<NameError, unsigned> cases[] = {{NameError::None, 0},
                                                  {NameError::Empty, IDS_NAME_EMPTY},
                                                  {NameError::AlreadyUsed, IDS_NAME_IN_USE},
                                                  {NameError::TooLong, IDS_NAME_TOO_LONG}};
  for (const auto& [error, id] : cases) EXPECT_EQ(NameErrorMessageId(error), id) << static_cast<int>(error);
}

// Counts every character as one byte: the counter is the only thing that knows a code page.
size_t SingleByte(std::u16string_view text) { return text.size(); }

TEST(InputBoxModel, CaptionAndPromptFollowTheMode) {
  struct Case {
    InputBoxMode mode;
    bool parameter;
    unsigned caption, prompt;
  };
  const Case cases[] = {{InputBoxMode::Add, false, IDS_MGR_ADD, IDS_INPUT_NAME_PROMPT},
                        {InputBoxMode::Copy, false, IDS_MGR_COPY, IDS_INPUT_NAME_PROMPT},
                        {InputBoxMode::Rename, false, IDS_MGR_RENAME, IDS_INPUT_NAME_PROMPT},
                        {InputBoxMode::Rename, true, IDS_PARAMETER_SETTING, IDS_PARAMETER_PROMPT}};
  for (const Case& c : cases) {
    InputBoxRequest r;
    r.mode = c.mode;
    r.parameterMode = c.parameter;
    const InputBoxModel m(r, SingleByte);
    EXPECT_EQ(m.CaptionId(), c.caption) << static_cast<int>(c.mode) << c.parameter;
    EXPECT_EQ(m.PromptId(), c.prompt) << static_cast<int>(c.mode) << c.parameter;
  }
}

TEST(InputBoxModel, RefusedNameKeepsTheBoxOpenUntilAGoodOne) {
  InputBoxRequest r;
  r.mode = InputBoxMode::Rename;
  r.startText = u"Home";
  r.existingNames = {u"Home", u"Work"};
  InputBoxModel m(r, Cp932Bytes);
  EXPECT_EQ(m.InitialText(), u"Home");
  EXPECT_EQ(m.Submit(u"Home"), NameError::AlreadyUsed);  // an unchanged name is refused
  EXPECT_EQ(m.Result(), InputBoxModel::kResultCancel);
  EXPECT_EQ(m.Accepted(), u"");
  EXPECT_EQ(m.Submit(u""), NameError::Empty);
  EXPECT_EQ(m.Submit(Repeat(u"\u3042", 11)), NameError::TooLong);
  EXPECT_EQ(m.Result(), InputBoxModel::kResultCancel);
  EXPECT_EQ(m.Submit(u"home"), NameError::None);
  EXPECT_EQ(m.Result(), InputBoxModel::kResultOk);
  EXPECT_EQ(m.Accepted(), u"home");
}

TEST(InputBoxModel, CancelAfterARefusalEndsWithCancel) {
  InputBoxRequest r;
  InputBoxModel m(r, SingleByte);
  EXPECT_EQ(m.Submit(u""), NameError::Empty);
  m.Cancel();
  EXPECT_EQ(m.Result(), InputBoxModel::kResultCancel);
  EXPECT_EQ(m.Accepted(), u"");
}

TEST(InputBoxModel, ParameterModeAcceptsAnyTextAndCutsTheStartText) {
  struct Case {
    std::u16string start;
    size_t max;
    std::u16string shown;
  };
  const Case cases[] = {{u"-file readme.txt", 5, u"-file"},
                        {u"abc", 5, u"abc"},
                        {u"abcde", 5, u"abcde"},
                        {u"abcdef", 0, u"abcdef"},      // no limit given
                        {u"ab\U0001F600c", 3, u"ab"}};  // a surrogate pair is never split
  for (const Case& c : cases) {
    InputBoxRequest r;
    r.parameterMode = true;
    r.startText = c.start;
    r.maxLength = c.max;
    r.existingNames = {u"taken"};
    InputBoxModel m(r, Cp932Bytes);
    EXPECT_EQ(m.InitialText(), c.shown) << ToUtf8(c.start);
  }
  for (const std::u16string& text : {std::u16string(), std::u16string(u"taken"), Repeat(u"\u3042", 40)}) {
    InputBoxRequest r;
    r.parameterMode = true;
    r.existingNames = {u"taken"};
    InputBoxModel m(r, Cp932Bytes);
    EXPECT_EQ(m.Submit(text), NameError::None) << ToUtf8(text);
    EXPECT_EQ(m.Result(), InputBoxModel::kResultOk);
    EXPECT_EQ(m.Accepted(), text);
  }
}

}  // namespace
}  // namespace tapstart
