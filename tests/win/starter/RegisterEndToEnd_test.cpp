// Register started as a button without a program starts it: the question, the settings program started beside
// it with the switch, one instance at a time, unknown switches, and exit code 0 on every way out.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "fixtures/Driver_win32.h"
#include "settings/res/resource.h"
#include "starter/res/resource.h"

namespace tapstart::test {
namespace {

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

std::wstring NoTrailingSlash(std::wstring path) {
  if (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

class RegisterTest : public testing::Test {
 protected:
  // Wine starts its desktop process with the first program that asks for the desktop window; asked here, it
  // does not start inside a test's job, where it would stay running.
  static void SetUpTestSuite() { GetDesktopWindow(); }

  void SetUp() override {
    ClearStore();
    dir_ = MakeTempDir(L"register e2e");
    log_ = dir_ + L"\\probe.log";
    SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", log_.c_str());
    const HMODULE module = LoadLibraryExW((BinDir() + L"Register.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    wchar_t text[1024] = {};
    LoadStringW(module, IDS_QUESTION_TITLE, text, 1024);
    title_ = text;
    LoadStringW(module, IDS_QUESTION, text, 1024);
    question_ = text;
    FreeLibrary(module);
    ASSERT_FALSE(title_.empty());
    ASSERT_FALSE(question_.empty());
    folder_ = Install(dir_ + L"\\Tapstart");
  }
  void TearDown() override {
    for (const std::wstring& f : extraFiles_) DeleteFileW(f.c_str());
    for (const std::wstring& d : extraDirs_) RemoveTree(d);
    SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", nullptr);
    RemoveTree(dir_);
    ClearStore();
  }

  // Register and a probe named pantik.exe side by side in a folder, as the programs are installed.
  std::wstring Install(const std::wstring& folder) {
    EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) << folder;
    EXPECT_TRUE(CopyFileW((BinDir() + L"Register.exe").c_str(), (folder + L"\\Register.exe").c_str(), FALSE));
    EXPECT_TRUE(CopyFileW((BinDir() + L"probe.exe").c_str(), (folder + L"\\pantik.exe").c_str(), FALSE));
    return folder;
  }

  JobRun Start(const std::wstring& args, const std::wstring& folder = {}) {
    // Started from the test's folder: Register must find pantik.exe beside itself, not in its current folder.
    return StartInJob((folder.empty() ? folder_ : folder) + L"\\Register.exe", args, dir_);
  }

  HWND Question(const JobRun& run) { return WaitForVisibleWindow(L"#32770", title_, run.process.pid); }

  bool ShowsQuestionText(HWND box) const {
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
      if (TextOf(c) == question_) return true;
    return false;
  }

  // Answers the question and returns Register's exit code once it and whatever it started have ended.
  DWORD Answer(JobRun& run, int button) {
    const HWND box = Question(run);
    EXPECT_NE(box, nullptr);
    if (box == nullptr) return WaitExit(run.process, 1);
    EXPECT_TRUE(ShowsQuestionText(box));
    ClickButton(box, button);
    const DWORD code = WaitExit(run.process);
    EXPECT_TRUE(WaitJobDone(run));
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

  void ExpectSettingsStarted(const std::wstring& folder, const std::wstring& switchText) const {
    const std::vector<Logged> log = Log();
    ASSERT_EQ(log.size(), 1u) << switchText;
    const std::wstring pantik = folder + L"\\pantik.exe";
    EXPECT_EQ(log[0].exe, pantik) << switchText;
    EXPECT_EQ(log[0].commandLine, L"\"" + pantik + L"\" " + switchText);
    EXPECT_EQ(NoTrailingSlash(log[0].directory), folder) << switchText;
    EXPECT_EQ(log[0].show, SW_SHOWNORMAL) << switchText;
  }

  std::wstring dir_, log_, folder_, title_, question_;
  std::vector<std::wstring> extraFiles_, extraDirs_;
};

TEST_F(RegisterTest, Ok_StartsPantikBesideItWithTheSwitch) {
  const struct {
    const wchar_t* args;
    const wchar_t* passed;
  } cases[] = {{L"", L"/t:1"}, {L"/t:1", L"/t:1"}, {L"/t:0", L"/t:0"}, {L"/k", L"/k"}};
  for (const auto& c : cases) {
    DeleteFileW(log_.c_str());
    JobRun run = Start(c.args);
    EXPECT_EQ(Answer(run, IDOK), 0u) << c.args;
    EXPECT_EQ(JobProcessCount(run), 2u) << c.args;
    ExpectSettingsStarted(folder_, c.passed);
  }
}

TEST_F(RegisterTest, Cancel_StartsNothing) {
  JobRun run = Start(L"/k");
  EXPECT_EQ(Answer(run, IDCANCEL), 0u);
  EXPECT_EQ(JobProcessCount(run), 1u);
  EXPECT_TRUE(Log().empty());
}

TEST_F(RegisterTest, UnknownSwitch_EndsWithoutAskingOrStarting) {
  for (const wchar_t* args : {L"/t:2", L"/K", L"/T:1", L"/t:1 ", L"/k /t:0", L"x"}) {
    JobRun run = Start(args);
    // A question would hold Register until answered: ending at all shows that none was asked.
    EXPECT_EQ(WaitExit(run.process), 0u) << args;
    EXPECT_TRUE(WaitJobDone(run)) << args;
    EXPECT_EQ(JobProcessCount(run), 1u) << args;
  }
  EXPECT_TRUE(Log().empty());
}

TEST_F(RegisterTest, SecondStart_BringsTheFirstQuestionForwardAndEnds) {
  JobRun first = Start(L"/t:0");
  const HWND box = Question(first);
  ASSERT_NE(box, nullptr);

  // Another dialog with the same title, as the settings program's own, takes the foreground: the second start
  // must pick the question box, not the first dialog it meets.
  const HWND other = CreateWindowExW(0, L"#32770", title_.c_str(), WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 300, 120,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }));

  JobRun second = Start(L"/t:1");
  EXPECT_EQ(WaitExit(second.process), 0u);
  EXPECT_TRUE(WaitJobDone(second));
  EXPECT_EQ(JobProcessCount(second), 1u);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }));
  EXPECT_EQ(TopLevelWindows(L"#32770", first.process.pid, true).size(), 1u);
  DestroyWindow(other);

  // The first instance goes on as if alone.
  ClickButton(box, IDOK);
  EXPECT_EQ(WaitExit(first.process), 0u);
  EXPECT_TRUE(WaitJobDone(first));
  ExpectSettingsStarted(folder_, L"/t:0");
}

TEST_F(RegisterTest, UnderProgramFiles_NeverStartsTheDecoyProgramExe) {
  // Unquoted, "C:\Program Files\Tapstart Test\pantik.exe" would first be tried as "C:\Program.exe".
  const std::wstring folder = L"C:\\Program Files\\Tapstart Test";
  extraDirs_.push_back(folder);
  extraFiles_.push_back(L"C:\\Program.exe");
  Install(folder);
  ASSERT_TRUE(CopyFileW((BinDir() + L"probe.exe").c_str(), L"C:\\Program.exe", FALSE));
  JobRun run = Start(L"/t:1", folder);
  EXPECT_EQ(Answer(run, IDOK), 0u);
  ExpectSettingsStarted(folder, L"/t:1");
}

TEST_F(RegisterTest, JapaneseFolderWithBlanks_StartsPantik) {
  const std::wstring folder = Install(dir_ + L"\\タップ スタート ボタン");
  JobRun run = Start(L"/k", folder);
  EXPECT_EQ(Answer(run, IDOK), 0u);
  ExpectSettingsStarted(folder, L"/k");
}

// Every language's table holds every id (the system does not fall back per id); the title is the settings
// program's own title in that language.
TEST(RegisterResourcesTest, EveryLanguageHoldsEveryStringAndTheIconsHaveTheirSizes) {
  const HMODULE module = LoadLibraryExW((BinDir() + L"Register.exe").c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  const struct {
    LANGID language;
    const wchar_t* title;
  } languages[] = {{1033, L"Tapstart Button Settings"}, {1041, L"Tapstart ボタン設定"}, {2052, L"Tapstart 按钮设置"}};
  for (const auto& l : languages) {
    EXPECT_EQ(StringInLanguage(module, IDS_QUESTION_TITLE, l.language), l.title) << l.language;
    EXPECT_EQ(StringInLanguage(module, IDS_QUESTION_TITLE, l.language),
              StringInLanguage(GetModuleHandleW(nullptr), IDS_TITLE, l.language))
        << l.language;
    const std::wstring question = StringInLanguage(module, IDS_QUESTION, l.language);
    EXPECT_FALSE(question.empty()) << l.language;
    EXPECT_LE(question.size(), 520u) << l.language;
    EXPECT_NE(question.find(l.title), std::wstring::npos) << l.language << ": names the settings program";
    EXPECT_EQ(StringInLanguage(module, IDS_WINDOW_CLASS, l.language), L"ZEBPAD_REGISTER") << l.language;
    EXPECT_EQ(StringInLanguage(module, IDS_MUTEX_NAME, l.language), L"ZEBPAD_REGISTER_MUTEX") << l.language;
  }

  // An icon group lists its images: 6 bytes of header, then 14 bytes per image, the width first.
  const struct {
    UINT id;
    std::vector<int> sizes;
  } icons[] = {{IDI_REGISTER, {16, 32, 48}}, {IDI_REGISTER_SMALL, {16, 24, 32}}};
  for (const auto& icon : icons) {
    const HRSRC r = FindResourceW(module, MAKEINTRESOURCEW(icon.id), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(r, nullptr) << icon.id;
    const auto* p = static_cast<const BYTE*>(LockResource(LoadResource(module, r)));
    ASSERT_GE(SizeofResource(module, r), 6u);
    std::vector<int> sizes;
    const int count = p[4] | (p[5] << 8);
    for (int i = 0; i < count && 6u + 14u * (i + 1) <= SizeofResource(module, r); ++i) sizes.push_back(p[6 + 14 * i]);
    EXPECT_EQ(sizes, icon.sizes) << icon.id;
  }
  FreeLibrary(module);
}

TEST(RegisterResourcesTest, BothProgramsAskForCommonControls6AndDpiAwareness) {
  for (const wchar_t* program : {L"Register.exe", L"Runvoy.exe"}) {
    const HMODULE module = LoadLibraryExW((BinDir() + program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << program;
    const HRSRC r = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(r, nullptr) << program;
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, r))),
                               SizeofResource(module, r));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos) << program;
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos) << program;
    FreeLibrary(module);
  }
}

}  // namespace
}  // namespace tapstart::test
