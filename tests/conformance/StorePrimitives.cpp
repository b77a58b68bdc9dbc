// Conformance of the registry primitives: defaults, value types, byte counts, malformed values.
#include <string>

#include "StoreConformance.h"
#include "store/StoreLayout.h"
#include "store/Text.h"

namespace tapstart::conformance {
namespace {

const std::u16string kKey = std::u16string(kProductKey) + u"\\Probe";

RegValue Raw(uint32_t type, std::vector<uint8_t> bytes) { return RegValue{type, std::move(bytes)}; }

std::vector<uint8_t> Repeat(std::u16string_view unit, size_t times, bool terminator) {
  std::u16string text;
  for (size_t i = 0; i < times; ++i) text += unit;
  auto bytes = Utf16Bytes(text);
  if (terminator) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

TEST_P(StoreConformance, GetReg_MissingKeyOrValueGivesTheDefault) {
  EXPECT_EQ(Store().GetRegString(Hive::CurrentUser, kKey, u"Name", u"dflt"), u"dflt");
  EXPECT_EQ(Store().GetRegDword(Hive::CurrentUser, kKey, u"Number", 42), 42);
  EXPECT_FALSE(Store().KeyExists(Hive::CurrentUser, kKey));
  Env().PutKey(Hive::CurrentUser, kKey);
  EXPECT_TRUE(Store().KeyExists(Hive::CurrentUser, kKey));
  EXPECT_EQ(Store().GetRegString(Hive::CurrentUser, kKey, u"Name", u"dflt"), u"dflt");
  EXPECT_EQ(Store().GetRegDword(Hive::CurrentUser, kKey, u"Number", -7), -7);
  // The machine tree is separate: a value under the user's key is not the machine's.
  Env().PutRaw(Hive::CurrentUser, kKey, u"Name", Raw(kRegSz, Utf16Bytes(u"user")));
  EXPECT_EQ(Store().GetRegString(Hive::LocalMachine, kKey, u"Name", u"machine-default"), u"machine-default");
  Env().PutRaw(Hive::LocalMachine, kKey, u"Name", Raw(kRegSz, Utf16Bytes(u"machine")));
  EXPECT_EQ(Store().GetRegString(Hive::LocalMachine, kKey, u"Name", u""), u"machine");
  EXPECT_EQ(Store().GetRegString(Hive::CurrentUser, kKey, u"Name", u""), u"user");
}

struct StringCase {
  const char* what;
  RegValue stored;
  std::u16string expected;  // "<default>" stands for the default
};

// Reads never fail and never read past the value: whatever the store holds reads as its text or the default,
// and the read leaves the stored bytes as they were.
TEST_P(StoreConformance, GetRegString_ReadsTextTypesWithinTheBuffer) {
  const std::u16string dflt = u"<default>";
  std::u16string longText(2047, u'x');
  longText[0] = u'a';
  longText[2046] = u'z';
  const std::vector<StringCase> cases = {
      {"with terminator", Raw(kRegSz, {'a', 0, 'b', 0, 'c', 0, 0, 0}), u"abc"},
      {"without terminator", Raw(kRegSz, Utf16Bytes(u"abc")), u"abc"},
      {"empty, zero bytes", Raw(kRegSz, {}), u""},
      {"only a terminator", Raw(kRegSz, {0, 0}), u""},
      {"expand type is not expanded", Raw(kRegExpandSz, Utf16Bytes(u"%WINDIR%\\x")), u"%WINDIR%\\x"},
      {"ends at the first zero", Raw(kRegSz, {'a', 0, 'b', 0, 0, 0, 'c', 0}), u"ab"},
      {"odd byte count drops the half character", Raw(kRegSz, {'a', 0, 'b', 0, 'c'}), u"ab"},
      {"one byte", Raw(kRegSz, {'a'}), u""},
      {"Japanese", Raw(kRegSz, Utf16Bytes(u"登録してください")), u"登録してください"},
      {"Chinese with a surrogate pair", Raw(kRegSz, Utf16Bytes(u"设置\U00020BB7")), u"设置\U00020BB7"},
      {"2047 characters and a terminator", Raw(kRegSz, Repeat(u"q", 2047, true)), std::u16string(2047, u'q')},
      {"4096 bytes without terminator", Raw(kRegSz, Repeat(u"w", 2048, false)), std::u16string(2047, u'w')},
      {"2047 characters without terminator", Raw(kRegSz, Utf16Bytes(longText)), longText},
      {"4098 bytes", Raw(kRegSz, Repeat(u"v", 2049, false)), dflt},
      {"64 KB", Raw(kRegSz, Repeat(u"m", 32768, false)), dflt},
      {"multi-string", Raw(kRegMultiSz, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}), dflt},
      {"binary holding text", Raw(kRegBinary, Utf16Bytes(u"abc")), dflt},
      {"number", Raw(kRegDword, {5, 0, 0, 0}), dflt},
      {"no type", Raw(kRegNone, Utf16Bytes(u"abc")), dflt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Env().PutRaw(Hive::CurrentUser, kKey, u"Text", c.stored);
    EXPECT_EQ(Store().GetRegString(Hive::CurrentUser, kKey, u"Text", dflt), c.expected);
    EXPECT_EQ(Env().GetRaw(Hive::CurrentUser, kKey, u"Text"), c.stored) << "the read changed the value";
  }
}

struct DwordCase {
  const char* what;
  RegValue stored;
  int32_t expected;
};

TEST_P(StoreConformance, GetRegDword_ReadsFourByteDwordsOnly) {
  const int32_t dflt = 1234;
  const std::vector<DwordCase> cases = {
      {"dword", Raw(kRegDword, {7, 0, 0, 0}), 7},
      {"all bits", Raw(kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}), -1},
      {"little-endian", Raw(kRegDword, {0x78, 0x56, 0x34, 0x12}), 0x12345678},
      {"two bytes", Raw(kRegDword, {7, 0}), dflt},
      {"eight bytes", Raw(kRegDword, {7, 0, 0, 0, 0, 0, 0, 0}), dflt},
      {"no bytes", Raw(kRegDword, {}), dflt},
      {"number as text", Raw(kRegSz, Utf16Bytes(u"12")), dflt},
      {"four bytes of binary", Raw(kRegBinary, {7, 0, 0, 0}), dflt},
      {"big-endian dword", Raw(5, {0, 0, 0, 7}), dflt},
      {"qword", Raw(11, {7, 0, 0, 0, 0, 0, 0, 0}), dflt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Env().PutRaw(Hive::LocalMachine, kKey, u"Number", c.stored);
    EXPECT_EQ(Store().GetRegDword(Hive::LocalMachine, kKey, u"Number", dflt), c.expected);
    EXPECT_EQ(Env().GetRaw(Hive::LocalMachine, kKey, u"Number"), c.stored) << "the read changed the value";
  }
}

struct WriteCase {
  const char* what;
  std::u16string text;
  std::u16string stored;  // the text as stored, without terminator
};

TEST_P(StoreConformance, SetRegString_StoresTwiceTheLengthWithoutTerminator) {
  std::u16string pairAtCut(2046, u'p');
  pairAtCut += u"\U00020BB7tail";  // the pair takes units 2047 and 2048: cutting at 2047 would split it
  const std::vector<WriteCase> cases = {
      {"empty", u"", u""},
      {"ascii", u"abc", u"abc"},
      {"Japanese", u"登録してください", u"登録してください"},
      {"blanks kept", u"  a b  ", u"  a b  "},
      {"2047 characters", std::u16string(2047, u'x'), std::u16string(2047, u'x')},
      {"2048 characters are cut", std::u16string(2048, u'y'), std::u16string(2047, u'y')},
      {"5000 characters are cut", std::u16string(5000, u'z'), std::u16string(2047, u'z')},
      {"no half surrogate pair", pairAtCut, std::u16string(2046, u'p')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(Store().SetRegString(kKey + u"\\Deeper\\Still", u"Text", c.text));
    const auto raw = Env().GetRaw(Hive::CurrentUser, kKey + u"\\Deeper\\Still", u"Text");
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(raw->type, kRegSz);
    EXPECT_EQ(raw->data.size(), 2 * c.stored.size());
    EXPECT_EQ(raw->data, Utf16Bytes(c.stored));
    EXPECT_EQ(Store().GetRegString(Hive::CurrentUser, kKey + u"\\Deeper\\Still", u"Text", u"<default>"), c.stored);
  }
}

TEST_P(StoreConformance, SetRegDword_StoresFourBytesAndReplacesOtherTypes) {
  Env().PutRaw(Hive::CurrentUser, kKey, u"Number", Raw(kRegSz, Utf16Bytes(u"old text")));
  for (const int32_t n : {0, 1, -1, 0x7FFFFFFF, INT32_MIN}) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(Store().SetRegDword(kKey, u"Number", n));
    const auto u = static_cast<uint32_t>(n);
    EXPECT_EQ(Env().GetRaw(Hive::CurrentUser, kKey, u"Number"),
              Raw(kRegDword, {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
                              static_cast<uint8_t>(u >> 24)}));
    EXPECT_EQ(Store().GetRegDword(Hive::CurrentUser, kKey, u"Number", 99), n);
  }
  ASSERT_TRUE(Store().SetRegString(kKey, u"Number", u"7"));
  EXPECT_EQ(Env().GetRaw(Hive::CurrentUser, kKey, u"Number"), Raw(kRegSz, Utf16Bytes(u"7")));
}

TEST_P(StoreConformance, GetReg_KeyWithoutReadAccessGivesTheDefault) {
  Env().PutRaw(Hive::CurrentUser, kKey, u"Text", Raw(kRegSz, Utf16Bytes(u"secret")));
  Env().PutRaw(Hive::CurrentUser, kKey, u"Number", Raw(kRegDword, {3, 0, 0, 0}));
  if (!Env().DenyRead(Hive::CurrentUser, kKey)) GTEST_SKIP() << "this backend cannot deny reading a key";
  EXPECT_FALSE(Store().KeyExists(Hive::CurrentUser, kKey));
  EXPECT_EQ(Store().GetRegString(Hive::CurrentUser, kKey, u"Text", u"dflt"), u"dflt");
  EXPECT_EQ(Store().GetRegDword(Hive::CurrentUser, kKey, u"Number", 8), 8);
}

TEST_P(StoreConformance, SetReg_KeyThatCannotBeWrittenFailsAndKeepsTheStore) {
  const std::u16string key = kKey + u"\\Locked";
  Env().PutRaw(Hive::CurrentUser, key, u"Text", Raw(kRegSz, Utf16Bytes(u"kept")));
  if (!Env().DenyWrite(key)) GTEST_SKIP() << "this backend cannot deny writing a key";
  EXPECT_FALSE(Store().SetRegString(key, u"Text", u"new"));
  EXPECT_FALSE(Store().SetRegDword(key, u"Number", 1));
  EXPECT_EQ(Env().GetRaw(Hive::CurrentUser, key, u"Text"), Raw(kRegSz, Utf16Bytes(u"kept")));
  EXPECT_FALSE(Env().GetRaw(Hive::CurrentUser, key, u"Number").has_value());
  EXPECT_EQ(Store().GetRegString(Hive::CurrentUser, key, u"Text", u""), u"kept");
}

}  // namespace
}  // namespace tapstart::conformance
