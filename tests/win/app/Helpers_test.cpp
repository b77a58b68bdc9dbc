// The shared helpers against the real shell: the maker's setup program is started, the computer folder named.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "Driver_win32.h"
#include "app/Helpers_win32.h"

namespace tapstart {
namespace {

class OwnSetupTest : public testing::Test {
 protected:
  void SetUp() override {
    test::RemoveTree(dir_);
    SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", nullptr);  // the probe logs beside itself
  }
  void TearDown() override { test::RemoveTree(dir_); }

  // Puts the probe where the setup program belongs.
  void InstallProbe() {
    ASSERT_TRUE(CreateDirectoryW(dir_.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW((test::BinDir() + L"probe.exe").c_str(), exe_.c_str(), FALSE));
  }

  // The probe's log line split at its tabs: exe, command line, working directory, show state.
  std::vector<std::wstring> WaitForLog() {
    const std::wstring log = dir_ + L"\\probe.log";
    const ULONGLONG end = GetTickCount64() + 20000;
    std::wstring text;
    while (GetTickCount64() < end) {
      text = test::ReadFileUtf8(log);
      if (text.find(L'\n') != std::wstring::npos) break;
      Sleep(50);
    }
    std::vector<std::wstring> fields;
    const std::wstring line = text.substr(0, text.find_first_of(L"\r\n"));
    for (size_t start = 0;;) {
      const size_t tab = line.find(L'\t', start);
      fields.push_back(line.substr(start, tab == std::wstring::npos ? std::wstring::npos : tab - start));
      if (tab == std::wstring::npos) break;
      start = tab + 1;
    }
    return fields;
  }

  const std::wstring dir_ = test::BinDir() + L"SETMAIL";
  const std::wstring exe_ = dir_ + L"\\登録してください.exe";
};

TEST_F(OwnSetupTest, LaunchOwnSetup_StartsTheSetupProgramForTheButton) {
  InstallProbe();
  ASSERT_TRUE(LaunchOwnSetup(2));
  const auto fields = WaitForLog();
  ASSERT_EQ(fields.size(), 4u) << "the probe did not run";
  EXPECT_EQ(CompareStringOrdinal(fields[0].c_str(), -1, exe_.c_str(), -1, TRUE), CSTR_EQUAL) << fields[0];
  // The command line is the program, then exactly the parameters.
  const std::wstring tail = L" /AppKey2 /PANTIK";
  ASSERT_GE(fields[1].size(), tail.size());
  EXPECT_EQ(fields[1].substr(fields[1].size() - tail.size()), tail) << fields[1];
  EXPECT_NE(fields[1].find(L"登録してください.exe"), std::wstring::npos) << fields[1];
  EXPECT_EQ(fields[3], L"1") << "shown normally";
}

TEST_F(OwnSetupTest, LaunchOwnSetup_FailsWhenTheSetupProgramIsMissing) {
  EXPECT_FALSE(LaunchOwnSetup(2));
  ASSERT_TRUE(CreateDirectoryW(dir_.c_str(), nullptr));
  EXPECT_FALSE(LaunchOwnSetup(3)) << "an empty SETMAIL folder";
}

TEST(HelpersWinTest, GetMyComputerName_IsTheShellsNameOfTheComputerFolder) {
  const HRESULT co = CoInitialize(nullptr);
  const std::wstring name = GetMyComputerName();
  EXPECT_FALSE(name.empty());
  // The same name reached another way: the shell's file information for the folder's item.
  LPITEMIDLIST item = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &item), S_OK);
  SHFILEINFOW info{};
  ASSERT_NE(SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME), 0u);
  CoTaskMemFree(item);
  EXPECT_EQ(name, info.szDisplayName);
  if (SUCCEEDED(co)) CoUninitialize();
}

}  // namespace
}  // namespace tapstart
