// The drive list, the folder listing and the icon cache's keys against an in-memory file system.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "native/shell/MemoryFileSystem.h"
#include "shell/CSystemDrive.h"
#include "shell/FolderListing.h"
#include "shell/IconKeys.h"
#include "store/Text.h"

namespace tapstart {
namespace {

using test::MemoryFileSystem;
using Names = std::vector<std::u16string>;

TEST(SystemDriveTest, Refresh_KeepsRemovableFixedAndCdRomDrivesInLetterOrder) {
  MemoryFileSystem fs;
  fs.AddDrive(u'z', 4, u"share");  // network
  fs.AddDrive(u'd', kDriveCdRom);  // no disc: the label cannot be read
  fs.AddDrive(u'a', kDriveRemovable, u"");
  fs.AddDrive(u'c', kDriveFixed, u"System");
  fs.AddDrive(u'r', 6, u"ram");  // RAM disk
  CSystemDrive drives;
  for (int refresh = 0; refresh < 2; ++refresh) {  // a second refresh rebuilds the list
    EXPECT_EQ(drives.Refresh(fs), 3);
    EXPECT_EQ(drives.Drives(),
              (std::vector<CSystemDrive::DRIVE_STATUS>{{u"a:", u""}, {u"c:", u"System"}, {u"d:", u""}}));
  }
}

class FolderListingTest : public testing::Test {
 protected:
  FolderListingTest() {
    fs.AddDrive(u'c', kDriveFixed);
    fs.AddFile(u"c:\\f\\b.txt");
    fs.AddFile(u"c:\\f\\hidden.txt", kAttrArchive | kAttrHidden);
    fs.AddFile(u"c:\\f\\system.dat", kAttrSystem);
    fs.AddFolder(u"c:\\f\\Deep\\Inner");
    fs.AddFile(u"c:\\f\\Flat\\only-a-file.txt");
    fs.AddFolder(u"c:\\f\\RECYCLED");
    fs.AddFolder(u"c:\\f\\$Recycle.Bin", kAttrDirectory | kAttrHidden | kAttrSystem);
    fs.AddFolder(u"c:\\f\\Bin\\RECYCLED");
    fs.AddFolder(u"c:\\f\\Veiled\\secret", kAttrDirectory | kAttrHidden);
    fs.AddFolder(u"c:\\f\\Old\\Recycled");  // only the name in capitals is the recycle bin
  }
  MemoryFileSystem fs;
};

TEST_F(FolderListingTest, Scan_ListsVisibleEntriesWithAFilterAttribute) {
  struct Case {
    uint32_t filter;
    Names files, folders;
    std::vector<uint8_t> subfolderFlags;
  };
  const Case cases[] = {
      {FolderListing::kAnyAttribute,
       {u"b.txt", u"system.dat"},
       {u"Deep", u"Flat", u"Bin", u"Veiled", u"Old"},
       {1, 0, 0, 0, 1}},
      {kAttrDirectory, {}, {u"Deep", u"Flat", u"Bin", u"Veiled", u"Old"}, {1, 0, 0, 0, 1}},
      {kAttrSystem, {u"system.dat"}, {}, {}},
  };
  for (const Case& c : cases) {
    FolderListing listing(fs);
    listing.filter = c.filter;
    ASSERT_TRUE(listing.Scan(u"c:\\f"));
    EXPECT_EQ(listing.Files().Texts(), c.files) << c.filter;
    EXPECT_EQ(listing.Folders().Texts(), c.folders) << c.filter;
    EXPECT_EQ(listing.SubfolderFlags(), c.subfolderFlags) << c.filter;
  }
  EXPECT_EQ(fs.searches.front().pattern, u"c:\\f\\*.*");
}

TEST_F(FolderListingTest, Scan_OfWhatIsNoFolderListsNothing) {
  FolderListing listing(fs);
  ASSERT_TRUE(listing.Scan(u"c:\\f"));
  EXPECT_FALSE(listing.Scan(u"c:\\f\\b.txt"));
  EXPECT_TRUE(listing.Empty()) << "the last listing is forgotten";
  EXPECT_FALSE(listing.Scan(u"c:\\missing"));
}

TEST_F(FolderListingTest, Scan_OfADriveRootSearchesWithOneSeparator) {
  FolderListing listing(fs);
  listing.markSubfolders = false;
  ASSERT_TRUE(listing.Scan(u"c:\\"));
  EXPECT_EQ(listing.Folders().Texts(), Names{u"f"});
  ASSERT_EQ(fs.searches.size(), 1u) << "no search for subfolders when they are not asked for";
  EXPECT_EQ(fs.searches[0].pattern, u"c:\\*.*");
}

TEST_F(FolderListingTest, HasSubfolder_CountsOnlyFoldersScanWouldListAndStopsAtTheFirst) {
  struct Case {
    const char16_t* folder;
    bool expected;
  };
  const Case cases[] = {{u"c:\\f\\Deep\\", true}, {u"c:\\f\\Old", true},     {u"c:\\f\\Flat", false},
                        {u"c:\\f\\Bin", false},   {u"c:\\f\\Veiled", false}, {u"c:\\f\\b.txt", false},
                        {u"c:\\nowhere", false}};
  FolderListing listing(fs);
  for (const Case& c : cases) EXPECT_EQ(listing.HasSubfolder(c.folder), c.expected) << ToUtf8(c.folder);
  fs.searches.clear();
  ASSERT_TRUE(listing.HasSubfolder(u"c:\\f"));
  EXPECT_TRUE(fs.searches[0].foldersOnly);
  EXPECT_EQ(fs.searches[0].reported, 6u) << "\".\", \"..\", three files, then Deep: nothing after it";
}

TEST(IconKeysTest, ChooseIcon_AndEachKeyOnce) {
  struct Case {
    int32_t index;
    int mode;
    bool shortcutType;
    IconChoice expected;
  };
  const Case cases[] = {
      {0, kFavoritesIconMode, true, {kInternetShortcutIconKey, IconSource::UrlDllFirstIcon}},
      {0, kFavoritesIconMode, false, {0, IconSource::SystemImageList}},
      {0, 0, true, {0, IconSource::Shell32FirstIcon}},
      {42, kFavoritesIconMode, true, {42, IconSource::SystemImageList}},
      {42, 0, false, {42, IconSource::SystemImageList}},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseIcon(c.index, c.mode, c.shortcutType), c.expected) << c.index;
  IconKeys keys;
  EXPECT_EQ(keys.Add(5), 0);
  EXPECT_EQ(keys.Add(kInternetShortcutIconKey), 1);
  EXPECT_EQ(keys.Find(5), 0);  // a second file of the same type finds the first one's image
  EXPECT_FALSE(keys.Find(0));
  EXPECT_EQ(SystemLibraryPath(u"D:\\Win\\System32", u"url.dll"), u"D:\\Win\\System32\\url.dll");
  EXPECT_EQ(SystemLibraryPath(u"D:\\Win\\System32\\", u"url.dll"), u"D:\\Win\\System32\\url.dll");
}

TEST(IconKeysTest, SharedIconKind_OnlyForPathsWhoseKindDecidesTheIcon) {
  struct Case {
    const char16_t* path;
    std::optional<uint32_t> attributes;
    std::optional<std::u16string> expected;
  };
  const Case cases[] = {
      {u"c:\\f\\Report.TXT", kAttrArchive, u".txt"},
      {u"c:\\f\\notes.txt", kAttrNormal, u".txt"},
      {u"c:\\f\\archive.tar.GZ", kAttrArchive, u".gz"},
      {u"c:\\f\\README", kAttrArchive, u"."},
      {u"c:\\f.d\\README", kAttrArchive, u"."},
      {u"c:\\f\\Sub", kAttrDirectory, u"\\"},
      {u"c:\\f\\Custom", kAttrDirectory | kAttrReadOnly, std::nullopt},
      {u"c:\\f\\Fonts", kAttrDirectory | kAttrSystem, std::nullopt},
      {u"c:\\", kAttrDirectory, std::nullopt},
      {u"c:", kAttrDirectory, std::nullopt},
      {u"c:\\f\\tool.EXE", kAttrArchive, std::nullopt},
      {u"c:\\f\\Notepad.lnk", kAttrArchive, std::nullopt},
      {u"c:\\f\\News.url", kAttrArchive, std::nullopt},
      {u"c:\\f\\app.ico", kAttrArchive, std::nullopt},
      {u"c:\\f\\gone.txt", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(SharedIconKind(c.path, c.attributes), c.expected) << ToUtf8(c.path);
}

}  // namespace
}  // namespace tapstart
