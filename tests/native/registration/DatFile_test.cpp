// The data-file reader over raw bytes, and the data files the build puts beside the program.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "registration/DatFile.h"
#include "registration/ListSources.h"
#include "store/Text.h"

namespace tapstart {
namespace {

std::vector<uint8_t> Utf16Bytes(std::u16string_view text) {
  std::vector<uint8_t> bytes;
  for (const char16_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  return bytes;
}

using Records = std::vector<DAT_FILE_DATA>;

TEST(DatFileTest, ParseDatFile_TakesThreeQuotedFieldsPerRecord) {
  struct Case {
    const char* what;
    std::u16string text;
    Records expected;
  };
  const std::u16string nul(1, u'\0');
  const std::vector<Case> cases = {
      {"one record", u"\"a\",\"b\",\"c\"", {{u"a", u"b", u"c"}}},
      {"commas and a line break", u"\"a\", \"b\",\r\n\"c\"\r\n", {{u"a", u"b", u"c"}}},
      {"a fourth field alone", u"\"a\",\"b\",\"c\",\"d\"", {{u"a", u"b", u"c"}}},
      {"text between records",
       u"list: \"a\"\"b\"\"c\" ok\r\n# two\r\n\"d\",\"e\",\"f\"",
       {{u"a", u"b", u"c"}, {u"d", u"e", u"f"}}},
      {"mark outside a field", u"\uFEFF\"a\",\"b\",\"c\"", {{u"a", u"b", u"c"}}},
      {"mark inside a field", u"\"\uFEFFa\",\"b\",\"c\"", {{u"\uFEFFa", u"b", u"c"}}},
      {"empty fields", u"\"\",\"\",\"\"", {{u"", u"", u""}}},
      {"line break inside a field", u"\"a\r\nb\",\"c\",\"d\"", {{u"a\r\nb", u"c", u"d"}}},
      {"unclosed field", u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f", {{u"a", u"b", u"c"}}},
      {"two fields only", u"\"a\",\"b\"", {}},
      {"no quotes", u"a,b,c", {}},
      {"nothing", u"", {}},
      {"text ends at a zero", u"\"a\",\"b\",\"c\"" + nul + u"\"d\",\"e\",\"f\"", {{u"a", u"b", u"c"}}},
      {"zero inside a field", u"\"a" + nul + u"\",\"b\",\"c\"", {}},
      {"Japanese",
       u"\"入力の設定\",\"入力\",\"ms-settings:typing\"",
       {{u"入力の設定", u"入力", u"ms-settings:typing"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDatFile(Utf16Bytes(c.text)), c.expected) << c.what;
}

TEST(DatFileTest, ParseDatFile_IgnoresAnOddLastByteAndRefusesFilesAbove16MiB) {
  std::vector<uint8_t> bytes = Utf16Bytes(u"\"a\",\"b\",\"c\"");
  bytes.push_back('"');
  EXPECT_EQ(ParseDatFile(bytes).size(), 1u);
  bytes.resize(kMaxDatFileBytes, 0x20);  // blanks up to the limit: still a data file
  EXPECT_EQ(ParseDatFile(bytes).size(), 1u);
  bytes.push_back(0x20);
  EXPECT_TRUE(ParseDatFile(bytes).empty());
}

TEST(DatFileTest, ProgramFolderFile_IsBesideTheRunningProgram) {
  EXPECT_EQ(ProgramFolderFile(u"C:\\Program Files\\Tapstart\\Pantik.exe", u"ZEBCODE.DAT"),
            u"C:\\Program Files\\Tapstart\\ZEBCODE.DAT");
  EXPECT_EQ(ProgramFolderFile(u"Pantik.exe", u"ZEBCODE.DAT"), u"\\ZEBCODE.DAT");
}

// The build writes the data files into the folder of the programs and test programs.
std::vector<uint8_t> ShippedFile(const std::string& name) {
  char self[4096] = {};
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string dir = n > 0 ? std::string(self, static_cast<size_t>(n)) : std::string();
  dir = dir.substr(0, dir.rfind('/') + 1);
  std::ifstream in(dir + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DatFileTest, ShippedFiles_HoldOnlyCompleteRecords) {
  struct Case {
    const char* name;
    size_t most;
  };
  for (const Case& c :
       {Case{"ZEBCODE.DAT", 1000}, Case{"ZEBMCMNU.DAT", kMediaCenterEntries}, Case{"ZEBIME.DAT", 1000}}) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> bytes = ShippedFile(c.name);
    ASSERT_FALSE(bytes.empty()) << "not built beside the test program";
    ASSERT_EQ(bytes.size() % 2, 0u);
    EXPECT_EQ(bytes[0], 0xFF);  // UTF-16 little-endian, marked
    EXPECT_EQ(bytes[1], 0xFE);
    const Records records = ParseDatFile(bytes);
    ASSERT_FALSE(records.empty());
    EXPECT_LE(records.size(), c.most);
    size_t quotes = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) quotes += bytes[i] == '"' && bytes[i + 1] == 0;
    EXPECT_EQ(quotes, records.size() * 6) << "a field or record left over";
    for (const DAT_FILE_DATA& r : records)
      EXPECT_FALSE(r.field1.empty() || r.field2.empty() || r.field3.empty()) << ToUtf8(r.field1);
  }
}

}  // namespace
}  // namespace tapstart
