// The version resource of each program as the system reads it: the product's one version number, and the
// product, description and copyright in each of the three languages the Translation list names.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "Driver_win32.h"

namespace tapstart {
namespace {

// The number in the file VERSION at the top of the source tree, the one place the version is set.
std::wstring SourceVersion() {
  std::ifstream in(std::string("Z:") + TAPSTART_SOURCE_DIR + "/VERSION");
  std::string line;
  std::getline(in, line);
  return std::wstring(line.begin(), line.end());
}

struct VersionResource {
  std::vector<BYTE> data;
  bool ok = false;

  // A string of the block of one language in code page 1200; empty when that block or value is missing.
  std::wstring Text(WORD language, const wchar_t* name) const {
    wchar_t path[96];
    swprintf(path, 96, L"\\StringFileInfo\\%04X04B0\\%ls", language, name);
    void* value = nullptr;
    UINT chars = 0;
    if (!ok || !VerQueryValueW(data.data(), path, &value, &chars) || value == nullptr || chars == 0) return {};
    std::wstring text(static_cast<const wchar_t*>(value), chars);
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
  }
};

VersionResource ReadVersion(const std::wstring& file) {
  VersionResource out;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0) return out;
  out.data.resize(size);
  out.ok = GetFileVersionInfoW(file.c_str(), 0, size, out.data.data()) != FALSE;
  return out;
}

constexpr WORD kEnglish = 0x0409, kJapanese = 0x0411, kChinese = 0x0804;

TEST(VersionInfo, EveryProgramCarriesTheProductVersionInThreeLanguages) {
  const std::wstring version = SourceVersion();
  ASSERT_FALSE(version.empty());
  struct Case {
    const wchar_t* program;
    const wchar_t* english;
    const wchar_t* japanese;
    const wchar_t* chinese;
  };
  for (const Case& c : {
           Case{L"Pantik.exe", L"Tapstart Button Settings", L"Tapstart ボタン設定", L"Tapstart 按钮设置"},
           Case{L"Runvoy.exe", L"Tapstart button launcher", L"Tapstart ボタン ランチャー", L"Tapstart 按钮启动器"},
           Case{L"Register.exe", L"Tapstart button set-up prompt", L"Tapstart ボタン設定の案内",
                L"Tapstart 按钮设置提示"},
       }) {
    SCOPED_TRACE(std::string(c.program, c.program + wcslen(c.program)));
    const VersionResource v = ReadVersion(test::BinDir() + c.program);
    ASSERT_TRUE(v.ok);

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(v.data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    wchar_t numeric[48];
    swprintf(numeric, 48, L"%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
             HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numeric, version);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), 0);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    // Explorer and the installer's uninstall list find the language blocks through this list.
    WORD* translations = nullptr;
    ASSERT_TRUE(
        VerQueryValueW(v.data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &size));
    const std::vector<WORD> listed(translations, translations + size / sizeof(WORD));
    EXPECT_EQ(listed, (std::vector<WORD>{kEnglish, 1200, kJapanese, 1200, kChinese, 1200}));

    struct Block {
      WORD language;
      const wchar_t* description;
      const wchar_t* holder;
    };
    for (const Block& b :
         {Block{kEnglish, c.english, L"Tapstart team"}, Block{kJapanese, c.japanese, L"Tapstart チーム"},
          Block{kChinese, c.chinese, L"Tapstart 团队"}}) {
      SCOPED_TRACE(b.language);
      EXPECT_EQ(v.Text(b.language, L"ProductName"), L"Tapstart");
      EXPECT_EQ(v.Text(b.language, L"FileDescription"), b.description);
      EXPECT_EQ(v.Text(b.language, L"FileVersion"), version);
      EXPECT_EQ(v.Text(b.language, L"ProductVersion"), version);
      EXPECT_EQ(v.Text(b.language, L"OriginalFilename"), c.program);
      EXPECT_EQ(v.Text(b.language, L"LegalCopyright"), std::wstring(L"© 2026 ") + b.holder);
    }
  }
}

}  // namespace
}  // namespace tapstart
