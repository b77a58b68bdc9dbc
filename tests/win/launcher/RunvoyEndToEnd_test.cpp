// Runvoy started as the button handler starts it: each switch, the store places it reads, how the started
// program finds its command line, folder and show state, and that every way out ends with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "fixtures/Driver_win32.h"
#include "launcher/res/resource.h"

namespace tapstart::test {
namespace {

const std::wstring kRunvoyKey = std::wstring(kProduct) + L"\\Runvoy";
const std::wstring kUserButtons = std::wstring(kProduct) + L"\\Setting\\";
const std::wstring kDefaultButtons = std::wstring(kProduct) + L"\\Default\\Setting\\";

// One start as the probe logged it.
struct Logged {
  std::wstring exe, commandLine, directory;
  int show = 0;
};

std::vector<std::wstring> Split(const std::wstring& text, const std::wstring& by) {
  std::vector<std::wstring> parts;
  size_t at = 0;
  for (size_t next; (next = text.find(by, at)) != std::wstring::npos; at = next + by.size())
    parts.push_back(text.substr(at, next - at));
  if (at < text.size()) parts.push_back(text.substr(at));
  return parts;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

bool MakeFolders(const std::wstring& path) {
  for (size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1))
    CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
  return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// The programs still running in a job, for a failure's message.
std::wstring JobProcessNames(const JobRun& run) {
  struct {
    JOBOBJECT_BASIC_PROCESS_ID_LIST list;
    ULONG_PTR more[63];
  } ids{};
  ids.list.NumberOfAssignedProcesses = 64;
  QueryInformationJobObject(run.job.Get(), JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr);
  std::wstring names;
  for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList; ++i) {
    KernelHandle p(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(ids.list.ProcessIdList[i])));
    wchar_t name[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (p) QueryFullProcessImageNameW(p.Get(), 0, name, &size);
    names += L" ";
    names += name;
  }
  return names;
}

class RunvoyTest : public testing::Test {
 protected:
  // Wine starts its desktop process with the first program that asks for the desktop window; asked here, it
  // does not start inside a test's job, where it would stay running.
  static void SetUpTestSuite() { GetDesktopWindow(); }

  void SetUp() override {
    ClearStore();
    dir_ = MakeTempDir(L"runvoy e2e");
    log_ = dir_ + L"\\probe.log";
    SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", log_.c_str());
    target_ = Probe(dir_ + L"\\Target Dir\\tv.exe");
  }
  void TearDown() override {
    for (const std::wstring& f : extraFiles_) DeleteFileW(f.c_str());
    for (const std::wstring& d : extraDirs_) RemoveTree(d);
    SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", nullptr);
    RemoveTree(dir_);
    ClearStore();
  }

  // A copy of the probe at the path; its folders are made.
  std::wstring Probe(const std::wstring& path) {
    EXPECT_TRUE(MakeFolders(FolderOf(path))) << path;
    EXPECT_TRUE(CopyFileW((BinDir() + L"probe.exe").c_str(), path.c_str(), FALSE)) << path;
    return path;
  }

  // Runs Runvoy in a job and waits for it and whatever it started; returns its exit code.
  DWORD Runvoy(const std::wstring& args, const std::wstring& cwd = {}) {
    JobRun run = StartInJob(BinDir() + L"Runvoy.exe", args, cwd.empty() ? dir_ : cwd);
    EXPECT_TRUE(run.process.process) << args;
    const DWORD code = WaitExit(run.process);
    EXPECT_TRUE(WaitJobDone(run)) << args << JobProcessNames(run);
    processes_ = JobProcessCount(run);
    return code;
  }

  std::vector<Logged> Log() const {
    std::vector<Logged> out;
    for (const std::wstring& line : Split(ReadFileUtf8(log_), L"\r\n")) {
      const std::vector<std::wstring> f = Split(line, L"\t");
      if (f.size() == 4) out.push_back({f[0], f[1], f[2], _wtoi(f[3].c_str())});
    }
    return out;
  }

  // Expects exactly one start of the target (or another program) and returns it.
  Logged OnlyStart(const std::wstring& args) const {
    const std::vector<Logged> log = Log();
    EXPECT_EQ(log.size(), 1u) << args;
    EXPECT_EQ(processes_, 2u) << args << ": Runvoy and the one program it started";
    return log.empty() ? Logged{} : log[0];
  }

  void ExpectNothingStarted(const std::wstring& args) const {
    EXPECT_TRUE(Log().empty()) << args;
    EXPECT_EQ(processes_, 1u) << args << ": Runvoy alone";
  }

  std::wstring dir_, log_, target_;
  std::vector<std::wstring> extraFiles_, extraDirs_;
  DWORD processes_ = 0;
};

TEST_F(RunvoyTest, EachSwitchForm_StartsTheProgramOfItsStorePlace) {
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"TV_PATH", target_ + L"|  -tv  ");
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"CD_PATH", target_ + L"|-cd");
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"KBIN_PATH", target_);
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey2", L"AP1", target_ + L"|\t-button 2 ");
  const std::wstring ini = WindowsDir() + L"\\vardenzeb.ini";
  ASSERT_TRUE(WritePrivateProfileStringW(L"USER1", L"Btn3_AP1", (target_ + L"|-ini").c_str(), ini.c_str()));
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, ini.c_str());

  const struct {
    const wchar_t* args;
    const wchar_t* parameters;
    int show;
  } cases[] = {
      {L"/TV", L"-tv", SW_SHOWMAXIMIZED},
      {L"/CD", L"-cd", SW_SHOWNORMAL},
      {L"/KBIN", L"", SW_SHOWNORMAL},
      {L"/Set1\\AppKey2", L"-button 2", SW_SHOWNORMAL},
      {L"/set1\\appkey2", L"-button 2", SW_SHOWNORMAL},
      {L"/Btn3_AP1", L"-ini", SW_SHOWNORMAL},
      {L"/btn3_ap1", L"-ini", SW_SHOWNORMAL},
  };
  for (const auto& c : cases) {
    DeleteFileW(log_.c_str());
    EXPECT_EQ(Runvoy(c.args), 0u) << c.args;
    const Logged s = OnlyStart(c.args);
    EXPECT_EQ(s.exe, target_) << c.args;
    EXPECT_EQ(s.directory, FolderOf(target_)) << c.args;
    EXPECT_EQ(s.show, c.show) << c.args;
    // The shell quotes the program; the parameters arrive trimmed, with their inner blanks.
    const std::wstring tail = std::wstring(c.parameters).empty() ? L"" : L" " + std::wstring(c.parameters);
    EXPECT_EQ(s.commandLine, L"\"" + target_ + L"\"" + tail) << c.args;
  }
}

TEST_F(RunvoyTest, UnknownSwitchOrMissingValue_StartsNothing) {
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"TV_PATH", target_);
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"CD_PATH", L"");
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey1", L"AP1", L"");
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey3", L"AP2", target_);
  // Stored commands whose program part names nothing: they end at once, with no box waiting for the user.
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey4", L"AP1", L"|||");
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey5", L"AP1", L"\"");
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey6", L"AP1", L"\"\"| x");
  for (const wchar_t* args :
       {L"", L"/", L"/tv", L"/Tv", L"/TV ", L"/cd", L"/kbin", L"TV", L"/X", L"/ TV", L"/CD", L"/Set1\\AppKey1",
        L"/Set1\\AppKey3", L"/Set9\\AppKey1", L"/Btn1_AP1", L"/Set1\\AppKey4", L"/Set1\\AppKey5", L"/Set1\\AppKey6"}) {
    EXPECT_EQ(Runvoy(args), 0u) << args;
    ExpectNothingStarted(args);
  }
}

TEST_F(RunvoyTest, EmptyUserValue_StartsTheMachinesFactoryDefault) {
  const std::wstring other = Probe(dir_ + L"\\User\\user.exe");
  SetString(HKEY_LOCAL_MACHINE, kDefaultButtons + L"Set1\\AppKey4", L"AP1", target_ + L"|-default");
  for (const bool userEmpty : {true, false}) {
    DeleteFileW(log_.c_str());
    SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey4", L"AP1", userEmpty ? L"" : other);
    EXPECT_EQ(Runvoy(L"/Set1\\AppKey4"), 0u);
    const Logged s = OnlyStart(L"/Set1\\AppKey4");
    EXPECT_EQ(s.exe, userEmpty ? target_ : other);
  }
  DeleteTree(HKEY_CURRENT_USER, kUserButtons + L"Set1");
  DeleteFileW(log_.c_str());
  EXPECT_EQ(Runvoy(L"/Set1\\AppKey4"), 0u);
  EXPECT_EQ(OnlyStart(L"/Set1\\AppKey4 without a user key").commandLine, L"\"" + target_ + L"\" -default");
}

TEST_F(RunvoyTest, ProgramWithoutFolder_StartsWithNoFolderGiven) {
  // The program is found on the search path; with no folder given it starts in Runvoy's own folder.
  const std::wstring onPath = dir_ + L"\\On Path";
  Probe(onPath + L"\\tapprobe.exe");
  const std::wstring here = dir_ + L"\\Caller";
  ASSERT_TRUE(MakeFolders(here));
  wchar_t path[8192] = {};
  GetEnvironmentVariableW(L"PATH", path, 8192);
  const std::wstring oldPath = path;
  SetEnvironmentVariableW(L"PATH", (oldPath + L";" + onPath).c_str());
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"CD_PATH", L"tapprobe.exe| x ");
  const DWORD code = Runvoy(L"/CD", here);
  SetEnvironmentVariableW(L"PATH", oldPath.c_str());
  EXPECT_EQ(code, 0u);
  const Logged s = OnlyStart(L"/CD");
  EXPECT_EQ(s.exe, onPath + L"\\tapprobe.exe");
  EXPECT_EQ(s.directory, here);
}

TEST_F(RunvoyTest, ApiOne_StartsMachineProgramsDirectlyInRunvoysFolder) {
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"TV_PATH", target_ + L"| a  b ");
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey1", L"AP1", target_ + L"|button");
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"CD_PATH", target_ + L"| a  b ");
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"KBIN_PATH", target_);
  const std::wstring here = dir_ + L"\\Caller";
  ASSERT_TRUE(MakeFolders(here));
  const struct {
    DWORD api;
    const wchar_t* args;
    bool direct;
  } cases[] = {{1, L"/TV", true},   {0, L"/TV", false},   {2, L"/TV", false},           {1, L"/CD", true},
               {1, L"/KBIN", true}, {0, L"/KBIN", false}, {1, L"/Set1\\AppKey1", false}};
  for (const auto& c : cases) {
    DeleteFileW(log_.c_str());
    SetDword(HKEY_LOCAL_MACHINE, kRunvoyKey, L"API", c.api);
    EXPECT_EQ(Runvoy(c.args, here), 0u) << c.args << c.api;
    const Logged s = OnlyStart(c.args);
    EXPECT_EQ(s.exe, target_);
    if (c.direct) {
      // A direct start gives no show state and keeps the launcher's folder.
      // "/KBIN" keeps its value whole: no parameters.
      const std::wstring args = std::wstring(c.args) == L"/KBIN" ? L"" : L" a  b";
      EXPECT_EQ(s.commandLine, L"\"" + target_ + L"\"" + args) << c.args;
      EXPECT_EQ(s.show, -1);
      EXPECT_EQ(s.directory, here);
    } else {
      EXPECT_NE(s.show, -1) << c.args << c.api;
      EXPECT_EQ(s.directory, FolderOf(target_)) << c.args << c.api;
    }
  }
}

TEST_F(RunvoyTest, ApiOne_FailedDirectStartFallsBackToTheShell) {
  // A document cannot be started as a process; the shell opens it with the program of its type, the probe.
  const std::wstring doc = dir_ + L"\\Docs\\film.tapprobe";
  ASSERT_TRUE(MakeFolders(FolderOf(doc)));
  HANDLE h = CreateFileW(doc.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  SetString(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.tapprobe", L"", L"Tapstart.ProbeDocument");
  SetString(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Tapstart.ProbeDocument\\shell\\open\\command", L"",
            L"\"" + target_ + L"\" \"%1\"");
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"TV_PATH", doc);
  SetDword(HKEY_LOCAL_MACHINE, kRunvoyKey, L"API", 1);
  const DWORD code = Runvoy(L"/TV");
  DeleteTree(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.tapprobe");
  DeleteTree(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Tapstart.ProbeDocument");
  EXPECT_EQ(code, 0u);
  const Logged s = OnlyStart(L"/TV");
  EXPECT_EQ(s.exe, target_);
  EXPECT_NE(s.commandLine.find(L"film.tapprobe"), std::wstring::npos) << s.commandLine;
  EXPECT_EQ(s.show, SW_SHOWMAXIMIZED);
}

TEST_F(RunvoyTest, ProgramUnderProgramFiles_NeverStartsTheDecoyProgramExe) {
  // Unquoted, "C:\Program Files\Tapstart Test\tv.exe" would first be tried as "C:\Program.exe".
  const std::wstring folder = L"C:\\Program Files\\Tapstart Test";
  const std::wstring decoy = L"C:\\Program.exe";
  extraDirs_.push_back(folder);
  extraFiles_.push_back(decoy);
  const std::wstring real = Probe(folder + L"\\tv.exe");
  Probe(decoy);
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"TV_PATH", real + L"|-channel 3");
  for (const DWORD api : {1u, 0u}) {
    DeleteFileW(log_.c_str());
    SetDword(HKEY_LOCAL_MACHINE, kRunvoyKey, L"API", api);
    EXPECT_EQ(Runvoy(L"/TV"), 0u);
    const Logged s = OnlyStart(L"/TV");
    EXPECT_EQ(s.exe, real) << "API " << api;
    EXPECT_EQ(s.commandLine, L"\"" + real + L"\" -channel 3") << "API " << api;
  }
}

TEST_F(RunvoyTest, JapaneseFolderWithBlanks_StartsOnEveryWay) {
  const std::wstring real = Probe(dir_ + L"\\タップ スタート テスト\\起動 テスト.exe");
  SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"CD_PATH", real + L"|ファイル 1.txt");
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set2\\AppKey5", L"AP1", real);
  const struct {
    const wchar_t* args;
    DWORD api;
    const wchar_t* tail;
  } cases[] = {{L"/CD", 0, L" ファイル 1.txt"}, {L"/CD", 1, L" ファイル 1.txt"}, {L"/Set2\\AppKey5", 0, L""}};
  for (const auto& c : cases) {
    DeleteFileW(log_.c_str());
    SetDword(HKEY_LOCAL_MACHINE, kRunvoyKey, L"API", c.api);
    EXPECT_EQ(Runvoy(c.args), 0u) << c.args;
    const Logged s = OnlyStart(c.args);
    EXPECT_EQ(s.exe, real) << c.args;
    EXPECT_EQ(s.commandLine, L"\"" + real + L"\"" + c.tail) << c.args;
  }
}

TEST_F(RunvoyTest, MalformedValues_NeitherCrashNorStartAnythingWrong) {
  // A text stored without its terminating zero, and with an odd byte count, still reads as the path.
  const std::wstring bare = target_;
  SetRaw(HKEY_LOCAL_MACHINE, kRunvoyKey, L"TV_PATH", REG_SZ, bare.c_str(), static_cast<DWORD>(bare.size() * 2));
  EXPECT_EQ(Runvoy(L"/TV"), 0u);
  EXPECT_EQ(OnlyStart(L"/TV unterminated").exe, target_);
  DeleteFileW(log_.c_str());
  SetRaw(HKEY_LOCAL_MACHINE, kRunvoyKey, L"CD_PATH", REG_SZ, (bare + L"\xFFFF").c_str(),
         static_cast<DWORD>(bare.size() * 2 + 1));
  EXPECT_EQ(Runvoy(L"/CD"), 0u);
  EXPECT_EQ(OnlyStart(L"/CD odd length").exe, target_);

  // Values of another type, and a text longer than any command line, are no program.
  DeleteFileW(log_.c_str());
  const DWORD number = 7;
  SetRaw(HKEY_LOCAL_MACHINE, kRunvoyKey, L"TV_PATH", REG_DWORD, &number, sizeof number);
  SetRaw(HKEY_LOCAL_MACHINE, kRunvoyKey, L"CD_PATH", REG_BINARY, bare.c_str(), static_cast<DWORD>(bare.size() * 2));
  const std::wstring huge(40000, L'x');
  SetString(HKEY_CURRENT_USER, kUserButtons + L"Set1\\AppKey1", L"AP1", huge);
  // "API" of the wrong size or type is not 1.
  SetRaw(HKEY_LOCAL_MACHINE, kRunvoyKey, L"API", REG_BINARY, "\x01\0\0\0\0\0\0\0", 8);
  for (const wchar_t* args : {L"/TV", L"/CD", L"/Set1\\AppKey1"}) {
    EXPECT_EQ(Runvoy(args), 0u) << args;
    ExpectNothingStarted(args);
  }
}

// The keyboard tool's error box: the program waits for it, shows the texts of its own string table in the
// thread's language, and starts nothing.
TEST_F(RunvoyTest, KeyboardToolMissing_ShowsTheErrorBoxAndStartsNothing) {
  const HMODULE runvoy = LoadLibraryExW((BinDir() + L"Runvoy.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(runvoy, nullptr);
  wchar_t text[512] = {}, caption[256] = {};
  ASSERT_GT(LoadStringW(runvoy, IDS_KEYBOARD_TOOL_MISSING, text, 512), 0);
  ASSERT_GT(LoadStringW(runvoy, IDS_KEYBOARD_TOOL_NAME, caption, 256), 0);
  FreeLibrary(runvoy);

  const std::wstring missing = dir_ + L"\\No Tool\\kb.exe";
  for (const bool valueSet : {false, true}) {
    if (valueSet) SetString(HKEY_LOCAL_MACHINE, kRunvoyKey, L"KBIN_PATH", missing);
    JobRun run = StartInJob(BinDir() + L"Runvoy.exe", L"/KBIN", dir_);
    const HWND box = WaitForWindow(L"#32770", caption, run.process.pid);
    ASSERT_NE(box, nullptr) << valueSet;
    bool textShown = false;
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
      textShown = textShown || TextOf(c) == text;
    EXPECT_TRUE(textShown) << valueSet;
    ClickButton(box, IDOK);
    EXPECT_EQ(WaitExit(run.process), 0u) << valueSet;
    EXPECT_TRUE(WaitJobDone(run));
    EXPECT_EQ(JobProcessCount(run), 1u);
    EXPECT_TRUE(Log().empty());
  }
}

TEST(RunvoyResourcesTest, EveryLanguageHoldsBothTexts) {
  const HMODULE runvoy = LoadLibraryExW((BinDir() + L"Runvoy.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(runvoy, nullptr);
  const struct {
    LANGID language;
    const wchar_t* name;
  } languages[] = {
      {1033, L"Tapstart Keyboard Tool"}, {1041, L"Tapstart キーボード ツール"}, {2052, L"Tapstart 键盘工具"}};
  for (const auto& l : languages) {
    EXPECT_EQ(StringInLanguage(runvoy, IDS_KEYBOARD_TOOL_NAME, l.language), l.name) << l.language;
    const std::wstring text = StringInLanguage(runvoy, IDS_KEYBOARD_TOOL_MISSING, l.language);
    EXPECT_NE(text.find(L"Tapstart"), std::wstring::npos) << l.language;
  }
  FreeLibrary(runvoy);
}

}  // namespace
}  // namespace tapstart::test
