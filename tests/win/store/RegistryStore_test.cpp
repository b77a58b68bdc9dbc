// The registry backend's own duties on the real system: exact byte counts whatever lies after the caller's
// bytes, and a profile file that keeps every script.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "Driver_win32.h"
#include "store/RegistryStore_win32.h"
#include "store/SettingsStore.h"

namespace tapstart {
namespace {

class RegistryStoreTest : public testing::Test {
 protected:
  void SetUp() override { test::ClearStore(); }
  void TearDown() override { test::ClearStore(); }
  RegistryStore backend_;
};

// The system stores a string's terminator too when it finds a zero character just past the byte count. The
// caller's buffer here is followed by zeros in its own allocation; the value must still get its byte count.
TEST_F(RegistryStoreTest, SetValue_StoresTheByteCountEvenWithZerosAfterTheBytes) {
  const std::wstring key = std::wstring(test::kProduct) + L"\\Probe";
  for (const uint32_t type : {uint32_t{kRegSz}, uint32_t{kRegExpandSz}}) {
    for (const size_t size : {size_t{0}, size_t{2}, size_t{5}, size_t{6}, size_t{4094}}) {
      SCOPED_TRACE(std::to_string(type) + " " + std::to_string(size));
      RegValue v{type, std::vector<uint8_t>(size + 2, 0)};
      for (size_t i = 0; i < size; ++i) v.data[i] = static_cast<uint8_t>('a' + i % 26);
      v.data.resize(size);  // the zeros stay in the allocation, just past the value
      ASSERT_TRUE(backend_.SetValue(std::u16string(key.begin(), key.end()), u"Text", v));
      DWORD stored = 0;
      std::vector<BYTE> data;
      ASSERT_TRUE(test::ReadRaw(HKEY_CURRENT_USER, key, L"Text", stored, data));
      EXPECT_EQ(stored, type);
      EXPECT_EQ(data.size(), size);
      EXPECT_TRUE(std::equal(data.begin(), data.end(), v.data.begin(), v.data.end()));
    }
  }
}

std::string FileBytes(const std::wstring& path) {
  FileHandle h(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  std::string bytes;
  if (!h) return bytes;
  char buf[4096];
  DWORD n = 0;
  while (ReadFile(h.Get(), buf, sizeof buf, &n, nullptr) && n > 0) bytes.append(buf, n);
  return bytes;
}

// With "ZEBINI" set, a profile file that does not exist yet is started as UTF-16, so Japanese and Chinese names
// come back as they were written, whatever the ANSI code page.
TEST_F(RegistryStoreTest, ProfileFile_StartsAsUtf16AndKeepsEveryScript) {
  SettingsStore store(backend_);
  store.useIniFile = true;
  const std::u16string names[] = {u"登録してください", u"设置程序", u"Ünïcødé \U00020BB7"};
  for (int i = 0; i < 3; ++i)
    ASSERT_TRUE(store.WriteProfileText(u"USER" + std::u16string(1, u'1' + i), u"UserName", names[i]));

  const std::string bytes = FileBytes(test::WindowsDir() + L"\\VARDENZEB.INI");
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
  const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  for (const auto& name : names) EXPECT_NE(text.find(std::wstring(name.begin(), name.end())), std::wstring::npos);

  // Read back after the system has let go of its copy: from the file itself.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, L"VARDENZEB.INI");
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(store.GetProfileText(u"USER" + std::u16string(1, u'1' + i), u"UserName", u"?"), names[i]);
}

// A profile file that already exists is left in its own encoding.
TEST_F(RegistryStoreTest, ProfileFile_KeepsAnExistingAnsiFile) {
  const std::wstring path = test::WindowsDir() + L"\\VARDENZEB.INI";
  {
    FileHandle h(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(h.Valid());
    const char content[] = "[VARDENZEB]\r\nCurrUser=3\r\n";
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(h.Get(), content, sizeof content - 1, &written, nullptr));
  }
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, L"VARDENZEB.INI");
  SettingsStore store(backend_);
  store.useIniFile = true;
  EXPECT_EQ(store.ReadMainNumber(u"CurrUser"), 3);
  ASSERT_TRUE(store.WriteProfileText(u"VARDENZEB", u"NumUser", u"4"));
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, L"VARDENZEB.INI");
  const std::string bytes = FileBytes(path);
  EXPECT_EQ(bytes.rfind("[VARDENZEB]", 0), 0u) << "no byte-order mark put in front";
  EXPECT_EQ(store.ReadMainNumber(u"NumUser"), 4);
  EXPECT_EQ(store.ReadMainNumber(u"CurrUser"), 3);
}

// Read keys stay open for the store's life; what other programs do to the keys meanwhile must still show: a
// key made after a failed look, a key deleted, and a key deleted and made anew with other values.
TEST_F(RegistryStoreTest, KeptReadKeys_FollowWhatOthersDoToTheKeys) {
  const std::wstring key = std::wstring(test::kProduct) + L"\\Kept";
  const std::u16string key16(key.begin(), key.end());
  const auto number = [&](const wchar_t* name, DWORD n) {
    test::SetRaw(HKEY_CURRENT_USER, key, name, REG_DWORD, &n, sizeof n);
  };
  const auto read = [&](const char16_t* name) -> std::optional<uint32_t> {
    const std::optional<RegValue> v = backend_.QueryValue(Hive::CurrentUser, key16, name, 4096);
    if (!v || v->data.size() != 4) return std::nullopt;
    uint32_t n = 0;
    std::memcpy(&n, v->data.data(), 4);
    return n;
  };
  EXPECT_FALSE(backend_.CanOpenKey(Hive::CurrentUser, key16));
  EXPECT_EQ(read(u"A"), std::nullopt);
  number(L"A", 1);
  EXPECT_TRUE(backend_.CanOpenKey(Hive::CurrentUser, key16));
  EXPECT_EQ(read(u"A"), 1u);
  number(L"A", 2);  // through another handle: the same key
  EXPECT_EQ(read(u"A"), 2u);
  test::DeleteTree(HKEY_CURRENT_USER, key);
  EXPECT_EQ(read(u"A"), std::nullopt);
  EXPECT_FALSE(backend_.CanOpenKey(Hive::CurrentUser, key16));
  number(L"B", 3);
  EXPECT_TRUE(backend_.CanOpenKey(Hive::CurrentUser, key16));
  test::DeleteTree(HKEY_CURRENT_USER, key);
  number(L"A", 4);
  EXPECT_EQ(read(u"A"), 4u);
  EXPECT_EQ(read(u"B"), std::nullopt);
  // Values written through the store itself are read back through the kept handle.
  const uint32_t five = 5;
  RegValue v{kRegDword, std::vector<uint8_t>(4)};
  std::memcpy(v.data.data(), &five, 4);
  ASSERT_TRUE(backend_.SetValue(key16, u"A", v));
  EXPECT_EQ(read(u"A"), 5u);
}

}  // namespace
}  // namespace tapstart
