// The program source trees without a tree control: item paths, the Start Menu merge, Favorites, drives and
// the IME changer rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "native/shell/MemoryFileSystem.h"
#include "native/shell/TestSorter.h"
#include "registration/PathPool.h"
#include "registration/SourceTree.h"
#include "registration/TreeRules.h"
#include "store/Text.h"

namespace tapstart {
namespace {

using test::MemoryFileSystem;

TEST(PathPoolTest, Add_ContinuesTheBasePathWithOneSeparator) {
  PathPool pool;
  const auto drive = pool.Add(PathPool::kNone, u"c:\\");
  const auto folder = pool.Add(drive, u"Program Files");
  const auto file = pool.Add(folder, u"app.exe");
  const auto empty = pool.Add(PathPool::kNone, u"");
  const auto underEmpty = pool.Add(empty, u"name");
  EXPECT_EQ(pool.Path(drive), u"c:\\");
  EXPECT_EQ(pool.Path(folder), u"c:\\Program Files");
  EXPECT_EQ(pool.Path(file), u"c:\\Program Files\\app.exe");
  EXPECT_EQ(pool.Path(underEmpty), u"name");
  EXPECT_EQ(pool.Path(pool.Add(PathPool::kNone, u"スタート メニュー")), u"スタート メニュー");
}

TEST(PathPoolTest, Add_MovesOnToADoubledChunkAndKeepsEveryEarlierPath) {
  PathPool pool(64);
  std::vector<std::pair<PathPool::Id, std::u16string>> added;
  const auto root = pool.Add(PathPool::kNone, u"C:\\root");
  for (int i = 0; i < 300; ++i) {
    const std::u16string name = u"file" + DecimalText(i) + u".txt";
    added.emplace_back(pool.Add(root, name), u"C:\\root\\" + name);
  }
  // A path longer than the space left, and longer than the first chunk itself.
  const std::u16string longName(200, u'x');
  added.emplace_back(pool.Add(root, longName), u"C:\\root\\" + longName);
  EXPECT_GT(pool.Chunks(), 4u);
  for (const auto& [id, path] : added) ASSERT_EQ(pool.Path(id), path);
}

TEST(TreeRulesTest, CounterpartFolder_FindsTheOtherStartMenu) {
  const StartMenuFolders merged = MakeStartMenuFolders(u"C:\\Users\\ann\\Start Menu\\", u"C:\\ProgramData\\Start Menu");
  const StartMenuFolders userOnly = MakeStartMenuFolders(u"C:\\Users\\ann\\Start Menu", u"");
  struct Case {
    const StartMenuFolders* folders;
    std::u16string path;
    std::u16string logon;
    std::u16string expected;
  };
  const Case cases[] = {
      {&merged, u"C:\\Users\\ann\\Start Menu", u"ann", u"C:\\ProgramData\\Start Menu"},
      {&merged, u"C:\\Users\\ann\\Start Menu\\Programs\\Tools", u"ann",
       u"C:\\ProgramData\\Start Menu\\Programs\\Tools"},
      {&merged, u"D:\\Elsewhere\\Programs", u"ann", u"D:\\Elsewhere\\Programs"},
      // Without the merge the logon name's first occurrence becomes "All Users".
      {&userOnly, u"C:\\Documents and Settings\\ann\\Start Menu\\ann", u"ann",
       u"C:\\Documents and Settings\\All Users\\Start Menu\\ann"},
      {&userOnly, u"C:\\Profiles\\Start Menu", u"ann", u"C:\\Profiles\\Start Menu"},
      {&userOnly, u"C:\\Profiles\\Start Menu", u"", u"C:\\Profiles\\Start Menu"},
  };
  for (const Case& c : cases) EXPECT_EQ(CounterpartFolder(c.path, *c.folders, c.logon), c.expected) << ToUtf8(c.path);
  EXPECT_TRUE(merged.merge);
  EXPECT_EQ(merged.user, u"C:\\Users\\ann\\Start Menu");
  EXPECT_FALSE(userOnly.merge);
}

TEST(TreeRulesTest, ItemTextsAndPathComparison) {
  EXPECT_EQ(DriveItemText(u"c:", u""), u"c:");
  EXPECT_EQ(DriveItemText(u"d:", u"Backup"), u"d:[Backup]");
  EXPECT_EQ(DriveItemPath(u"c:"), u"c:\\");
  EXPECT_EQ(ChildPath(u"c:\\", u"Windows"), u"c:\\Windows");
  for (const char16_t* name : {u"News.url", u"News.URL"}) EXPECT_EQ(FavoriteText(name), u"News");
  EXPECT_EQ(FavoriteText(u"Notes.txt"), u"Notes.txt");
  EXPECT_TRUE(SamePath(u"C:\\IME\\Chg.exe", u"c:\\ime\\CHG.EXE"));
  EXPECT_FALSE(SamePath(u"C:\\IME\\Chg.exe", u"C:\\IME\\Chg.ex"));
  EXPECT_TRUE(SameFolder(u"C:\\IME\\", u"c:\\ime"));
}

// Inserted children as "text|path|folder flag".
struct Recorder {
  const SourceTree* tree;
  std::vector<std::u16string> items;
  AddTreeChild Add() {
    return [this](const TreeChild& c) {
      items.push_back(std::u16string(c.text) + u"|" + tree->Path(c.path) + (c.folder ? u"|+" : u"|-"));
    };
  }
};

class SourceTreeTest : public testing::Test {
 protected:
  SourceTreeTest() { fs.AddDrive(u'c', kDriveFixed); }
  MemoryFileSystem fs;
  test::FoldingSorter sorter;
};

TEST_F(SourceTreeTest, StartMenu_MergesBothFoldersInFourSortedGroups) {
  const std::u16string user = u"c:\\Users\\ann\\Start Menu";
  const std::u16string common = u"c:\\ProgramData\\Start Menu";
  for (const char16_t* f : {u"\\Apps", u"\\Shared", u"\\zeta"}) fs.AddFolder(user + f);
  for (const char16_t* f : {u"\\Games", u"\\Shared", u"\\shared-too"}) fs.AddFolder(common + f);
  for (const char16_t* f : {u"\\b.lnk", u"\\Same.lnk"}) fs.AddFile(user + f);
  for (const char16_t* f : {u"\\a.lnk", u"\\Same.lnk", u"\\same.LNK"}) fs.AddFile(common + f);
  SourceTree tree(TreeKind::StartMenu, fs, sorter);
  const TreeEntry root = tree.FolderRoot(user + u"\\", u"Start Menu");
  EXPECT_EQ(root.text, u"Start Menu");
  EXPECT_EQ(tree.Path(root.path), user);
  Recorder r{&tree, {}};
  ASSERT_TRUE(tree.ExpandStartMenuFolder(root.path, MakeStartMenuFolders(user, common), u"ann", r.Add()));
  // Shared is in both: one node, the user's. Names equal only without regard to case stay apart.
  const std::vector<std::u16string> expected = {
      u"Games|" + common + u"\\Games|+",       u"shared-too|" + common + u"\\shared-too|+",
      u"Apps|" + user + u"\\Apps|+",           u"Shared|" + user + u"\\Shared|+",
      u"zeta|" + user + u"\\zeta|+",           u"a.lnk|" + common + u"\\a.lnk|-",
      u"same.LNK|" + common + u"\\same.LNK|-", u"b.lnk|" + user + u"\\b.lnk|-",
      u"Same.lnk|" + user + u"\\Same.lnk|-",
  };
  EXPECT_EQ(r.items, expected);
  // Nothing on either side: no children, no expand button.
  fs.AddFolder(user + u"\\Empty");
  const TreeEntry empty = tree.FolderRoot(user + u"\\Empty", u"");
  EXPECT_EQ(empty.text, user + u"\\Empty") << "an empty root name shows the folder";
  EXPECT_FALSE(tree.ExpandStartMenuFolder(empty.path, MakeStartMenuFolders(user, common), u"ann", r.Add()));
}

TEST_F(SourceTreeTest, Favorites_ShowsInternetShortcutsWithoutTheirExtension) {
  fs.AddFolder(u"c:\\Fav\\Links");
  fs.AddFile(u"c:\\Fav\\News.url");
  fs.AddFile(u"c:\\Fav\\readme.txt");
  fs.AddFile(u"c:\\Fav\\Bank.URL");
  SourceTree tree(TreeKind::Favorites, fs, sorter);
  const TreeEntry root = tree.FolderRoot(u"c:\\Fav\\", u"IE Favorites");
  Recorder r{&tree, {}};
  ASSERT_TRUE(tree.ExpandFavoritesFolder(root.path, r.Add()));
  EXPECT_EQ(r.items, (std::vector<std::u16string>{u"Links|c:\\Fav\\Links|+", u"Bank|c:\\Fav\\Bank.URL|-",
                                                  u"News|c:\\Fav\\News.url|-", u"readme.txt|c:\\Fav\\readme.txt|-"}));
  Recorder empty{&tree, {}};
  EXPECT_FALSE(tree.ExpandFavoritesFolder(tree.FolderRoot(u"c:\\Fav\\Links", u"").path, empty.Add()));
}

TEST_F(SourceTreeTest, AllFiles_DrivesAndTheirFolders) {
  fs.AddDrive(u'd', kDriveCdRom, u"Disc");
  fs.AddFolder(u"c:\\Windows");
  fs.AddFile(u"c:\\boot.ini");
  CSystemDrive drives;
  drives.Refresh(fs);
  SourceTree tree(TreeKind::AllFiles, fs, sorter);
  const TreeEntry root = tree.ComputerRoot(u"This PC");
  EXPECT_EQ(tree.Path(root.path), u"This PC");
  const std::vector<TreeEntry> items = tree.DriveItems(drives);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, u"c:");
  EXPECT_EQ(items[1].text, u"d:[Disc]");
  EXPECT_EQ(tree.Path(items[1].path), u"d:\\");
  Recorder r{&tree, {}};
  ASSERT_TRUE(tree.ExpandDriveFolder(items[0].path, {}, r.Add()));
  EXPECT_EQ(r.items, (std::vector<std::u16string>{u"Windows|c:\\Windows|+", u"boot.ini|c:\\boot.ini|-"}));
  Recorder none{&tree, {}};
  EXPECT_FALSE(tree.ExpandDriveFolder(items[1].path, {}, none.Add())) << "an empty disc";
}

// The IME changer in c:\IME (alone) and c:\Tools (with another program).
struct ChangerCase {
  const char16_t* changer;
  bool severalPrograms;
  const char16_t* folder;
  bool expands;
  std::vector<std::u16string> children;
};

TEST_F(SourceTreeTest, AllFiles_LeavesTheChangerOutWhileSeveralProgramsAreGathered) {
  fs.AddFile(u"c:\\IME\\IMECHG.EXE");
  fs.AddFile(u"c:\\Tools\\imechg.exe");
  fs.AddFile(u"c:\\Tools\\other.exe");
  const ChangerCase cases[] = {
      {u"C:\\IME\\imechg.exe", true, u"c:\\IME", false, {}},
      {u"C:\\IME\\imechg.exe", false, u"c:\\IME", true, {u"IMECHG.EXE|c:\\IME\\IMECHG.EXE|-"}},
      {u"C:\\Tools\\IMECHG.exe", true, u"c:\\Tools", true, {u"other.exe|c:\\Tools\\other.exe|-"}},
      {u"C:\\Tools\\IMECHG.exe",
       false,
       u"c:\\Tools",
       true,
       {u"imechg.exe|c:\\Tools\\imechg.exe|-", u"other.exe|c:\\Tools\\other.exe|-"}},
      // A changer that does not exist leaves its folder as it is.
      {u"C:\\IME\\gone.exe", true, u"c:\\IME", true, {u"IMECHG.EXE|c:\\IME\\IMECHG.EXE|-"}},
  };
  for (const ChangerCase& c : cases) {
    SCOPED_TRACE(ToUtf8(c.changer) + (c.severalPrograms ? " several" : " single"));
    SourceTree tree(TreeKind::AllFiles, fs, sorter);
    DriveFolderRules rules;
    rules.changer = {c.changer, DriveAndDirectory(c.changer)};
    rules.severalPrograms = c.severalPrograms;
    Recorder r{&tree, {}};
    EXPECT_EQ(tree.ExpandDriveFolder(tree.FolderRoot(c.folder, u"").path, rules, r.Add()), c.expands);
    EXPECT_EQ(r.items, c.children);
  }
}

}  // namespace
}  // namespace tapstart
