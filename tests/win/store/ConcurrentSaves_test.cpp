// Two programs saving different setting sets at once, as two copies of the settings program may: in the registry
// and in the profile file, both sets come back whole, the file stays UTF-16, and Japanese names stay Japanese.
#include <windows.h>

#include <gtest/gtest.h>

#include "Driver_win32.h"
#include "SaverSet.h"
#include "store/RegistryStore_win32.h"
#include "store/SessionStoreLock_win32.h"
#include "store/SettingsStore.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

TEST(ConcurrentSaves, TwoProgramsSavingAtOnceLoseNothing) {
  const std::u16string first = u"日本語の設定", second = u"Zweite セット";
  for (const bool ini : {false, true}) {
    SCOPED_TRACE(ini ? "profile file" : "registry");
    test::ClearStore();
    test::SetDword(HKEY_LOCAL_MACHINE, test::kProduct, L"ZEBINI", ini ? 1 : 0);
    // Both start before either saves: each saves its set eight times while the other does the same.
    const std::wstring saver = test::BinDir() + L"store_saver.exe";
    test::Started a = test::Start(saver, L"1 \"" + Wide(first) + L"\" 8");
    test::Started b = test::Start(saver, L"2 \"" + Wide(second) + L"\" 8");
    EXPECT_EQ(test::WaitExit(a, 120000), 0u);
    EXPECT_EQ(test::WaitExit(b, 120000), 0u);

    if (ini) {
      const std::string bytes = test::ReadFileBytes(test::WindowsDir() + L"\\VARDENZEB.INI");
      ASSERT_GE(bytes.size(), 2u);
      EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE")) << "the profile file is no longer UTF-16";
      WritePrivateProfileStringW(nullptr, nullptr, nullptr, L"VARDENZEB.INI");  // read the file as it is now
    }
    RegistryStore backend;
    SessionStoreLock lock;
    SettingsStore store(backend, lock);
    store.useIniFile = ini;
    store.recordsInUse = test::kSaverRecords;
    for (const auto& [number, name] : {std::pair{1, first}, std::pair{2, second}}) {
      USER_DATA loaded;
      store.LoadUserData(number, loaded);
      EXPECT_EQ(loaded, test::SaverSet(name)) << "set " << number;
    }
  }
  test::ClearStore();
}

}  // namespace
}  // namespace tapstart
