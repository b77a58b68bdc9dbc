// Round trip of random setting sets through SaveUserData and LoadUserData, in the registry and in the profile
// file: what comes back is the set as saved, up to the normalisations the store documents.
#include <algorithm>
#include <random>
#include <string>

#include "StoreConformance.h"
#include "store/StoreLayout.h"
#include "store/Text.h"

namespace tapstart::conformance {
namespace {

enum class Mode { Registry, ProfileFile };

// What a text written to the store reads back as. The registry keeps at most 2047 characters, never half a
// surrogate pair. The profile file keeps the whole text, and its read drops the blanks around it and returns
// at most 2047 characters of what is left.
std::u16string Stored(std::u16string_view text, Mode mode) {
  if (mode == Mode::Registry) return CutUnits(text, kMaxTextChars);
  const std::u16string trimmed = Trim(text);
  return trimmed.substr(0, std::min(trimmed.size(), kMaxTextChars));
}

// The set that LoadUserData gives back after SaveUserData(record), for the records in use.
USER_DATA Normalised(const USER_DATA& record, Mode mode, int recordsInUse, const USER_DATA& defaults) {
  USER_DATA out;
  out.name = Stored(record.name, mode);
  for (int b = 0; b < recordsInUse; ++b) {
    const APPKEY_DATA& in = record.buttons[b];
    APPKEY_DATA& o = out.buttons[b];
    o.code = Trim(Stored(in.code, mode));
    o.count = in.count >= 1 && in.count <= kProgramsPerButton ? in.count : 0;
    // A blank name is saved as one blank; the profile file's read trims it away again.
    o.name = Stored(in.name.empty() ? u" " : in.name, mode);
    for (int k = 0; k < kProgramsPerButton; ++k) {
      const std::u16string parameters = Trim(in.parameters[k]);
      std::u16string value = in.command[k];
      // A command that holds a bar already (an Internet shortcut) is saved without its parameters.
      if (!parameters.empty() && !Contains(value, u"|")) value += u"|" + parameters;
      if (mode == Mode::ProfileFile && value.empty()) value = u" ";
      const std::u16string read = Stored(value, mode);
      if (read == u"FALSE") {
        o.command[k] = defaults.buttons[b].command[k];
        o.parameters[k] = defaults.buttons[b].parameters[k];
      } else {
        SplitCommand(read, o.command[k], o.parameters[k]);
      }
      o.title[k] = Stored(in.title[k], mode);
    }
  }
  return out;
}

// Random texts from pieces that matter to the store: blanks, bars, paths, Japanese and Chinese, a character
// outside the basic plane. No quotes and no line breaks: the profile file gives those a meaning of their own.
class TextSource {
 public:
  explicit TextSource(uint32_t seed) : rng_(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::u16string Text() {
    const int shape = Pick(100);
    size_t length = 0;
    if (shape < 15) return {};
    if (shape < 75)
      length = 1 + Pick(20);
    else if (shape < 93)
      length = 21 + Pick(280);
    else
      length = 1500 + Pick(548);  // up to 2047
    static const std::u16string_view pieces[] = {
        u"a",      u"Z",      u"7",    u" ",    u" ",    u"  ",   u"\t",         u"|",    u"\\",
        u":",      u".",      u"-",    u"_",    u"=",    u"[",    u";",          u"登録", u"してください",
        u"日本語", u"ボタン", u"设置", u"程序", u"按钮", u"名前", u"\U00020BB7", u"é"};
    std::u16string out;
    while (out.size() < length) out += pieces[Pick(std::size(pieces))];
    return CutUnits(out, length);
  }

  std::u16string Command() {
    switch (Pick(8)) {
      case 0:
        return {};
      case 1:
        return u"C:\\Program Files\\アプリ\\app" + DecimalText(Pick(100)) + u".exe";
      case 2:
        return u"notepad.exe";
      case 3:
        return u"FALSE";
      default:
        return Text();
    }
  }

  std::u16string Code() {
    static const std::u16string_view codes[] = {u"M", u"S", u"P", u"K", u"m", u"s", u"", u" P ", u"\tK"};
    return Pick(6) == 0 ? Text() : std::u16string(codes[Pick(std::size(codes))]);
  }

  USER_DATA Set() {
    USER_DATA set;
    set.name = Text();
    for (auto& r : set.buttons) {
      r.name = Text();
      r.code = Code();
      r.count = Pick(10) - 2;  // -2 to 7
      for (int k = 0; k < kProgramsPerButton; ++k) {
        if (Pick(5) == 0) {
          const std::u16string url = u"http://例え.jp/" + Text();
          r.command[k] = u"iexplore.exe|" + url;
          r.parameters[k] = url;
        } else {
          r.command[k] = Command();
          r.parameters[k] = Pick(3) == 0 ? std::u16string() : Text();
        }
        r.title[k] = Text();
      }
    }
    return set;
  }

 private:
  std::mt19937 rng_;
};

USER_DATA FactorySet() {
  USER_DATA d;
  d.name = u"Factory";
  for (int b = 0; b < kButtonSlots; ++b)
    for (int k = 0; k < kProgramsPerButton; ++k) {
      d.buttons[b].command[k] = u"factory" + DecimalText(b) + DecimalText(k) + u".exe";
      d.buttons[b].parameters[k] = u"/f";
    }
  return d;
}

void ExpectSameSet(const USER_DATA& actual, const USER_DATA& expected) {
  EXPECT_EQ(actual.name, expected.name);
  for (int b = 0; b < kButtonSlots; ++b) {
    SCOPED_TRACE("record " + std::to_string(b));
    const auto& a = actual.buttons[b];
    const auto& e = expected.buttons[b];
    EXPECT_EQ(a.name, e.name);
    EXPECT_EQ(a.code, e.code);
    EXPECT_EQ(a.count, e.count);
    for (int k = 0; k < kProgramsPerButton; ++k) {
      SCOPED_TRACE("program " + std::to_string(k + 1));
      EXPECT_EQ(a.command[k], e.command[k]);
      EXPECT_EQ(a.parameters[k], e.parameters[k]);
      EXPECT_EQ(a.title[k], e.title[k]);
    }
  }
}

// The registry holds every text as REG_SZ of twice its length, without terminator, and the count as a DWORD.
void ExpectRegistryValues(StoreEnv& env, int n, const USER_DATA& saved, int recordsInUse) {
  const std::u16string setKey = std::u16string(kProductKey) + u"\\Setting\\Set" + DecimalText(n);
  auto expectText = [&](const std::u16string& key, std::u16string_view name, std::u16string_view text) {
    const auto raw = env.GetRaw(Hive::CurrentUser, key, name);
    ASSERT_TRUE(raw.has_value()) << ToUtf8(name);
    EXPECT_EQ(raw->type, kRegSz) << ToUtf8(name);
    const std::u16string stored = CutUnits(text, kMaxTextChars);
    EXPECT_EQ(raw->data.size(), 2 * stored.size()) << ToUtf8(name);
    EXPECT_EQ(raw->data, Utf16Bytes(stored)) << ToUtf8(name);
  };
  expectText(setKey, u"SetName", saved.name);
  for (int b = 0; b < recordsInUse; ++b) {
    const auto& r = saved.buttons[b];
    const std::u16string key = setKey + u"\\AppKey" + DecimalText(b + 1);
    expectText(key, u"DispTitle", r.name);
    expectText(key, u"Execute", r.code);
    const auto count = static_cast<uint32_t>(r.count);
    EXPECT_EQ(env.GetRaw(Hive::CurrentUser, key, u"NumAP"),
              (RegValue{kRegDword,
                        {static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8),
                         static_cast<uint8_t>(count >> 16), static_cast<uint8_t>(count >> 24)}}));
    for (int k = 0; k < kProgramsPerButton; ++k) {
      std::u16string value = r.command[k];
      if (!r.parameters[k].empty() && !Contains(value, u"|")) value += u"|" + r.parameters[k];
      expectText(key, u"AP" + DecimalText(k + 1), value);
      expectText(key, u"ProgName" + DecimalText(k + 1), r.title[k]);
    }
  }
}

TEST_P(StoreConformance, UserData_RandomSetsRoundTripInBothModes) {
  for (const Mode mode : {Mode::Registry, Mode::ProfileFile}) {
    const bool ini = mode == Mode::ProfileFile;
    SCOPED_TRACE(ini ? "profile file" : "registry");
    TextSource source(ini ? 20240611u : 19970402u);
    Store().useIniFile = ini;
    Store().defaults = FactorySet();
    const int sets = Env().RoundTripSets(ini);
    for (int i = 0; i < sets; ++i) {
      SCOPED_TRACE("set " + std::to_string(i));
      const int n = 1 + i % 12;
      const int records = 6 + source.Pick(3);
      Store().recordsInUse = records;
      const USER_DATA original = source.Set();
      USER_DATA saved = original;
      if (ini) Env().ClearProfile();  // one set in the file keeps the file, and the run, small
      ASSERT_TRUE(Store().SaveUserData(n, saved));

      // Saving normalises the record in use: blank names become one blank, parameters are trimmed.
      for (int b = 0; b < kButtonSlots; ++b) {
        const auto& before = original.buttons[b];
        const auto& after = saved.buttons[b];
        const bool inUse = b < records;
        EXPECT_EQ(after.name, inUse && before.name.empty() ? u" " : before.name);
        for (int k = 0; k < kProgramsPerButton; ++k)
          EXPECT_EQ(after.parameters[k], inUse ? Trim(before.parameters[k]) : before.parameters[k]);
      }
      if (!ini) ExpectRegistryValues(Env(), n, saved, records);

      Env().ReopenProfile();
      USER_DATA loaded;
      Store().LoadUserData(n, loaded);
      ExpectSameSet(loaded, Normalised(original, mode, records, Store().defaults));
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace tapstart::conformance
