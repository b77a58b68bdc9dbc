// Runvoy's decisions: the switch, the split of a stored command, the working folder, the command line of a
// direct start, and the whole run against an in-memory store and system.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "launcher/CommandLine.h"
#include "launcher/LaunchPlan.h"
#include "launcher/Launcher.h"
#include "launcher/StoredCommand.h"
#include "store/StoreLock.h"
#include "store/Text.h"

namespace tapstart::launcher {
namespace {

using tapstart::ToUtf8;

TEST(RunvoyCommandLineTest, ArgumentText_SkipsTheProgramNameAsTheRuntimeDoes) {
  struct Case {
    const char16_t* line;
    const char16_t* arguments;
  };
  const Case cases[] = {
      {u"Runvoy.exe /TV", u"/TV"},
      {u"\"C:\\Program Files\\Tapstart\\Runvoy.exe\" /CD", u"/CD"},
      {u"\"C:\\a b\\Runvoy.exe\"/KBIN", u"/KBIN"},
      {u"Runvoy.exe \t  /Set1\\AppKey2", u"/Set1\\AppKey2"},
      {u"Runvoy.exe /TV ", u"/TV "},
      {u"Runvoy.exe", u""},
      {u"Runvoy.exe   ", u""},
      {u"\"C:\\never closed /TV", u""},
      {u"", u""},
      {u"C:\\x\\Runvoy.exe\t/Btn1_AP1", u"/Btn1_AP1"},
  };
  for (const Case& c : cases) EXPECT_EQ(ArgumentText(c.line), std::u16string_view(c.arguments)) << ToUtf8(c.line);
}

TEST(RunvoyCommandLineTest, ProcessCommandLine_QuotesTheProgramOnlyAndLeavesParameters) {
  struct Case {
    const char16_t* program;
    const char16_t* parameters;
    const char16_t* line;
  };
  const Case cases[] = {
      {u"C:\\Program Files\\Tapstart Test\\tv.exe", u"-full  \"a b\"",
       u"\"C:\\Program Files\\Tapstart Test\\tv.exe\" -full  \"a b\""},
      {u"\"C:\\Program Files\\tv.exe\"", u"x", u"\"C:\\Program Files\\tv.exe\" x"},
      {u"notepad.exe", u"", u"\"notepad.exe\""},
      {u"D:\\ツール\\kb.exe", u"/q", u"\"D:\\ツール\\kb.exe\" /q"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProcessCommandLine(c.program, c.parameters), c.line);
}

struct PlanCase {
  const char16_t* text;
  Source source;
  const char16_t* name;
  bool split;
  bool mustExist;
  int show;
  bool direct;
};

TEST(RunvoyPlanTest, PlanFor_ReadsEachSwitchWithItsLetterCaseRule) {
  const PlanCase cases[] = {
      {u"/TV", Source::MachineValue, u"TV_PATH", true, false, kShowMaximized, true},
      {u"/CD", Source::MachineValue, u"CD_PATH", true, false, kShowNormal, true},
      {u"/KBIN", Source::MachineValue, u"KBIN_PATH", false, true, kShowNormal, true},
      {u"/Btn1_AP1", Source::ProfileKey, u"Btn1_AP1", true, false, kShowNormal, false},
      {u"/btn3_AP1", Source::ProfileKey, u"btn3_AP1", true, false, kShowNormal, false},
      {u"/B", Source::ProfileKey, u"B", true, false, kShowNormal, false},
      {u"/Set1\\AppKey2", Source::UserButton, u"Set1\\AppKey2", true, false, kShowNormal, false},
      {u"/set2\\AppKey8", Source::UserButton, u"set2\\AppKey8", true, false, kShowNormal, false},
      {u"/SSet1\\AppKey2", Source::UserButton, u"SSet1\\AppKey2", true, false, kShowNormal, false},
      // The fixed switches compare exactly: another case, a blank or more text is an unknown switch.
      {u"/tv", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"/Tv", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"/cd", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"/kbin", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"/TV ", Source::Nothing, u"", true, false, kShowNormal, false},
      {u" /TV", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"/KBINX", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"/", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"TV", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"Set1\\AppKey2", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"/X1", Source::Nothing, u"", true, false, kShowNormal, false},
      {u"//Set1", Source::Nothing, u"", true, false, kShowNormal, false},
  };
  for (const PlanCase& c : cases) {
    const LaunchPlan p = PlanFor(c.text);
    const std::string label = ToUtf8(c.text);
    EXPECT_EQ(p.source, c.source) << label;
    if (c.source == Source::Nothing) continue;
    EXPECT_EQ(p.name, std::u16string_view(c.name)) << label;
    EXPECT_EQ(p.split, c.split) << label;
    EXPECT_EQ(p.mustExist, c.mustExist) << label;
    EXPECT_EQ(p.show, c.show) << label;
    EXPECT_EQ(p.mayStartDirectly, c.direct) << label;
  }
}

TEST(RunvoyStoredCommandTest, SplitStored_SplitsAtTheFirstBarAndTrimsParameters) {
  struct Case {
    const char16_t* stored;
    const char16_t* program;
    const char16_t* parameters;
  };
  const Case cases[] = {
      {u"notepad.exe| a.txt ", u"notepad.exe", u"a.txt"},
      {u"notepad.exe", u"notepad.exe", u""},
      {u"C:\\a b\\c.exe|\t-p 1\r\n", u"C:\\a b\\c.exe", u"-p 1"},
      {u"c.exe|x|y", u"c.exe", u"x|y"},
      {u"iexplore.exe|http://example.com/?a=1", u"iexplore.exe", u"http://example.com/?a=1"},
      {u"|a.txt", u"", u"a.txt"},  // no program before the bar
      {u"|||", u"", u"||"},
      {u"c.exe|", u"c.exe", u""},
      {u"c.exe|   ", u"c.exe", u""},
      {u"", u"", u""},
  };
  for (const Case& c : cases) {
    const StoredCommand s = SplitStored(c.stored);
    EXPECT_EQ(s.program, std::u16string_view(c.program)) << ToUtf8(c.stored);
    EXPECT_EQ(s.parameters, std::u16string_view(c.parameters)) << ToUtf8(c.stored);
  }
}

TEST(RunvoyStoredCommandTest, WorkingDirectory_IsTheProgramsFolder) {
  struct Case {
    const char16_t* program;
    const char16_t* directory;
  };
  const Case cases[] = {
      {u"C:\\Windows\\notepad.exe", u"C:\\Windows"},
      {u"C:\\Program Files\\Tapstart Test\\tv.exe", u"C:\\Program Files\\Tapstart Test"},
      {u"\"C:\\Program Files\\A\\b.exe\"", u"C:\\Program Files\\A"},
      {u"D:\\テスト フォルダ\\ツール.exe", u"D:\\テスト フォルダ"},
      {u"C:\\notepad.exe", u"C:\\"},
      {u"\\\\server\\share\\x.exe", u"\\\\server\\share"},
      {u"notepad.exe", u""},
      {u"\\notepad.exe", u""},
      {u"C:/Windows/notepad.exe", u""},
      {u"", u""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WorkingDirectory(c.program), std::u16string_view(c.directory)) << ToUtf8(c.program);
}

// An in-memory store and system that records what the launcher asks for.
class FakeSystem final : public LauncherSystem {
 public:
  std::map<std::tuple<Hive, std::u16string, std::u16string>, std::u16string> strings;
  std::map<std::tuple<Hive, std::u16string, std::u16string>, uint32_t> dwords;
  std::map<std::tuple<std::u16string, std::u16string, std::u16string>, std::u16string> profile;
  std::set<std::u16string> files;
  uint32_t processResult = 0;

  std::vector<std::u16string> processes;
  std::vector<std::tuple<std::u16string, std::u16string, std::u16string, int>> shellStarts;
  int reports = 0;
  int reads = 0;
  int dwordReads = 0;

  std::optional<std::u16string> ReadString(Hive hive, std::u16string_view key, std::u16string_view name) override {
    ++reads;
    const auto it = strings.find({hive, std::u16string(key), std::u16string(name)});
    if (it == strings.end()) return std::nullopt;
    return it->second;
  }
  std::optional<uint32_t> ReadDword(Hive hive, std::u16string_view key, std::u16string_view name) override {
    ++dwordReads;
    const auto it = dwords.find({hive, std::u16string(key), std::u16string(name)});
    if (it == dwords.end()) return std::nullopt;
    return it->second;
  }
  std::u16string ReadProfile(std::u16string_view file, std::u16string_view section, std::u16string_view key) override {
    ++reads;
    const auto it = profile.find({std::u16string(file), std::u16string(section), std::u16string(key)});
    return it == profile.end() ? std::u16string() : it->second;
  }
  bool Exists(std::u16string_view path) override { return files.count(std::u16string(path)) != 0; }
  uint32_t StartProcess(std::u16string_view line) override {
    processes.emplace_back(line);
    return processResult;
  }
  void StartThroughShell(const ShellStart& s) override {
    shellStarts.emplace_back(s.file, s.parameters, s.directory, s.show);
  }
  void ReportKeyboardToolMissing() override { ++reports; }
};

constexpr char16_t kMachine[] = u"SOFTWARE\\Varden\\VARDENZEB\\Runvoy";
tapstart::UnsharedStore unshared;

struct MachineCase {
  const char* name;
  const char16_t* switchText;
  const char16_t* valueName;
  std::optional<std::u16string> stored;
  std::optional<uint32_t> api;
  uint32_t processResult;
  std::vector<std::u16string> processes;
  std::vector<std::tuple<std::u16string, std::u16string, std::u16string, int>> shell;
};

TEST(RunvoyLaunchTest, MachineSwitches_StartDirectlyOnlyWhenApiIsOneAndFallBackToTheShell) {
  const std::u16string tv = u"C:\\Program Files\\TV\\tv.exe| -full ";
  const std::u16string tvLine = u"\"C:\\Program Files\\TV\\tv.exe\" -full";
  const auto tvShell = std::make_tuple(std::u16string(u"C:\\Program Files\\TV\\tv.exe"), std::u16string(u"-full"),
                                       std::u16string(u"C:\\Program Files\\TV"), 3);
  const MachineCase cases[] = {
      {"shell, maximised", u"/TV", u"TV_PATH", tv, std::nullopt, 0, {}, {tvShell}},
      {"API 0", u"/TV", u"TV_PATH", tv, 0u, 0, {}, {tvShell}},
      {"API 2", u"/TV", u"TV_PATH", tv, 2u, 0, {}, {tvShell}},
      {"direct", u"/TV", u"TV_PATH", tv, 1u, 0, {tvLine}, {}},
      {"direct fails", u"/TV", u"TV_PATH", tv, 1u, 193, {tvLine}, {tvShell}},
      {"direct cancelled", u"/TV", u"TV_PATH", tv, 1u, kStartCancelled, {tvLine}, {}},
      {"CD normal", u"/CD", u"CD_PATH", u"D:\\cd.exe", std::nullopt, 0, {}, {{u"D:\\cd.exe", u"", u"D:\\", 1}}},
      {"bare name", u"/CD", u"CD_PATH", u"cdplayer.exe|x", std::nullopt, 0, {}, {{u"cdplayer.exe", u"x", u"", 1}}},
      {"missing", u"/TV", u"TV_PATH", std::nullopt, 1u, 0, {}, {}},
      {"empty", u"/CD", u"CD_PATH", u"", 1u, 0, {}, {}},
      {"lower case", u"/tv", u"TV_PATH", tv, 1u, 0, {}, {}},
  };
  for (const MachineCase& c : cases) {
    FakeSystem sys;
    if (c.stored) sys.strings[{Hive::LocalMachine, kMachine, c.valueName}] = *c.stored;
    if (c.api) sys.dwords[{Hive::LocalMachine, kMachine, u"API"}] = *c.api;
    sys.processResult = c.processResult;
    Launch(c.switchText, sys, unshared);
    EXPECT_EQ(sys.processes, c.processes) << c.name;
    EXPECT_EQ(sys.shellStarts, c.shell) << c.name;
    EXPECT_EQ(sys.reports, 0) << c.name;
  }
}

TEST(RunvoyLaunchTest, KeyboardTool_IsReportedWhenItsPathIsMissingEmptyOrAbsent) {
  struct Case {
    const char* name;
    std::optional<std::u16string> stored;
    bool exists;
    bool started;
  };
  const Case cases[] = {
      {"no value", std::nullopt, false, false},
      {"empty value", u"", false, false},
      {"no such file", u"C:\\KB\\kb.exe", false, false},
      {"installed", u"C:\\KB\\kb.exe", true, true},
      // The keyboard tool's value is a bare path: a bar is part of it, and no such file exists.
      {"bar is no split", u"C:\\KB\\kb.exe|x", true, false},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    if (c.stored) sys.strings[{Hive::LocalMachine, kMachine, u"KBIN_PATH"}] = *c.stored;
    if (c.exists) sys.files.insert(u"C:\\KB\\kb.exe");
    Launch(u"/KBIN", sys, unshared);
    EXPECT_EQ(sys.reports, c.started ? 0 : 1) << c.name;
    if (c.started) {
      ASSERT_EQ(sys.shellStarts.size(), 1u) << c.name;
      EXPECT_EQ(sys.shellStarts[0],
                std::make_tuple(std::u16string(u"C:\\KB\\kb.exe"), std::u16string(), std::u16string(u"C:\\KB"), 1));
    } else {
      EXPECT_TRUE(sys.shellStarts.empty()) << c.name;
      EXPECT_TRUE(sys.processes.empty()) << c.name;
    }
  }
}

TEST(RunvoyLaunchTest, ButtonSwitch_FallsBackToTheFactoryDefaultAndNeverStartsDirectly) {
  const std::u16string userKey = u"SOFTWARE\\Varden\\VARDENZEB\\SETTING\\Set1\\AppKey2";
  const std::u16string defaultKey = u"SOFTWARE\\Varden\\VARDENZEB\\Default\\SETTING\\Set1\\AppKey2";
  struct Case {
    const char* name;
    std::optional<std::u16string> user;
    std::optional<std::u16string> machine;
    const char16_t* file;  // nullptr: nothing started
    const char16_t* parameters;
  };
  const Case cases[] = {
      {"user value", u"C:\\U\\u.exe|a b", u"C:\\M\\m.exe", u"C:\\U\\u.exe", u"a b"},
      {"empty user value", u"", u"C:\\M\\m.exe|d", u"C:\\M\\m.exe", u"d"},
      {"no user value", std::nullopt, u"C:\\M\\m.exe", u"C:\\M\\m.exe", u""},
      {"neither", std::nullopt, std::nullopt, nullptr, nullptr},
      {"both empty", u"", u"", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    if (c.user) sys.strings[{Hive::CurrentUser, userKey, u"AP1"}] = *c.user;
    if (c.machine) sys.strings[{Hive::LocalMachine, defaultKey, u"AP1"}] = *c.machine;
    sys.dwords[{Hive::LocalMachine, kMachine, u"API"}] = 1;
    Launch(u"/Set1\\AppKey2", sys, unshared);
    EXPECT_TRUE(sys.processes.empty()) << c.name;
    EXPECT_EQ(sys.dwordReads, 0) << c.name;
    if (c.file == nullptr) {
      EXPECT_TRUE(sys.shellStarts.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(sys.shellStarts.size(), 1u) << c.name;
    EXPECT_EQ(std::get<0>(sys.shellStarts[0]), c.file) << c.name;
    EXPECT_EQ(std::get<1>(sys.shellStarts[0]), c.parameters) << c.name;
    EXPECT_EQ(std::get<3>(sys.shellStarts[0]), 1) << c.name;
  }
}

TEST(RunvoyLaunchTest, ProfileSwitch_ReadsSectionUser1OfTheLaunchersProfileFile) {
  FakeSystem sys;
  sys.profile[{u"vardenzeb.ini", u"USER1", u"Btn3_AP1"}] = u"C:\\P q\\w.exe|doc.txt";
  sys.dwords[{Hive::LocalMachine, kMachine, u"API"}] = 1;
  Launch(u"/Btn3_AP1", sys, unshared);
  ASSERT_EQ(sys.shellStarts.size(), 1u);
  EXPECT_EQ(sys.shellStarts[0], std::make_tuple(std::u16string(u"C:\\P q\\w.exe"), std::u16string(u"doc.txt"),
                                                std::u16string(u"C:\\P q"), 1));
  EXPECT_TRUE(sys.processes.empty());

  FakeSystem empty;
  Launch(u"/Btn4_AP1", empty, unshared);
  EXPECT_TRUE(empty.shellStarts.empty());
  EXPECT_EQ(empty.reads, 1);
}

TEST(RunvoyLaunchTest, UnknownSwitch_ReadsAndStartsNothing) {
  for (const char16_t* text : {u"", u"/", u"/tv", u"/X", u"TV", u"/KBIN "}) {
    FakeSystem sys;
    sys.strings[{Hive::LocalMachine, kMachine, u"TV_PATH"}] = u"C:\\tv.exe";
    Launch(text, sys, unshared);
    EXPECT_EQ(sys.reads + sys.dwordReads, 0) << ToUtf8(text);
    EXPECT_TRUE(sys.shellStarts.empty() && sys.processes.empty()) << ToUtf8(text);
    EXPECT_EQ(sys.reports, 0) << ToUtf8(text);
  }
}

// A stored command whose program part names nothing starts nothing, at once: neither a direct start nor the shell,
// which would open a folder window or an error box that keeps the launcher waiting.
TEST(RunvoyLaunchTest, EmptyProgramPart_StartsNothing) {
  const std::u16string userKey = u"SOFTWARE\\Varden\\VARDENZEB\\SETTING\\Set1\\AppKey1";
  struct Case {
    const char16_t* switchText;
    const char16_t* stored;
  };
  for (const Case& c :
       {Case{u"/Set1\\AppKey1", u"|||"}, Case{u"/Set1\\AppKey1", u"\""}, Case{u"/Set1\\AppKey1", u"\"\"| x"},
        Case{u"/Set1\\AppKey1", u"  | x"}, Case{u"/Set1\\AppKey1", u"\" \""}, Case{u"/TV", u"|tv.exe"},
        Case{u"/CD", u"\"\"|"}, Case{u"/Btn1_AP1", u"|||"}}) {
    FakeSystem sys;
    sys.strings[{Hive::CurrentUser, userKey, u"AP1"}] = c.stored;
    sys.strings[{Hive::LocalMachine, kMachine, u"TV_PATH"}] = c.stored;
    sys.strings[{Hive::LocalMachine, kMachine, u"CD_PATH"}] = c.stored;
    sys.profile[{u"vardenzeb.ini", u"USER1", u"Btn1_AP1"}] = c.stored;
    sys.dwords[{Hive::LocalMachine, kMachine, u"API"}] = 1;
    Launch(c.switchText, sys, unshared);
    EXPECT_TRUE(sys.processes.empty()) << ToUtf8(c.switchText) << " " << ToUtf8(c.stored);
    EXPECT_TRUE(sys.shellStarts.empty()) << ToUtf8(c.switchText) << " " << ToUtf8(c.stored);
    EXPECT_EQ(sys.reports, 0) << ToUtf8(c.switchText) << " " << ToUtf8(c.stored);
  }
}

TEST(RunvoyStoredCommandTest, IsEmptyProgram_SeesNothingInBlanksAndQuotes) {
  for (const char16_t* empty : {u"", u"  ", u"\"", u"\"\"", u"\" \"", u" \"\t\" ", u"\"\"x"})
    EXPECT_TRUE(IsEmptyProgram(empty)) << ToUtf8(empty);
  for (const char16_t* named : {u"a", u"\"a\"", u" x.exe", u"\"C:\\a b\\c.exe\"", u"\\"})
    EXPECT_FALSE(IsEmptyProgram(named)) << ToUtf8(named);
}

// The launcher and the state of the store's lock at each call it makes.
class LockWatchingSystem final : public LauncherSystem {
 public:
  explicit LockWatchingSystem(FakeSystem& inner, const bool& locked) : inner_(inner), locked_(locked) {}
  std::vector<std::string> calls;

  std::optional<std::u16string> ReadString(Hive hive, std::u16string_view key, std::u16string_view name) override {
    calls.push_back(Mark("read"));
    return inner_.ReadString(hive, key, name);
  }
  std::optional<uint32_t> ReadDword(Hive hive, std::u16string_view key, std::u16string_view name) override {
    calls.push_back(Mark("dword"));
    return inner_.ReadDword(hive, key, name);
  }
  std::u16string ReadProfile(std::u16string_view file, std::u16string_view section, std::u16string_view key) override {
    calls.push_back(Mark("profile"));
    return inner_.ReadProfile(file, section, key);
  }
  bool Exists(std::u16string_view path) override { return inner_.Exists(path); }
  uint32_t StartProcess(std::u16string_view line) override {
    calls.push_back(Mark("process"));
    return inner_.StartProcess(line);
  }
  void StartThroughShell(const ShellStart& s) override {
    calls.push_back(Mark("shell"));
    inner_.StartThroughShell(s);
  }
  void ReportKeyboardToolMissing() override { inner_.ReportKeyboardToolMissing(); }

 private:
  std::string Mark(const char* call) const { return std::string(call) + (locked_ ? " locked" : ""); }
  FakeSystem& inner_;
  const bool& locked_;
};

class FlagLock final : public tapstart::StoreLock {
 public:
  bool grant = true;
  bool locked = false;
  int waits = 0;
  bool Acquire() override {
    ++waits;
    locked = grant;
    return grant;
  }
  void Release() override { locked = false; }
};

// The stored value is read under the store's lock, which is let go before anything starts; after a wait that
// timed out the value is read all the same.
TEST(RunvoyLaunchTest, StoreLock_IsHeldForTheReadAndLetGoBeforeTheStart) {
  struct Case {
    const char16_t* switchText;
    bool grant;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {u"/Set1\\AppKey1", true, {"read locked", "read locked", "shell"}},
      {u"/Btn1_AP1", true, {"profile locked", "shell"}},
      {u"/TV", true, {"read locked", "dword", "process"}},
      {u"/Btn1_AP1", false, {"profile", "shell"}},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.strings[{Hive::LocalMachine, u"SOFTWARE\\Varden\\VARDENZEB\\Default\\SETTING\\Set1\\AppKey1", u"AP1"}] =
        u"m.exe";
    sys.strings[{Hive::LocalMachine, kMachine, u"TV_PATH"}] = u"tv.exe";
    sys.dwords[{Hive::LocalMachine, kMachine, u"API"}] = 1;
    sys.profile[{u"vardenzeb.ini", u"USER1", u"Btn1_AP1"}] = u"p.exe";
    FlagLock lock;
    lock.grant = c.grant;
    LockWatchingSystem watching(sys, lock.locked);
    Launch(c.switchText, watching, lock);
    EXPECT_EQ(watching.calls, c.calls) << ToUtf8(c.switchText);
    EXPECT_EQ(lock.waits, 1) << ToUtf8(c.switchText);
    EXPECT_FALSE(lock.locked) << ToUtf8(c.switchText);
  }
}

}  // namespace
}  // namespace tapstart::launcher
