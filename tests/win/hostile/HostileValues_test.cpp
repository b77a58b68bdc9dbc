// The programs in a hostile store: every value they read set to each wrong form (another type, binary, several
// strings, empty, 64 KiB, an odd byte count), in the registry layout and in the profile-file layout, and command
// lines of 30,000 characters. Each run shows its window or ends with exit code 0; none crashes, hangs or shows a
// box nobody asked for; and the settings program's next save writes every value in its own type.
//
// One run per form and layout carries every value at once: a program start costs a second under Wine, and a value
// the program trips on shows in the run's message. Values that decide whether the settings program runs at all
// (the keyboard type, the layout switch) get runs of their own, so that the other values are still read.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Driver_win32.h"
#include "launcher/res/resource.h"
#include "res/resource.h"

namespace tapstart::test {
namespace {

enum class Kind { Number, Text };
enum class Form { WrongType, Binary, MultiString, Empty, Long, OddLength };
const Form kForms[] = {Form::WrongType, Form::Binary, Form::MultiString, Form::Empty, Form::Long, Form::OddLength};
const char* FormName(Form f) {
  static const char* const names[] = {"wrong type", "binary", "several strings", "empty", "64 KiB", "odd length"};
  return names[static_cast<int>(f)];
}

struct Value {
  HKEY root;
  std::wstring key, name;
  Kind kind;
  bool program = false;  // a program the launcher may start: its odd-length form names the probe
};

const std::wstring kP = kProduct;

std::wstring N(int n) { return std::to_wstring(n); }

// Every registry value the settings program's main window and the launcher read, but the two that decide whether
// the settings program runs (kept apart in GateValues).
std::vector<Value> StoreValues() {
  constexpr Kind kN = Kind::Number, kT = Kind::Text;
  const HKEY lm = HKEY_LOCAL_MACHINE, cu = HKEY_CURRENT_USER;
  std::vector<Value> v;
  for (const wchar_t* name : {L"QSTART", L"BtnImage", L"NTNumAPBtn", L"DTNumAPBtn", L"NR1t2", L"GLIMSET"})
    v.push_back({lm, kP, name, kN});
  const std::wstring utl = kP + L"\\UTLSetting";
  v.push_back({lm, utl, L"ShowNTTab", kN});
  for (int b = 1; b <= 8; ++b) {
    v.push_back({lm, utl + L"\\ConvAppKey", L"AppKey" + N(b), kN});
    v.push_back({lm, utl + L"\\ButtonName", L"AppKey" + N(b), kT});
  }
  for (const wchar_t* name : {L"Tab0", L"Tab1"}) v.push_back({lm, utl + L"\\TabName", name, kT});
  for (const wchar_t* name : {L"DelSetManager", L"AddHelp", L"OKDisable", L"DelSerial"})
    v.push_back({lm, utl + L"\\DispSetting", name, kN});
  for (const wchar_t* name : {L"IEMenu", L"MCMenu", L"IME"}) v.push_back({lm, utl + L"\\ProgramGroup", name, kN});
  const std::wstring osd = kP + L"\\Default\\OnScreen";
  for (const wchar_t* name : {L"OnScreen", L"Size", L"FontSize", L"Color"}) v.push_back({lm, osd, name, kN});
  for (const wchar_t* name : {L"FontFace", L"FontName", L"Preview"}) v.push_back({lm, osd, name, kT});
  const std::wstring factory = kP + L"\\Default\\Setting\\Set1", flat = kP + L"\\Default\\USER1";
  v.push_back({lm, factory, L"SetName", kT});
  v.push_back({lm, flat, L"UserName", kT});
  for (int b = 1; b <= 8; ++b) {
    const std::wstring key = factory + L"\\AppKey" + N(b), btn = L"Btn" + N(b);
    v.push_back({lm, key, L"NumAP", kN});
    for (const wchar_t* name : {L"Execute", L"DispTitle"}) v.push_back({lm, key, name, kT});
    for (const wchar_t* name : {L"_Exec", L"_NumAP", L"_Name"}) v.push_back({lm, flat, btn + name, kT});
    for (int k = 1; k <= 5; ++k) {
      v.push_back({lm, key, L"AP" + N(k), kT, b == 1 && k == 1});
      v.push_back({lm, flat, btn + L"_AP" + N(k), kT});
    }
  }
  const std::wstring runvoy = kP + L"\\Runvoy";
  for (const wchar_t* name : {L"TV_PATH", L"CD_PATH", L"KBIN_PATH"}) v.push_back({lm, runvoy, name, kT, true});
  v.push_back({lm, runvoy, L"API", kN});

  for (const wchar_t* name : {L"ZEBPAD", L"CurrSetting", L"NumSetting"}) v.push_back({cu, kP, name, kN});
  for (const wchar_t* name : {L"OnScreen", L"size", L"Color", L"Time"}) v.push_back({cu, kP + L"\\OnScreen", name, kN});
  v.push_back({cu, kP + L"\\OnScreen", L"FontFace", kT});
  for (int n = 1; n <= 2; ++n) {
    const std::wstring set = kP + L"\\Setting\\Set" + N(n);
    v.push_back({cu, set, L"SetName", kT});
    for (int b = 1; b <= 8; ++b) {
      const std::wstring key = set + L"\\AppKey" + N(b);
      v.push_back({cu, key, L"NumAP", kN});
      for (const wchar_t* name : {L"DispTitle", L"Execute"}) v.push_back({cu, key, name, kT});
      for (int k = 1; k <= 5; ++k) {
        v.push_back({cu, key, L"AP" + N(k), kT, n == 1 && b == 1 && k == 1});
        v.push_back({cu, key, L"ProgName" + N(k), kT});
      }
    }
  }
  return v;
}

// The keyboard type of the machine and the layout switch: hostile, the settings program may end at once.
std::vector<Value> GateValues() {
  return {{HKEY_LOCAL_MACHINE, kP, L"ZEBPAD", Kind::Number}, {HKEY_LOCAL_MACHINE, kP, L"ZEBINI", Kind::Number}};
}

std::vector<BYTE> Utf16Bytes(const std::wstring& text) {
  const auto* p = reinterpret_cast<const BYTE*>(text.data());
  return std::vector<BYTE>(p, p + text.size() * sizeof(wchar_t));
}

std::wstring ProbePath() { return BinDir() + L"probe.exe"; }

void PutHostile(const Value& v, Form form) {
  const bool number = v.kind == Kind::Number;
  const DWORD own = number ? REG_DWORD : REG_SZ;
  std::vector<BYTE> bytes;
  DWORD type = own;
  switch (form) {
    case Form::WrongType:
      type = number ? REG_SZ : REG_DWORD;
      bytes = number ? Utf16Bytes(std::wstring(L"1") + L'\0') : std::vector<BYTE>{1, 0, 0, 0};
      break;
    case Form::Binary:
      type = REG_BINARY;
      bytes = {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x41, 0x7F};
      break;
    case Form::MultiString:
      type = REG_MULTI_SZ;
      bytes = Utf16Bytes(std::wstring(L"a\0b\0\0", 5));
      break;
    case Form::Empty:
      break;
    case Form::Long:
      bytes = number ? std::vector<BYTE>(65536, 1) : Utf16Bytes(std::wstring(32768, L'x'));
      break;
    case Form::OddLength:
      bytes = number ? std::vector<BYTE>{1, 0, 0} : Utf16Bytes(v.program ? ProbePath() : L"Odd");
      if (!number) bytes.push_back(0x41);
      break;
  }
  SetRaw(v.root, v.key, v.name, type, bytes.data(), static_cast<DWORD>(bytes.size()));
}

// The profile file of the profile-file layout, every key the programs read in the same wrong form. The file has
// no types: a number gets text, a text gets a number.
void WriteHostileProfile(Form form) {
  struct Key {
    std::wstring section, key;
    Kind kind;
    bool program = false;
  };
  std::vector<Key> keys;
  for (const wchar_t* k : {L"ZebKeyboard", L"CurrUser", L"NumUser"}) keys.push_back({L"VARDENZEB", k, Kind::Number});
  for (const wchar_t* k : {L"OnScreen", L"FontSize", L"Color", L"DelayTime"})
    keys.push_back({L"ONSCREEN", k, Kind::Number});
  keys.push_back({L"ONSCREEN", L"FontName", Kind::Text});
  for (int n = 1; n <= 2; ++n) {
    const std::wstring section = L"USER" + N(n);
    keys.push_back({section, L"UserName", Kind::Text});
    for (int b = 1; b <= 8; ++b) {
      const std::wstring btn = L"Btn" + N(b);
      keys.push_back({section, btn + L"_NumAP", Kind::Number});
      for (const wchar_t* k : {L"_Exec", L"_Name"}) keys.push_back({section, btn + k, Kind::Text});
      for (int k = 1; k <= 5; ++k) {
        keys.push_back({section, btn + L"_AP" + N(k), Kind::Text, n == 1 && b == 1 && k == 1});
        keys.push_back({section, btn + L"_Title" + N(k), Kind::Text});
      }
    }
  }
  std::wstring text = L"\xFEFF";
  std::wstring section;
  for (const Key& k : keys) {
    if (k.section != section) text += L"[" + (section = k.section) + L"]\r\n";
    std::wstring value;
    switch (form) {
      case Form::WrongType:
        value = k.kind == Kind::Number ? L"x" : L"12";
        break;
      case Form::Binary:
        value = std::wstring(L"\x01\x02\x7F") + static_cast<wchar_t>(0xD800);
        break;
      case Form::MultiString:
        value = std::wstring(L"a\0b", 3);
        break;
      case Form::Empty:
        break;
      case Form::Long:
        value = std::wstring(32768, L'x');
        break;
      case Form::OddLength:
        value = k.kind == Kind::Number ? L"1" : (k.program ? ProbePath() : L"Odd");
        break;
    }
    text += k.key + L"=" + value + L"\r\n";
  }
  std::vector<BYTE> bytes = Utf16Bytes(text);
  if (form == Form::OddLength) bytes.push_back(0x41);
  FileHandle h(CreateFileW((WindowsDir() + L"\\VARDENZEB.INI").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(h.Valid());
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(h.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, L"VARDENZEB.INI");
}

struct Watched {
  DWORD exitCode = STILL_ACTIVE;
  bool window = false;
  std::vector<std::wstring> boxes;  // the captions of the dialog boxes it showed
};

// Runs a program to its end, for at most 30 seconds. Its main window (of class mainClass) is saved with Apply when
// asked, then closed; every dialog box it shows is noted and closed, so that a box cannot hang the run.
Watched RunWatched(const std::wstring& exe, const std::wstring& args, const wchar_t* mainClass, bool apply) {
  Watched w;
  Started p = Start(exe, args);
  EXPECT_TRUE(p.process);
  std::set<HWND> seen;
  bool closing = false;
  const ULONGLONG end = GetTickCount64() + 30000;
  while (p.process && WaitForSingleObject(p.process.Get(), 20) == WAIT_TIMEOUT && GetTickCount64() < end) {
    for (HWND box : TopLevelWindows(L"#32770", p.pid, true)) {
      if (seen.insert(box).second) w.boxes.push_back(TextOf(box));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
    if (closing || mainClass == nullptr) continue;
    const std::vector<HWND> mains = TopLevelWindows(mainClass, p.pid, true);
    if (mains.empty()) continue;
    w.window = true;
    if (apply) {
      ClickButton(mains[0], IDC_MAIN_APPLY);
      DWORD_PTR r = 0;
      SendMessageTimeoutW(mains[0], WM_NULL, 0, 0, SMTO_NORMAL, 10000, &r);  // Apply has run
    }
    PostMessageW(mains[0], WM_CLOSE, 0, 0);
    closing = true;
  }
  w.exitCode = WaitExit(p, 1000);
  return w;
}

std::wstring Join(const std::vector<std::wstring>& texts) {
  std::wstring out;
  for (const std::wstring& t : texts) out += L"[" + t + L"] ";
  return out;
}

class HostileValues : public testing::Test {
 protected:
  void SetUp() override { ClearStore(); }
  void TearDown() override { ClearStore(); }

  // The store as the form makes it. The settings program keeps a keyboard type and a layout it runs with unless
  // the gates are hostile too.
  void Seed(Form form, bool ini, bool gates) {
    ClearStore();
    for (const Value& v : StoreValues()) PutHostile(v, form);
    if (gates) {
      for (const Value& v : GateValues()) PutHostile(v, form);
    } else {
      SetDword(HKEY_LOCAL_MACHINE, kP, L"ZEBPAD", 3);
      SetDword(HKEY_LOCAL_MACHINE, kP, L"ZEBINI", ini ? 1 : 0);
    }
    if (ini) WriteHostileProfile(form);
  }
};

void ExpectType(const std::wstring& key, const std::wstring& name, DWORD expected) {
  DWORD type = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, key, name, type, data)) << key << L"\\" << name;
  EXPECT_EQ(type, expected) << key << L"\\" << name;
  if (expected == REG_DWORD) {
    EXPECT_EQ(data.size(), 4u) << key << L"\\" << name;
  } else {
    EXPECT_EQ(data.size() % 2, 0u) << key << L"\\" << name;
  }
}

// What Apply wrote in the registry layout: set 1 (the current number is no number), seven buttons (the notebook
// count is none), the pattern numbers and the on-screen settings, each value in its own type.
void ExpectSavedInTheRegistry() {
  ExpectType(kP, L"CurrSetting", REG_DWORD);
  ExpectType(kP, L"NumSetting", REG_DWORD);
  for (const wchar_t* name : {L"OnScreen", L"size", L"Color"}) ExpectType(kP + L"\\OnScreen", name, REG_DWORD);
  ExpectType(kP + L"\\OnScreen", L"FontFace", REG_SZ);
  const std::wstring set = kP + L"\\Setting\\Set1";
  ExpectType(set, L"SetName", REG_SZ);
  for (int b = 1; b <= 7; ++b) {
    const std::wstring key = set + L"\\AppKey" + N(b);
    ExpectType(key, L"NumAP", REG_DWORD);
    for (const wchar_t* name : {L"DispTitle", L"Execute"}) ExpectType(key, name, REG_SZ);
    for (int k = 1; k <= 5; ++k) {
      ExpectType(key, L"AP" + N(k), REG_SZ);
      ExpectType(key, L"ProgName" + N(k), REG_SZ);
    }
  }
}

// What Apply wrote in the profile file: still UTF-16, and every number a number.
void ExpectSavedInTheProfile() {
  const std::string bytes = ReadFileBytes(WindowsDir() + L"\\VARDENZEB.INI");
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, L"VARDENZEB.INI");
  const auto expectNumber = [](const std::wstring& section, const std::wstring& key) {
    wchar_t text[64] = {};
    GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", text, 64, L"VARDENZEB.INI");
    const std::wstring t = text;
    EXPECT_TRUE(!t.empty() && t.find_first_not_of(L"-0123456789") == std::wstring::npos)
        << section << L"/" << key << L" = " << t;
  };
  for (const wchar_t* key : {L"CurrUser", L"NumUser"}) expectNumber(L"VARDENZEB", key);
  for (const wchar_t* key : {L"OnScreen", L"FontSize", L"Color"}) expectNumber(L"ONSCREEN", key);
  for (int b = 1; b <= 7; ++b) expectNumber(L"USER1", L"Btn" + N(b) + L"_NumAP");
}

TEST_F(HostileValues, SettingsProgramShowsItsWindowAndSavesEveryValueInItsType) {
  for (const bool ini : {false, true}) {
    for (const Form form : kForms) {
      SCOPED_TRACE(std::string(ini ? "profile file, " : "registry, ") + FormName(form));
      Seed(form, ini, false);
      const Watched w = RunWatched(BinDir() + L"Pantik.exe", L"/k", L"ThunderRT6FormDC", true);
      EXPECT_EQ(w.exitCode, 0u);
      EXPECT_TRUE(w.window);
      EXPECT_TRUE(w.boxes.empty()) << Join(w.boxes);
      if (ini) {
        ExpectSavedInTheProfile();
      } else {
        ExpectSavedInTheRegistry();
      }
    }
  }
}

TEST_F(HostileValues, SettingsProgramWithHostileGatesEndsOrShowsItsWindow) {
  for (const bool ini : {false, true}) {
    for (const Form form : kForms) {
      SCOPED_TRACE(std::string(ini ? "profile file, " : "registry, ") + FormName(form));
      Seed(form, ini, true);
      const Watched w = RunWatched(BinDir() + L"Pantik.exe", L"/k", L"ThunderRT6FormDC", false);
      EXPECT_EQ(w.exitCode, 0u);
      EXPECT_TRUE(w.boxes.empty()) << Join(w.boxes);
    }
  }
}

// The launcher on each of its switches. The only boxes it may show are the keyboard tool's, when "/KBIN" names no
// file, and the shell's own, when a profile key holds a text that names no program; neither keeps it from ending.
TEST_F(HostileValues, LauncherEndsWithExitCodeZeroOnEverySwitch) {
  const HMODULE runvoy = LoadLibraryExW((BinDir() + L"Runvoy.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(runvoy, nullptr);
  wchar_t tool[256] = {};
  LoadStringW(runvoy, IDS_KEYBOARD_TOOL_NAME, tool, 256);
  FreeLibrary(runvoy);
  for (const Form form : kForms) {
    SCOPED_TRACE(FormName(form));
    Seed(form, true, false);
    // The odd-length texts name the probe, which exists and starts; the file's texts of the first three forms
    // name no program.
    const bool namesNoProgram = form == Form::WrongType || form == Form::Binary || form == Form::MultiString;
    struct Case {
      const wchar_t* args;
      size_t boxes;
    };
    for (const Case& c : {Case{L"/TV", 0}, Case{L"/CD", 0}, Case{L"/KBIN", form == Form::OddLength ? 0u : 1u},
                          Case{L"/Set1\\AppKey1", 0}, Case{L"/Btn1_AP1", namesNoProgram ? 1u : 0u}}) {
      const Watched w = RunWatched(BinDir() + L"Runvoy.exe", c.args, nullptr, false);
      EXPECT_EQ(w.exitCode, 0u) << c.args;
      EXPECT_EQ(w.boxes.size(), c.boxes) << c.args << L" " << Join(w.boxes);
      for (const std::wstring& box : w.boxes) EXPECT_EQ(box == tool, c.args == std::wstring(L"/KBIN")) << c.args;
    }
  }
}

TEST_F(HostileValues, CommandLinesOf30000CharactersEndQuietly) {
  SetDword(HKEY_LOCAL_MACHINE, kP, L"ZEBPAD", 3);
  const std::wstring letters(30000, L'x'), blanks(30000, L' ');
  struct Case {
    const wchar_t* program;
    std::wstring args;
    bool window;  // the settings program's main window shows
  };
  const Case cases[] = {
      {L"Pantik.exe", L"/k" + letters, false},
      {L"Pantik.exe", L"/t:1" + blanks, true},  // blanks around a switch do not count
      {L"Pantik.exe", L"/w:1 /ap" + letters, false},
      {L"Runvoy.exe", L"/S" + letters, false},
      {L"Runvoy.exe", L"/B" + letters, false},
      {L"Runvoy.exe", letters, false},
      {L"Register.exe", L"/t:1" + letters, false},
      {L"Register.exe", letters, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.program) + L" " + c.args.substr(0, 8));
    const Watched w = RunWatched(BinDir() + c.program, c.args, L"ThunderRT6FormDC", false);
    EXPECT_EQ(w.exitCode, 0u);
    EXPECT_TRUE(w.boxes.empty()) << Join(w.boxes);
    EXPECT_EQ(w.window, c.window);
  }
}

}  // namespace
}  // namespace tapstart::test
