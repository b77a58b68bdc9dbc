// The shared helpers: the maker's setup program per button, and the split at the last separator.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/Helpers.h"
#include "store/MemoryStore.h"
#include "store/StoreLayout.h"

namespace tapstart {
namespace {

struct SplitCase {
  std::u16string text;
  bool takeAfter;
  std::u16string separator;
  std::u16string expected;
};

TEST(HelpersTest, SplitAtLast_TakesThePartAfterOrBeforeTheLastSeparator) {
  const std::vector<SplitCase> cases = {
      {u"C:\\a\\b.txt", true, u"\\", u"b.txt"},
      {u"C:\\a\\b.txt", false, u"\\", u"C:\\a"},
      {u"b.txt", true, u"\\", u"b.txt"},
      {u"b.txt", false, u"\\", u"b.txt"},
      {u"C:\\a\\b.txt", true, u"", u"C:\\a\\b.txt"},
      {u"C:\\a\\b.txt", false, u"", u"C:\\a\\b.txt"},
      {u"", true, u"\\", u""},
      {u"dir\\", true, u"\\", u""},
      {u"dir\\", false, u"\\", u"dir"},
      {u"\\lead", false, u"\\", u""},
      {u"a.b.c", true, u".", u"c"},
      {u"スタート\\メニュー\\項目.lnk", true, u"\\", u"項目.lnk"},
      // Longer separators: the part after starts one character past the separator's first character.
      {u"one::two::three", true, u"::", u":three"},
      {u"one::two::three", false, u"::", u"one::two"},
      {u"a->b", true, u"->", u">b"},
      // Overlapping hits: the search moves one character past each hit, so the last start counts.
      {u"xaaay", false, u"aa", u"xa"},
      {u"xaaay", true, u"aa", u"ay"},
      {u"short", true, u"longer separator", u"short"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitAtLast(c.text, c.takeAfter, c.separator), c.expected)
        << std::string(c.text.begin(), c.text.end()) << (c.takeAfter ? " after " : " before ");
  }
}

TEST(HelpersTest, IsOwnSetupButton_FollowsTheGlimsetBits) {
  struct Case {
    std::optional<uint32_t> glimset;
    std::vector<int> buttons;  // buttons 1 to 8 that have the maker's setup program
  };
  const std::vector<Case> cases = {
      {5u, {1, 3}}, {std::nullopt, {}},
      {0u, {}},     {0xFFu, {1, 2, 3, 4, 5, 6, 7, 8}},
      {0x80u, {8}}, {0xFFFFFFFFu, {1, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const auto& c : cases) {
    MemoryStore mem;
    SettingsStore store(mem);
    if (c.glimset) mem.Put(Hive::LocalMachine, kProductKey, u"GLIMSET", DwordValue(*c.glimset));
    for (int b = 1; b <= 8; ++b) {
      const bool expected = std::find(c.buttons.begin(), c.buttons.end(), b) != c.buttons.end();
      EXPECT_EQ(IsOwnSetupButton(store, b), expected) << "GLIMSET " << c.glimset.value_or(0) << " button " << b;
    }
    EXPECT_FALSE(IsOwnSetupButton(store, 0));
    EXPECT_FALSE(IsOwnSetupButton(store, -1));
    EXPECT_FALSE(IsOwnSetupButton(store, 33));
  }
  // The value must be a DWORD; text reads as 0.
  MemoryStore mem;
  SettingsStore store(mem);
  mem.Put(Hive::LocalMachine, kProductKey, u"GLIMSET", StringValue(u"5"));
  EXPECT_FALSE(IsOwnSetupButton(store, 1));
}

TEST(HelpersTest, OwnSetup_ParametersNameTheButton) {
  EXPECT_EQ(OwnSetupParameters(2), u"/AppKey2 /PANTIK");
  EXPECT_EQ(OwnSetupParameters(1), u"/AppKey1 /PANTIK");
  EXPECT_EQ(OwnSetupParameters(8), u"/AppKey8 /PANTIK");
}

TEST(HelpersTest, OwnSetup_FileLiesInSetmailBesideTheProgram) {
  const std::vector<std::pair<std::u16string, std::u16string>> cases = {
      {u"C:\\Program Files\\Tapstart\\Pantik.exe", u"C:\\Program Files\\Tapstart\\SETMAIL\\登録してください.exe"},
      {u"C:\\Pantik.exe", u"C:\\SETMAIL\\登録してください.exe"},
      {u"\\\\server\\share\\Pantik.exe", u"\\\\server\\share\\SETMAIL\\登録してください.exe"},
      {u"Pantik.exe", u"\\SETMAIL\\登録してください.exe"},
      {u"", u"\\SETMAIL\\登録してください.exe"},
  };
  for (const auto& [program, file] : cases) EXPECT_EQ(OwnSetupFile(program), file);
}

}  // namespace
}  // namespace tapstart
