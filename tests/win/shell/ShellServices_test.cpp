// The shell services against the real system: drives, a real folder, the shell's icons, Internet shortcuts
// and a data file beside the program.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "Driver_win32.h"
#include "registration/DatFile_win32.h"
#include "registration/SetApSystem_win32.h"
#include "shell/CSystemDrive.h"
#include "shell/DiskFileSystem_win32.h"
#include "shell/FolderListing.h"
#include "shell/IconCache_win32.h"
#include "shell/InternetShortcut_win32.h"

namespace tapstart {
namespace {

std::u16string U(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary);
  out << bytes;
}

std::string Utf16(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

std::vector<std::u16string> Sorted(std::vector<std::u16string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

TEST(ShellServicesTest, SystemDrive_ListsThePresentDrivesOfOfferedTypes) {
  const DiskFileSystem fs;
  CSystemDrive drives;
  ASSERT_GT(drives.Refresh(fs), 0);
  const DWORD present = GetLogicalDrives();
  bool sawC = false;
  for (const auto& d : drives.Drives()) {
    ASSERT_EQ(d.drive.size(), 2u);
    const wchar_t root[] = {static_cast<wchar_t>(d.drive[0]), L':', L'\\', 0};
    EXPECT_TRUE(present & (1u << (d.drive[0] - u'a'))) << static_cast<char>(d.drive[0]);
    const UINT type = GetDriveTypeW(root);
    EXPECT_TRUE(type == DRIVE_REMOVABLE || type == DRIVE_FIXED || type == DRIVE_CDROM) << type;
    sawC = sawC || d.drive == u"c:";
  }
  EXPECT_TRUE(sawC);
}

class RealFolderTest : public testing::Test {
 protected:
  void SetUp() override { dir_ = test::MakeTempDir(L"tapstart-listing"); }
  void TearDown() override { test::RemoveTree(dir_); }
  std::wstring dir_;
};

TEST_F(RealFolderTest, FolderListing_SkipsHiddenEntriesAndTheRecycledFolder) {
  WriteBytes(dir_ + L"\\b.txt", "b");
  WriteBytes(dir_ + L"\\h.txt", "h");
  ASSERT_TRUE(SetFileAttributesW((dir_ + L"\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(GetFileAttributesW((dir_ + L"\\h.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
  for (const wchar_t* f : {L"\\RECYCLED", L"\\Sub", L"\\Sub\\Inner", L"\\Plain", L"\\Plain\\RECYCLED"})
    ASSERT_TRUE(CreateDirectoryW((dir_ + f).c_str(), nullptr));
  const DiskFileSystem fs;
  FolderListing listing(fs);
  ASSERT_TRUE(listing.Scan(U(dir_) + u"\\"));
  EXPECT_EQ(listing.Files().Texts(), std::vector<std::u16string>{u"b.txt"});
  const std::vector<std::u16string> folders = listing.Folders().Texts();
  EXPECT_EQ(Sorted(folders), (std::vector<std::u16string>{u"Plain", u"Sub"}));
  for (size_t i = 0; i < folders.size(); ++i) EXPECT_EQ(listing.SubfolderFlags()[i], folders[i] == u"Sub" ? 1 : 0) << i;
  EXPECT_FALSE(listing.Scan(U(dir_) + u"\\b.txt"));
}

TEST_F(RealFolderTest, IconCache_AddsOneImagePerIcon) {
  WriteBytes(dir_ + L"\\one.txt", "1");
  WriteBytes(dir_ + L"\\two.txt", "2");
  WriteBytes(dir_ + L"\\Site.url", "[InternetShortcut]\r\nURL=https://example.com/\r\n");
  IconCache cache(ImageList(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4)));
  ASSERT_NE(cache.Handle(), nullptr);
  const int first = cache.Add(dir_ + L"\\one.txt", 0);
  ASSERT_GE(first, 0);
  EXPECT_EQ(cache.Add(dir_ + L"\\two.txt", 0), first) << "a second file of the same type";
  EXPECT_EQ(ImageList_GetImageCount(cache.Handle()), 1);
  const int site = cache.Add(dir_ + L"\\Site.url", kFavoritesIconMode);
  ASSERT_GE(site, 0);
  EXPECT_EQ(cache.Add(dir_ + L"\\Site.url", kFavoritesIconMode), site);
  EXPECT_EQ(ImageList_GetImageCount(cache.Handle()), site == first ? 1 : 2);
}

TEST_F(RealFolderTest, ResolveInternetShortcut_ReadsTheAddressOrGivesThePathBack) {
  CoInitialize(nullptr);
  const std::wstring site = dir_ + L"\\Site.url";
  const std::wstring empty = dir_ + L"\\Empty.url";
  WriteBytes(site, "[InternetShortcut]\r\nURL=https://example.com/page\r\n");
  WriteBytes(empty, "[InternetShortcut]\r\n");
  EXPECT_EQ(ResolveInternetShortcut(site), L"https://example.com/page");
  EXPECT_EQ(ResolveInternetShortcut(empty), empty);
  EXPECT_EQ(ResolveInternetShortcut(dir_ + L"\\Missing.url"), dir_ + L"\\Missing.url");
  const SetApSystem system;
  EXPECT_EQ(system.InternetShortcutUrl(U(site)), u"https://example.com/page");
  EXPECT_TRUE(system.FolderOrUnknown(U(dir_)));
  EXPECT_TRUE(system.FolderOrUnknown(U(dir_ + L"\\Missing.url")));
  EXPECT_FALSE(system.FolderOrUnknown(U(site)));
  CoUninitialize();
}

class DatFileBesideProgramTest : public testing::Test {
 protected:
  void TearDown() override {
    DeleteFileW((test::BinDir() + L"TESTREAD.DAT").c_str());
    DeleteFileW((test::BinDir() + L"TESTHUGE.DAT").c_str());
    RemoveDirectoryW((test::BinDir() + L"TESTDIR.DAT").c_str());
  }
};

TEST_F(DatFileBesideProgramTest, ReadDatFile_ReadsTheFileInTheProgramsFolder) {
  WriteBytes(test::BinDir() + L"TESTREAD.DAT", Utf16(u"\"a\",\"b\",\"c\"\r\n\"d\",\"e\""));
  EXPECT_EQ(ReadDatFile(u"TESTREAD.DAT"), (std::vector<DAT_FILE_DATA>{{u"a", u"b", u"c"}}));
  EXPECT_TRUE(ReadDatFile(u"TESTMISSING.DAT").empty());
  ASSERT_TRUE(CreateDirectoryW((test::BinDir() + L"TESTDIR.DAT").c_str(), nullptr));
  EXPECT_TRUE(ReadDatFile(u"TESTDIR.DAT").empty());
  std::string huge = Utf16(u"\"a\",\"b\",\"c\"");
  huge.resize(16 * 1024 * 1024 + 2, ' ');
  WriteBytes(test::BinDir() + L"TESTHUGE.DAT", huge);
  EXPECT_TRUE(ReadDatFile(u"TESTHUGE.DAT").empty()) << "above 16 MiB";
  // The data files the build puts beside the programs.
  EXPECT_FALSE(ReadDatFile(u"ZEBMCMNU.DAT").empty());
}

}  // namespace
}  // namespace tapstart
