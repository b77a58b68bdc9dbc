// The wizard's step machine, driven through walks: each move checks the page shown, the sheet's buttons,
// the own Finish button and the record built so far.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "store/Text.h"
#include "wizard/WizardModel.h"

namespace tapstart {
namespace {

// Looks a key up in a map, or gives the fallback.
template <typename Map, typename Key, typename Value>
Value Find(const Map& map, const Key& key, Value fallback) {
  const auto it = map.find(key);
  return it == map.end() ? fallback : Value(it->second);
}

// The file system and the sheet's source controls as the wizard sees them.
class FakeSystem final : public WizardSystem {
 public:
  bool IsDirectory(std::u16string_view path) const override { return folders.count(std::u16string(path)) != 0; }
  std::u16string ReadShortcutUrl(std::u16string_view path) const override {
    return Find(urls, std::u16string(path), std::u16string());
  }
  std::optional<TreeSelection> SelectedTreeItem(int source) const override {
    return Find(trees, source, std::optional<TreeSelection>());
  }
  int SelectedListLine(int source) const override { return Find(lines, source, -1); }

  std::set<std::u16string> folders{u"S:\\Games", u"S:\\Tools.v2"};
  std::map<std::u16string, std::u16string> urls{{u"F:\\Example.url", u"http://example.com/"}};
  std::map<int, TreeSelection> trees;
  std::map<int, int> lines{{kSourceMediaCenter, 0}, {kSourceShortcutKey, 0}};  // lists start on their first line
};

// The root item's text of the trees of sources 0, 2 and 3.
const char16_t* const kRoots[] = {u"Start Menu", u"", u"IE Favorites", u"My Computer"};

// Every source offered, in the Japanese UI.
WizardSetup FullSetup() {
  WizardSetup s;
  s.japaneseUi = true;
  s.sources = {.mcMenu = 1, .ieMenu = 1, .ime = 1};
  s.mediaCenter = {{u"Recorded TV", u"TV", u"mc.exe /tv"}, {u"Music", u"Tunes", u"mc.exe /music"}};
  s.shortcutNames = {u"Copy", u"Paste"};
  s.shortcutCommands = {u"^c", u"^v"};
  s.imeEntries = {{u"IME Changer", u"IME", u"C:\\IME\\chg.exe"}};
  s.myComputerName = u"My Computer";
  s.favoritesRoot = u"IE Favorites";
  return s;
}

// The record as one line: code, count, <name>, then every slot that holds anything, stale or not.
std::string Summary(const APPKEY_DATA& r) {
  std::string text = ToUtf8(r.code) + " " + std::to_string(r.count) + " <" + ToUtf8(r.name) + ">";
  for (int k = 0; k < kProgramsPerButton; ++k) {
    if (r.command[k].empty() && r.parameters[k].empty() && r.title[k].empty()) continue;
    text += " | " + std::to_string(k + 1) + ":" + ToUtf8(r.command[k]);
    if (!r.parameters[k].empty()) text += " (" + ToUtf8(r.parameters[k]) + ")";
    if (!r.title[k].empty()) text += " [" + ToUtf8(r.title[k]) + "]";
  }
  return text;
}

// Next's argument may carry the choice made on the page first: "b1" button 1, "m1" method 1, "s2" source 2.
enum class Do { Start, Next, Back, Own, Several, Pick, Line, Name, Cancel, Answer, Close };
using St = WizardStep;
constexpr Do Next = Do::Next, Back = Do::Back;
constexpr OwnFinishButton H = OwnFinishButton::Hidden, D = OwnFinishButton::Disabled, E = OwnFinishButton::Enabled;

struct Move {
  Do what;
  const char* arg;  // Next: a choice; a source, line or answer (1 yes); Pick: the item's path; Name: the text
  St step;
  int buttons;
  OwnFinishButton own;
  std::string record;  // Summary() of the record; "=" as on the row before
  WizardEnd end = WizardEnd::None;
};

struct Walk {
  const char* name;
  bool wizardOnly;
  bool fromSourcePage;  // starts with Start, Next, Next unchecked: the first walk checks those
  std::vector<Move> moves;
};
void PrintTo(const Walk& walk, std::ostream* os) { *os << walk.name; }

void Choose(WizardModel& model, const char* choice) {
  const int n = choice[0] == 0 ? 0 : std::atoi(choice + 1);
  if (choice[0] == 'b') model.ChooseButton(n);
  if (choice[0] == 'm') model.ChooseLaunchMethod(n);
  if (choice[0] == 's') model.ChooseSingleSource(n);
}

WizardView Apply(WizardModel& model, FakeSystem& system, const Move& m) {
  const int n = std::atoi(m.arg);
  switch (m.what) {
    case Do::Start:
      return model.Start();
    case Do::Next:
      Choose(model, m.arg);
      return model.Press(WizardDirection::Next);
    case Do::Back:
      return model.Press(WizardDirection::Back);
    case Do::Own:
      return model.Press(WizardDirection::OwnFinish);
    case Do::Several:
      return model.ChooseSeveralSource(n);
    case Do::Pick: {
      const std::u16string path = FromUtf8(m.arg);
      const TreeSelection item{path, path.substr(path.rfind(u'\\') + 1), kRoots[model.SourceIndex()]};
      system.trees[model.SourceIndex()] = item;
      return model.SelectTreeItem(item);
    }
    case Do::Line:
      system.lines[model.SourceIndex()] = n;
      return model.SelectListLine(n);
    case Do::Name:
      return model.SetButtonNameText(FromUtf8(m.arg));
    case Do::Cancel:
      return model.Cancel();
    case Do::Answer:
      return model.AnswerCancel(n == 1);
    case Do::Close:
      return model.Close();
  }
  return {};
}

constexpr const char* kUrl = "iexplore.exe|http://example.com/ (http://example.com/) [Example.url]";

// One move a line, laid out as a table.
// clang-format off
const Walk kWalks[] = {
    {"SingleFromStartMenuAndBackToTheFirstPage", false, false, {
        {Do::Start, "", St::Button, 2, H, "M 0 <>"},
        {Back, "", St::Button, 2, H, "="},
        {Next, "b1", St::LaunchMethod, 3, H, "="},
        {Do::Own, "", St::LaunchMethod, 3, H, "="},
        {Next, "", St::Source, 3, H, "="},
        {Next, "", St::SingleProgram, 1, H, "="},
        {Next, "", St::SingleProgram, 1, H, "="},  // nothing selected: Next cannot take it
        {Do::Pick, "S:\\Tools.v2", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, "M 1 <Tools.v2> | 1:S:\\Tools.v2"},  // a folder keeps its dots
        {Back, "", St::SingleProgram, 3, H, "M 0 <Tools.v2> | 1:S:\\Tools.v2"},
        {Do::Pick, "S:\\Notepad.lnk", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, "M 1 <Notepad> | 1:S:\\Notepad.lnk"},
        {Back, "", St::SingleProgram, 3, H, "M 0 <Notepad> | 1:S:\\Notepad.lnk"},
        {Back, "", St::Source, 3, H, "="},
        {Back, "", St::LaunchMethod, 3, H, "="},
        {Back, "", St::Button, 2, H, "="}}},
    {"SingleFromMediaCenterTakesTheEntrysNames", false, true, {
        {Next, "s1", St::SingleProgram, 3, H, "M 0 <>"},
        {Next, "", St::Finish, 5, H, "M 1 <TV> | 1:mc.exe /tv [Recorded TV]"},
        {Back, "", St::SingleProgram, 3, H, "M 0 <TV> | 1:mc.exe /tv [Recorded TV]"},
        {Do::Line, "1", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, "M 1 <Tunes> | 1:mc.exe /music [Music]"},
        {Next, "", St::Finish, 5, H, "=", WizardEnd::Finished}}},
    {"SingleFromFavoritesTakesTheAddressAndLeavesNoneBehind", false, true, {
        {Next, "s2", St::SingleProgram, 1, H, "M 0 <>"},
        {Do::Pick, "F:\\News", St::SingleProgram, 1, H, "="},
        {Do::Pick, "F:\\Example.URL", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, "M 1 <Example> | 1:F:\\Example.URL"},  // no address: the file itself
        {Back, "", St::SingleProgram, 3, H, "M 0 <Example> | 1:F:\\Example.URL"},
        {Do::Pick, "F:\\Example.url", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, std::string("M 1 <Example.url> | 1:") + kUrl},
        {Back, "", St::SingleProgram, 3, H, std::string("M 0 <Example.url> | 1:") + kUrl},
        {Back, "", St::Source, 3, H, "="},
        {Next, "s0", St::SingleProgram, 1, H, "="},
        {Do::Pick, "S:\\Notepad.lnk", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, "M 1 <Notepad> | 1:S:\\Notepad.lnk"}}},
    {"SingleFromAllFilesRefusesTheComputerItself", false, true, {
        {Next, "s3", St::SingleProgram, 1, H, "M 0 <>"},
        {Do::Pick, "C:\\calc.exe", St::SingleProgram, 3, H, "="},
        {Do::Pick, "MY COMPUTER", St::SingleProgram, 1, H, "="},
        {Next, "", St::SingleProgram, 1, H, "="},
        {Do::Pick, "C:\\calc.exe", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, "M 1 <calc> | 1:C:\\calc.exe"}}},
    {"SingleShortcutKeyKeepsItsCodeWhenTheMethodIsChosenAgain", false, true, {
        {Next, "s4", St::SingleProgram, 3, H, "M 0 <>"},
        {Do::Line, "1", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, "K 1 <Paste> | 1:^v"},
        {Back, "", St::SingleProgram, 3, H, "K 0 <Paste> | 1:^v"},
        {Back, "", St::Source, 3, H, "="},
        {Back, "", St::LaunchMethod, 3, H, "="},
        {Next, "m0", St::Source, 3, H, "="},
        {Next, "", St::SingleProgram, 3, H, "="},
        {Do::Line, "0", St::SingleProgram, 3, H, "="},
        {Next, "", St::Finish, 5, H, "K 1 <Copy> | 1:^c"}}},
    {"ImeChangerGoesStraightToFinishAndBack", false, true, {
        {Next, "s5", St::Finish, 5, H, "M 1 <IME> | 1:C:\\IME\\chg.exe [IME Changer]"},
        {Back, "", St::Source, 3, H, "M 0 <IME> | 1:C:\\IME\\chg.exe [IME Changer]"},
        {Next, "", St::Finish, 5, H, "M 1 <IME> | 1:C:\\IME\\chg.exe [IME Changer]"},
        {Back, "", St::Source, 3, H, "M 0 <IME> | 1:C:\\IME\\chg.exe [IME Changer]"},
        {Back, "", St::LaunchMethod, 3, H, "="}}},
    {"SeveralProgramsUpToFiveWithBackAtEachPoint", false, false, {
        {Do::Start, "", St::Button, 2, H, "M 0 <>"},
        {Next, "", St::LaunchMethod, 3, H, "="},
        {Next, "m1", St::ButtonName, 1, H, "="},
        {Next, "", St::ButtonName, 1, H, "="},  // no name yet: Next is off
        {Do::Name, "Work", St::ButtonName, 3, H, "="},
        {Do::Name, "", St::ButtonName, 1, H, "="},
        {Do::Name, "Work", St::ButtonName, 3, H, "="},
        {Next, "", St::SeveralPrograms, 1, D, "="},
        {Back, "", St::ButtonName, 3, H, "="},
        {Next, "", St::SeveralPrograms, 1, D, "="},
        {Do::Own, "", St::SeveralPrograms, 1, D, "="},  // nothing in yet
        {Do::Pick, "S:\\A.lnk", St::SeveralPrograms, 3, D, "="},
        {Next, "", St::SeveralPrograms, 3, E, "S 1 <Work> | 1:S:\\A.lnk"},
        {Back, "", St::SeveralPrograms, 3, D, "S 0 <Work>"},
        {Next, "", St::SeveralPrograms, 3, E, "S 1 <Work> | 1:S:\\A.lnk"},
        {Do::Several, "3", St::SeveralPrograms, 1, E, "="},
        {Do::Pick, "C:\\B.exe", St::SeveralPrograms, 3, E, "="},
        {Next, "", St::SeveralPrograms, 3, E, "S 2 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe"},
        {Do::Several, "2", St::SeveralPrograms, 1, E, "="},
        {Do::Pick, "F:\\Example.url", St::SeveralPrograms, 3, E, "="},
        {Next, "", St::SeveralPrograms, 3, E,
         std::string("S 3 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe | 3:") + kUrl},
        {Back, "", St::SeveralPrograms, 3, E, "S 2 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe"},
        {Do::Several, "0", St::SeveralPrograms, 3, E, "="},  // the Start Menu tree still has A selected
        {Next, "", St::SeveralPrograms, 3, E, "S 3 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe | 3:S:\\A.lnk"},
        {Next, "", St::SeveralPrograms, 3, E, "S 4 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe | 3:S:\\A.lnk | 4:S:\\A.lnk"},
        {Next, "", St::Finish, 5, H,
         "S 5 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe | 3:S:\\A.lnk | 4:S:\\A.lnk | 5:S:\\A.lnk"},
        {Back, "", St::SeveralPrograms, 3, E, "S 4 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe | 3:S:\\A.lnk | 4:S:\\A.lnk"},
        {Do::Own, "", St::Finish, 5, H, "="},
        {Back, "", St::SeveralPrograms, 3, E, "="},  // after the own Finish nothing is taken back
        {Back, "", St::SeveralPrograms, 3, E, "S 3 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe | 3:S:\\A.lnk"},
        {Back, "", St::SeveralPrograms, 3, E, "S 2 <Work> | 1:S:\\A.lnk | 2:C:\\B.exe"},
        {Back, "", St::SeveralPrograms, 3, E, "S 1 <Work> | 1:S:\\A.lnk"},
        {Back, "", St::SeveralPrograms, 3, D, "S 0 <Work>"},
        {Back, "", St::ButtonName, 3, H, "="},
        {Back, "", St::LaunchMethod, 3, H, "="}}},
    {"WizardOnlyRunNeverGoesBackPastTheLaunchMethod", true, false, {
        {Do::Start, "", St::LaunchMethod, 2, H, "M 0 <>"},
        {Back, "", St::LaunchMethod, 2, H, "="},
        {Next, "", St::Source, 3, H, "="},
        {Back, "", St::LaunchMethod, 2, H, "="},
        {Next, "m2", St::ButtonName, 1, H, "="},
        {Do::Name, "Both", St::ButtonName, 3, H, "="},
        {Back, "", St::LaunchMethod, 2, H, "="}}},
    {"CancelAsksAndCloseDoesNot", false, true, {
        {Do::Cancel, "", St::Source, 3, H, "M 0 <>", WizardEnd::AskToCancel},
        {Do::Answer, "0", St::Source, 3, H, "="},
        {Back, "", St::LaunchMethod, 3, H, "="},
        {Do::Cancel, "", St::LaunchMethod, 3, H, "=", WizardEnd::AskToCancel},
        {Do::Answer, "1", St::LaunchMethod, 3, H, "=", WizardEnd::Cancelled},
        {Do::Close, "", St::LaunchMethod, 3, H, "=", WizardEnd::Cancelled}}},
};
// clang-format on

class WizardWalkTest : public testing::TestWithParam<Walk> {};

TEST_P(WizardWalkTest, EachMoveShowsItsPageButtonsAndRecord) {
  const Walk& walk = GetParam();
  FakeSystem system;
  WizardSetup setup = FullSetup();
  setup.wizardOnly = walk.wizardOnly;
  WizardModel model(setup, system);
  if (walk.fromSourcePage) {
    model.Start();
    model.Press(WizardDirection::Next);
    model.Press(WizardDirection::Next);
  }
  std::string record;
  for (size_t i = 0; i < walk.moves.size(); ++i) {
    const Move& m = walk.moves[i];
    const WizardStep before = model.Step();
    const WizardView view = Apply(model, system, m);
    SCOPED_TRACE(testing::Message() << walk.name << ", move " << i + 1);
    EXPECT_EQ(view.step, m.step);
    EXPECT_EQ(model.Step(), m.step);
    // A page is shown exactly when the step changes (the first page too).
    const bool moved = m.what == Do::Start || before != m.step;
    EXPECT_EQ(view.show, moved ? std::optional<WizardPage>(PageOf(m.step)) : std::nullopt);
    EXPECT_EQ(view.buttons, m.buttons);
    EXPECT_EQ(view.ownFinish, m.own);
    EXPECT_EQ(view.end, m.end);
    if (std::string(m.record) != "=") record = m.record;
    EXPECT_EQ(Summary(model.Record()), record);
  }
}

INSTANTIATE_TEST_SUITE_P(Walks, WizardWalkTest, testing::ValuesIn(kWalks),
                         [](const testing::TestParamInfo<Walk>& info) { return std::string(info.param.name); });

TEST(WizardModelTest, LeavingTheButtonPageHandsOwnSetupButtonsOverInJapaneseOnly) {
  struct Case {
    bool japanese;
    int kind, button, ownSetup, hardware;  // ownSetup: the hardware button the maker's program serves
    WizardEnd end;
  };
  const Case cases[] = {
      {true, 5, 1, 2, 2, WizardEnd::HandOver}, {false, 5, 1, 2, 2, WizardEnd::None},
      {true, 5, 0, 2, 1, WizardEnd::None},     {true, 3, 0, 6, 6, WizardEnd::HandOver},
      {true, 3, 2, 8, 8, WizardEnd::HandOver}, {true, 2, 4, 8, 6, WizardEnd::None},  // no fifth notebook radio
  };
  for (const Case& c : cases) {
    FakeSystem system;
    WizardSetup setup = FullSetup();
    setup.japaneseUi = c.japanese;
    setup.buttonKind = c.kind;
    setup.ownSetup[c.ownSetup - 1] = true;
    WizardModel model(setup, system);
    model.Start();
    model.ChooseButton(c.button);
    const WizardView view = model.Press(WizardDirection::Next);
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " button " << c.button);
    EXPECT_EQ(model.HardwareButton(), c.hardware);
    EXPECT_EQ(view.end, c.end);
    EXPECT_EQ(view.handOverButton, c.end == WizardEnd::HandOver ? c.hardware : 0);
    EXPECT_EQ(view.step, c.end == WizardEnd::HandOver ? WizardStep::Button : WizardStep::LaunchMethod);
  }
}

TEST(WizardModelTest, SeveralProgramsFlagNamesAndWritableSlot) {
  FakeSystem system;
  WizardModel model(FullSetup(), system);
  model.Start();
  model.Press(WizardDirection::Next);
  model.ChooseLaunchMethod(2);
  model.Press(WizardDirection::Next);
  EXPECT_TRUE(model.SeveralPrograms());
  model.SetButtonNameText(std::u16string(200, u'n'));
  EXPECT_EQ(model.ButtonNameText().size(), kNameLimit);
  model.Press(WizardDirection::Next);
  for (const char16_t* name : {u"One.lnk", u"Two.lnk"}) {
    model.SelectTreeItem({std::u16string(u"S:\\") + name, name, u"Start Menu"});
    model.Press(WizardDirection::Next);
  }
  EXPECT_EQ(model.WritableSlot(), 2);
  EXPECT_EQ(model.ProgramNames()[1], u"Two.lnk");
  model.Press(WizardDirection::Back);
  EXPECT_EQ(model.WritableSlot(), 1);
  EXPECT_EQ(model.ProgramNames()[1], u"");
  for (int i = 0; i < 3; ++i) model.Press(WizardDirection::Back);  // the last program, then two pages back
  model.ChooseLaunchMethod(0);
  model.Press(WizardDirection::Next);
  EXPECT_FALSE(model.SeveralPrograms());
}

TEST(WizardModelTest, SourcesNotOfferedCannotBeChosen) {
  FakeSystem system;
  WizardSetup setup = FullSetup();
  setup.sources = {};
  setup.japaneseUi = false;
  WizardModel model(setup, system);
  for (int source : {1, 2, 5, 6, -1}) {  // Media Center, Favorites, IME Changer, and no source at all
    model.ChooseSingleSource(source);
    model.ChooseSeveralSource(source);
    EXPECT_EQ(model.SourceIndex(), kSourceStartMenu) << source;
  }
  model.ChooseSeveralSource(kSourceShortcutKey);
  EXPECT_EQ(model.CheckedSeveralSource(), kSourceStartMenu);
}

}  // namespace
}  // namespace tapstart
