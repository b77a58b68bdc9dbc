// The settings program run whole on a machine that keeps its settings in the profile file ("ZEBINI" 1).
#include <gtest/gtest.h>

#include "Driver_win32.h"
#include "res/resource.h"

namespace tapstart::test {
namespace {

constexpr wchar_t kEnglishTitle[] = L"Tapstart Button Settings";

std::wstring Profile() { return WindowsDir() + L"\\VARDENZEB.INI"; }

std::wstring ProfileText(const wchar_t* section, const wchar_t* key) {
  wchar_t text[256] = {};
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, L"VARDENZEB.INI");
  GetPrivateProfileStringW(section, key, L"(none)", text, 256, Profile().c_str());
  return text;
}

class ProfileMachineTest : public testing::Test {
 protected:
  void SetUp() override {
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBINI", 1);
  }
  void TearDown() override { ClearStore(); }
};

// With "ZEBINI" 1 the keyboard type comes from the profile file, before the machine value is looked at.
TEST_F(ProfileMachineTest, KeyboardTypeComesFromTheProfileFile) {
  struct Case {
    const wchar_t* fileType;  // nullptr: no such key
    DWORD machineType;
    bool opens;
  };
  for (const Case& c : {Case{L"3", 0, true}, Case{L"0", 3, true}, Case{L" 0", 0, false}, Case{nullptr, 3, true},
                        Case{L"0", 0, false}}) {
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBINI", 1);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", c.machineType);
    if (c.fileType != nullptr) WritePrivateProfileStringW(L"VARDENZEB", L"ZebKeyboard", c.fileType, Profile().c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, L"VARDENZEB.INI");
    SCOPED_TRACE(std::wstring(c.fileType ? c.fileType : L"-").size() * 100 + c.machineType);
    Started pantik = Start(BinDir() + L"Pantik.exe", L"/k");
    HWND main = c.opens ? WaitForVisibleWindow(L"ThunderRT6FormDC", kEnglishTitle, pantik.pid) : nullptr;
    EXPECT_EQ(main != nullptr, c.opens);
    if (main != nullptr) PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(pantik), 0u);
  }
}

// Apply writes the set into the profile file and leaves the user tree alone. The file is a UTF-16 one, as the
// program starts it, so names in every script come back.
TEST_F(ProfileMachineTest, ApplySavesIntoTheProfileFile) {
  {
    FileHandle h(
        CreateFileW(Profile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(h.Valid());
    const unsigned char bom[2] = {0xFF, 0xFE};
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(h.Get(), bom, sizeof bom, &written, nullptr));
  }
  WritePrivateProfileStringW(L"VARDENZEB", L"ZebKeyboard", L"3", Profile().c_str());
  Started pantik = Start(BinDir() + L"Pantik.exe", L"/k");
  HWND main = WaitForVisibleWindow(L"ThunderRT6FormDC", kEnglishTitle, pantik.pid);
  ASSERT_NE(main, nullptr);
  HWND edit = FindDescendant(main, IDC_DT_EDIT2, true);
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"メール 邮件"));
  ClickButton(main, IDC_MAIN_APPLY);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(pantik), 0u);

  EXPECT_EQ(ProfileText(L"USER1", L"Btn2_Name"), L"メール 邮件");
  DWORD type = 0;
  std::vector<BYTE> data;
  EXPECT_FALSE(
      ReadRaw(HKEY_CURRENT_USER, std::wstring(kProduct) + L"\\Setting\\Set1\\AppKey2", L"DispTitle", type, data));
}

}  // namespace
}  // namespace tapstart::test
