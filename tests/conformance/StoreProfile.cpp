// Conformance of the profile operations: the mapping into the user tree, the real profile file, and the
// behaviour of the system's profile functions that the in-memory backend copies.
#include <string>

#include "StoreConformance.h"
#include "app/StartupRules.h"
#include "store/StoreLayout.h"
#include "store/Text.h"

namespace tapstart::conformance {
namespace {

const std::u16string kRoot(kProductKey);

struct MappingRow {
  std::u16string section;
  std::u16string key;
  std::u16string regKey;  // under the product key; empty for the root
  std::u16string value;
  bool number;
};

std::u16string Under(std::u16string_view sub) { return sub.empty() ? kRoot : kRoot + u"\\" + std::u16string(sub); }

RegValue Dword(uint32_t n) {
  return RegValue{kRegDword,
                  {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
                   static_cast<uint8_t>(n >> 24)}};
}

// Every row of the layout: the profile section and key, and the registry value that holds it.
const std::vector<MappingRow>& Rows() {
  static const std::vector<MappingRow> rows = {
      {u"VARDENZEB", u"ZebKeyboard", u"", u"ZEBPAD", true},
      {u"VARDENZEB", u"CurrUser", u"", u"CurrSetting", true},
      {u"VARDENZEB", u"NumUser", u"", u"NumSetting", true},
      {u"VARDENZEB", u"Unnamed", u"", u"", true},
      {u"ONSCREEN", u"OnScreen", u"OnScreen", u"OnScreen", true},
      {u"ONSCREEN", u"FontName", u"OnScreen", u"FontFace", false},
      {u"ONSCREEN", u"FontSize", u"OnScreen", u"size", true},
      {u"ONSCREEN", u"Color", u"OnScreen", u"Color", true},
      {u"ONSCREEN", u"DelayTime", u"OnScreen", u"Time", true},
      {u"ONSCREEN", u"Unnamed", u"OnScreen", u"", true},
      {u"USER1", u"UserName", u"Setting\\Set1", u"SetName", false},
      {u"USER3", u"Btn2_Name", u"Setting\\Set3\\AppKey2", u"DispTitle", false},
      {u"USER3", u"Btn2_Exec", u"Setting\\Set3\\AppKey2", u"Execute", false},
      {u"USER3", u"Btn2_NumAP", u"Setting\\Set3\\AppKey2", u"NumAP", true},
      {u"USER3", u"Btn2_AP4", u"Setting\\Set3\\AppKey2", u"AP4", false},
      {u"USER3", u"Btn2_Title5", u"Setting\\Set3\\AppKey2", u"ProgName5", false},
      {u"USER3", u"Btn2_Other", u"Setting\\Set3\\AppKey2", u"", false},
      {u"USER3", u"Other", u"Setting\\Set3", u"", false},
      {u"USER12", u"UserName", u"Setting\\Set12", u"SetName", false},
      {u"USER12", u"Btn8_AP1", u"Setting\\Set12\\AppKey8", u"AP1", false},
      {u"USER12", u"Btn7_Title1", u"Setting\\Set12\\AppKey7", u"ProgName1", false},
      {u"User5", u"Btn1_Exec", u"Setting\\Set5\\AppKey1", u"Execute", false},
  };
  return rows;
}

TEST_P(StoreConformance, MapProfile_EveryRowReadsAndWritesItsRegistryValue) {
  for (const auto& row : Rows()) {
    SCOPED_TRACE(ToUtf8(row.section + u"/" + row.key));
    const std::u16string key = Under(row.regKey);
    // Missing: numbers read as the default's decimal value, texts as the default itself.
    if (row.number) {
      EXPECT_EQ(Store().GetProfileText(row.section, row.key, u"17"), u"17");
      EXPECT_EQ(Store().GetProfileText(row.section, row.key, u"x"), u"0");
      EXPECT_EQ(Store().GetProfileNumber(row.section, row.key, u"5", Store().profileFile), 5);
    } else {
      EXPECT_EQ(Store().GetProfileText(row.section, row.key, u"dflt "), u"dflt ");
    }
    // A write lands on the row's value with the row's type.
    ASSERT_TRUE(Store().WriteProfileText(row.section, row.key, row.number ? u"42" : u"名前 name"));
    const RegValue written = row.number ? Dword(42) : RegValue{kRegSz, Utf16Bytes(u"名前 name")};
    EXPECT_EQ(Env().GetRaw(Hive::CurrentUser, key, row.value), written);
    EXPECT_EQ(Store().GetProfileText(row.section, row.key, u"dflt"), row.number ? u"42" : u"名前 name");
    // A value seeded by another program reads back through the row.
    Env().PutRaw(Hive::CurrentUser, key, row.value,
                 row.number ? Dword(0xFFFFFFFF) : RegValue{kRegSz, Utf16Bytes(u"seeded")});
    EXPECT_EQ(Store().GetProfileText(row.section, row.key, u"dflt"), row.number ? u"-1" : u"seeded");
    EXPECT_EQ(Store().MapProfileRead(row.section, row.key, u"dflt"), row.number ? u"-1" : u"seeded");
  }
}

TEST_P(StoreConformance, MapProfile_NumbersAreWrittenFromTheirDecimalValue) {
  struct Case {
    std::u16string text;
    uint32_t stored;
    std::u16string readBack;
  };
  for (const auto& c : {Case{u"12", 12, u"12"}, Case{u" 12abc", 12, u"12"}, Case{u"-1", 0xFFFFFFFF, u"-1"},
                        Case{u"abc", 0, u"0"}, Case{u"", 0, u"0"}, Case{u"99999999999", 0x7FFFFFFF, u"2147483647"}}) {
    SCOPED_TRACE(ToUtf8(c.text));
    ASSERT_TRUE(Store().WriteProfileText(u"VARDENZEB", u"NumUser", c.text));
    EXPECT_EQ(Env().GetRaw(Hive::CurrentUser, kRoot, u"NumSetting"), Dword(c.stored));
    EXPECT_EQ(Store().GetProfileText(u"VARDENZEB", u"NumUser", u"1"), c.readBack);
  }
}

TEST_P(StoreConformance, MapProfile_SectionsOutsideTheLayoutHoldNothing) {
  // Section names compare with their letter case; "User" or "USER" anywhere makes a set section.
  for (const std::u16string section : {u"OTHER", u"vardenzeb", u"onscreen", u"user3"}) {
    SCOPED_TRACE(ToUtf8(section));
    EXPECT_EQ(Store().GetProfileText(section, u"CurrUser", u"default"), u"");
    EXPECT_EQ(Store().GetProfileNumber(section, u"CurrUser", u"5", Store().profileFile), 0);
    EXPECT_FALSE(Store().WriteProfileText(section, u"CurrUser", u"3"));
  }
  EXPECT_FALSE(Env().GetRaw(Hive::CurrentUser, kRoot, u"CurrSetting").has_value());
  EXPECT_FALSE(Store().KeyExists(Hive::CurrentUser, kRoot));
}

// USER3/Btn2_AP4 lives in the registry with "ZEBINI" 0 and in the profile file with "ZEBINI" 1.
TEST_P(StoreConformance, GetProfileText_FollowsTheIniSwitch) {
  const std::u16string regKey = kRoot + u"\\Setting\\Set3\\AppKey2";
  Env().PutRaw(Hive::CurrentUser, regKey, u"AP4", RegValue{kRegSz, Utf16Bytes(u"from-registry.exe")});
  Env().PutProfileLine(u"USER3", u"Btn2_AP4", u"from-file.exe|arg");
  Env().ReopenProfile();

  Store().useIniFile = false;
  EXPECT_EQ(Store().GetProfileText(u"USER3", u"Btn2_AP4", u"FALSE"), u"from-registry.exe");
  // Another file name, even the same file in other letters, goes to the profile functions unmapped.
  EXPECT_EQ(Store().GetProfileText(u"USER3", u"Btn2_AP4", u"FALSE", u"vardenzeb.ini"), u"from-file.exe|arg");

  // The machine's "ZEBINI" turns the profile file on, as start-up reads it.
  Env().PutRaw(Hive::LocalMachine, kRoot, u"ZEBINI", Dword(1));
  Store().useIniFile = ReadUseIniFile(Store());
  ASSERT_TRUE(Store().useIniFile);
  EXPECT_EQ(Store().GetProfileText(u"USER3", u"Btn2_AP4", u"FALSE"), u"from-file.exe|arg");
  EXPECT_EQ(Store().GetProfileText(u"USER3", u"Btn2_AP5", u"FALSE"), u"FALSE");
  EXPECT_EQ(Store().GetProfileText(u"user3", u"btn2_ap4", u"FALSE"), u"from-file.exe|arg");

  ASSERT_TRUE(Store().WriteProfileText(u"USER3", u"Btn2_AP4", u"new.exe"));
  Env().ReopenProfile();
  EXPECT_EQ(Store().GetProfileText(u"USER3", u"Btn2_AP4", u"FALSE"), u"new.exe");
  // The registry is left alone in this mode.
  EXPECT_EQ(Env().GetRaw(Hive::CurrentUser, regKey, u"AP4"), (RegValue{kRegSz, Utf16Bytes(u"from-registry.exe")}));
}

TEST_P(StoreConformance, ReadMainNumber_DefaultsToOneInBothModes) {
  for (const bool ini : {false, true}) {
    SCOPED_TRACE(ini ? "profile file" : "registry");
    Store().useIniFile = ini;
    EXPECT_EQ(Store().ReadMainNumber(u"CurrUser"), 1);
    EXPECT_EQ(Store().ReadMainNumber(u"NumUser"), 1);
  }
  Env().PutRaw(Hive::CurrentUser, kRoot, u"CurrSetting", Dword(4));
  Env().PutProfileLine(u"VARDENZEB", u"CurrUser", u" 6 ");
  Env().PutProfileLine(u"VARDENZEB", u"NumUser", u"");
  Env().ReopenProfile();
  Store().useIniFile = false;
  EXPECT_EQ(Store().ReadMainNumber(u"CurrUser"), 4);
  Store().useIniFile = true;
  EXPECT_EQ(Store().ReadMainNumber(u"CurrUser"), 6);
  // An empty value counts as missing for the profile's number read.
  EXPECT_EQ(Store().ReadMainNumber(u"NumUser"), 1);
}

struct ProfileLineCase {
  const char* what;
  std::u16string raw;       // the value as the file holds it
  std::u16string expected;  // what a read with a 2048-character buffer returns
};

// What the system's profile read makes of the line in the file.
TEST_P(StoreConformance, ProfileRead_TrimsAndUnquotesTheValue) {
  const std::vector<ProfileLineCase> cases = {
      {"plain", u"value", u"value"},
      {"blanks around", u"  value  ", u"value"},
      {"tabs around", u"\tvalue\t", u"value"},
      {"vertical tab and form feed around", u"\v\fvalue\f\v", u"value"},
      {"end-of-file marks around", u"\x1A value\x1A", u"value"},
      {"ideographic spaces kept", u"\u3000値\u3000", u"\u3000値\u3000"},
      {"blanks inside kept", u"a  b", u"a  b"},
      {"double quotes", u"\"quoted\"", u"quoted"},
      {"single quotes", u"'quoted'", u"quoted"},
      {"quotes after the blanks go", u"  \" padded \"  ", u" padded "},
      {"unbalanced quote", u"\"open", u"\"open"},
      {"mixed quotes", u"\"mixed'", u"\"mixed'"},
      {"one quote", u"\"", u"\""},
      {"two quotes", u"\"\"", u""},
      {"quote inside", u"a\"b\"", u"a\"b\""},
      {"equals sign", u"a=b", u"a=b"},
      {"empty", u"", u""},
      {"bar", u"notepad.exe|readme.txt", u"notepad.exe|readme.txt"},
      {"Japanese", u"登録してください", u"登録してください"},
      {"Chinese", u"设置程序", u"设置程序"},
  };
  int line = 0;
  for (const auto& c : cases) {
    Env().PutProfileLine(u"Probe", u"Key" + DecimalText(line++), c.raw);
  }
  Env().ReopenProfile();
  line = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Env().Backend().ProfileRead(kProfileFileName, u"Probe", u"Key" + DecimalText(line++), u"dflt", 2048),
              c.expected);
  }
  // Section and key names compare without letter case and without the blanks around them.
  EXPECT_EQ(Env().Backend().ProfileRead(kProfileFileName, u" probe ", u" KEY0 ", u"dflt", 2048), u"value");
}

TEST_P(StoreConformance, ProfileRead_DefaultLosesItsTrailingBlanks) {
  Env().PutProfileLine(u"Probe", u"Present", u"value");
  Env().ReopenProfile();
  struct Case {
    std::u16string fallback;
    std::u16string expected;
  };
  for (const auto& c :
       {Case{u"dflt", u"dflt"}, Case{u"dflt   ", u"dflt"}, Case{u"  dflt", u"  dflt"}, Case{u"one two  ", u"one two"},
        Case{u"", u""}, Case{u"FALSE", u"FALSE"},
        // Only blanks go, not tabs; a default of blanks only keeps one.
        Case{u"dflt\t", u"dflt\t"}, Case{u"dflt \t ", u"dflt \t"}, Case{u"   ", u" "}, Case{u" ", u" "}}) {
    SCOPED_TRACE(ToUtf8(c.fallback));
    EXPECT_EQ(Env().Backend().ProfileRead(kProfileFileName, u"Probe", u"Missing", c.fallback, 2048), c.expected);
    EXPECT_EQ(Env().Backend().ProfileRead(kProfileFileName, u"NoSection", u"Present", c.fallback, 2048), c.expected);
  }
  // No file at all reads as the default too.
  Env().ClearProfile();
  Env().ReopenProfile();
  EXPECT_EQ(Env().Backend().ProfileRead(kProfileFileName, u"Probe", u"Present", u"dflt  ", 2048), u"dflt");
}

TEST_P(StoreConformance, ProfileRead_CutsToTheBuffer) {
  Env().PutProfileLine(u"Probe", u"Long", u"abcdef");
  Env().PutProfileLine(u"Probe", u"Quoted", u"\"abcdef\"");
  Env().PutProfileLine(u"Probe", u"Huge", std::u16string(3000, u'h'));
  Env().ReopenProfile();
  auto read = [&](std::u16string_view key, std::u16string_view fallback, size_t buffer) {
    return Env().Backend().ProfileRead(kProfileFileName, u"Probe", key, fallback, buffer);
  };
  EXPECT_EQ(read(u"Long", u"", 7), u"abcdef");
  EXPECT_EQ(read(u"Long", u"", 4), u"abc");
  EXPECT_EQ(read(u"Long", u"", 1), u"");
  EXPECT_EQ(read(u"Quoted", u"", 4), u"abc");
  EXPECT_EQ(read(u"Missing", u"defaults", 3), u"de");
  EXPECT_EQ(read(u"Huge", u"", 2048), std::u16string(2047, u'h'));
  // Through the store, texts from the profile file are cut at 2047 characters as well.
  Store().useIniFile = true;
  EXPECT_EQ(Store().GetProfileText(u"Probe", u"Huge", u""), std::u16string(2047, u'h'));
}

TEST_P(StoreConformance, ProfileReadInt_ReadsTheLeadingDecimalNumber) {
  struct Case {
    const char* what;
    std::u16string raw;
    int32_t expected;
  };
  const std::vector<Case> cases = {
      {"plain", u"12", 12},
      {"blanks", u"  7  ", 7},
      {"negative", u"-3", -3},
      {"plus", u"+5", 5},
      {"trailing text", u"42A9", 42},
      {"text", u"B12", 0},
      {"wraps at 2^32", u"4294967297", 1},
      {"empty is missing", u"", 99},
      {"read as 29 characters", u"000000000000000000000000000000012", 0},
  };
  int line = 0;
  for (const auto& c : cases) Env().PutProfileLine(u"Probe", std::u16string(u"N") + DecimalText(line++), c.raw);
  Env().ReopenProfile();
  line = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(
        Env().Backend().ProfileReadInt(kProfileFileName, u"Probe", std::u16string(u"N") + DecimalText(line++), 99),
        c.expected);
  }
  EXPECT_EQ(Env().Backend().ProfileReadInt(kProfileFileName, u"Probe", u"Missing", -4), -4);
}

TEST_P(StoreConformance, ProfileWrite_ReadsBackTrimmed) {
  struct Case {
    std::u16string text;
    std::u16string expected;
  };
  const std::vector<Case> cases = {{u"plain", u"plain"},
                                   {u"  lead", u"lead"},
                                   {u"\t\x1A lead", u"lead"},
                                   {u"trail  ", u"trail"},
                                   {u" ", u""},
                                   {u"", u""},
                                   {u"a|b c", u"a|b c"},
                                   {u"名前\u3000设置", u"名前\u3000设置"},
                                   {u"first\r\nsecond", u"first"},
                                   {u"inner\rreturn", u"inner"}};
  int line = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    const std::u16string key = std::u16string(u"W") + DecimalText(line++);
    ASSERT_TRUE(Env().Backend().ProfileWrite(kProfileFileName, u"Probe", key, c.text));
    Env().ReopenProfile();
    // A key written empty exists: the read gives the empty text, not the default.
    EXPECT_EQ(Env().Backend().ProfileRead(kProfileFileName, u"Probe", key, u"dflt", 2048), c.expected);
  }
}

}  // namespace
}  // namespace tapstart::conformance
