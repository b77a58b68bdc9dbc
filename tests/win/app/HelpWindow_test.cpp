// The help window under Wine: pantik.chm beside the program opens in one window titled in the UI language, each
// topic turns that window to its page, and a help window another program holds is only brought forward.
#include <gtest/gtest.h>
#include <windows.h>

#include <htmlhelp.h>

#include <string>
#include <vector>

#include "Driver_win32.h"
#include "app/Help_win32.h"
#include "ui/SystemLibrary_win32.h"

namespace tapstart {
namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The title the help window must carry in the UI language the suite runs in (LC_ALL under Wine).
std::wstring ExpectedTitle() {
  switch (GetThreadUILanguage()) {
    case 1041:
      return L"Tapstart ボタン設定 ヘルプ";
    case 2052:
      return L"Tapstart 按钮设置 帮助";
    default:
      return L"Tapstart Button Settings Help";
  }
}

std::vector<HWND> HelpWindows(DWORD process, const std::wstring& title) {
  std::vector<HWND> out;
  for (HWND w : test::TopLevelWindows(L"HH Parent", process)) {
    if (test::TextOf(w) == title) out.push_back(w);
  }
  return out;
}

class HelpWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(GetFileAttributesW((test::BinDir() + L"pantik.chm").c_str()), INVALID_FILE_ATTRIBUTES)
        << "pantik.chm is built beside the programs";
  }
  void TearDown() override {
    if (const auto htmlHelp = SystemFunction<HtmlHelpFunction>(L"hhctrl.ocx", "HtmlHelpW"))
      htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
  }
};

TEST_F(HelpWindow, OpensOnceTitledInTheUiLanguageWhateverTheTopic) {
  const std::wstring title = ExpectedTitle();
  OpenHelp(HelpTopic::MainWindow);
  const std::vector<HWND> first = HelpWindows(GetCurrentProcessId(), title);
  ASSERT_EQ(first.size(), 1u) << "no help window titled as the UI language asks";
  EXPECT_TRUE(IsWindowVisible(first[0]));
  for (HelpTopic topic : {HelpTopic::Registration, HelpTopic::Wizard, HelpTopic::InputBox}) {
    OpenHelp(topic);
    EXPECT_EQ(HelpWindows(GetCurrentProcessId(), title), first) << static_cast<int>(topic);
  }
  EXPECT_EQ(test::TopLevelWindows(L"HH Parent", GetCurrentProcessId()).size(), 1u);
}

TEST_F(HelpWindow, OneThatAnotherProgramHoldsIsOnlyBroughtForward) {
  // The help viewer opened on the file itself takes the file's own window type, which carries the English title.
  if (ExpectedTitle() != L"Tapstart Button Settings Help") GTEST_SKIP() << "the viewer's title is English";
  test::Started viewer = test::Start(test::WindowsDir() + L"\\hh.exe", L"\"" + test::BinDir() + L"pantik.chm\"");
  ASSERT_NE(test::WaitForVisibleWindow(L"HH Parent", ExpectedTitle(), viewer.pid), nullptr);
  OpenHelp(HelpTopic::Registration);
  EXPECT_TRUE(test::TopLevelWindows(L"HH Parent", GetCurrentProcessId()).empty());
  EXPECT_EQ(HelpWindows(viewer.pid, ExpectedTitle()).size(), 1u);
  TerminateProcess(viewer.process.Get(), 0);
  test::WaitExit(viewer, 5000);
}

}  // namespace
}  // namespace tapstart
