// Shared set-up of the registration dialog's model tests: list sources, a file system stand-in and records.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "registration/SetApModel.h"

namespace tapstart::test {

// Paths in `files` exist as files; everything else is a folder or cannot be examined.
class FakeEnvironment final : public SetApEnvironment {
 public:
  bool FolderOrUnknown(std::u16string_view path) const override { return !files.count(std::u16string(path)); }
  std::u16string InternetShortcutUrl(std::u16string_view path) const override {
    const auto url = urls.find(std::u16string(path));
    return url == urls.end() ? std::u16string(path) : url->second;
  }
  std::set<std::u16string> files;
  std::map<std::u16string, std::u16string> urls;
};

// A record named "Old name" with these commands (counted) and titles.
inline APPKEY_DATA MakeRecord(const char16_t* code, const std::vector<std::u16string>& commands,
                              const std::vector<std::u16string>& titles = {}) {
  APPKEY_DATA r;
  r.name = u"Old name";
  r.code = code;
  std::copy(commands.begin(), commands.end(), r.command.begin());
  std::copy(titles.begin(), titles.end(), r.title.begin());
  r.count = static_cast<int32_t>(commands.size());
  return r;
}

class SetApModelTest : public testing::Test {
 protected:
  SetApModelTest() {
    for (const char16_t* f :
         {u"C:\\Apps\\edit.exe", u"C:\\Apps\\paint.v2.exe", u"C:\\Apps\\calc.exe", u"C:\\Apps\\mail.exe",
          u"C:\\Apps\\web.exe", u"C:\\Fav\\News.url", u"C:\\IME\\imechg.exe"})
      env.files.insert(f);
    env.urls[u"C:\\Fav\\News.url"] = u"https://news.example/";
    setup.sources.mediaCenter = {{u"Photos", u"Photo button", u"ms-photos:"},
                                 {u"Camera", u"Camera button", u"microsoft.windows.camera:"}};
    setup.sources.ime = {{u"IME settings", u"IME button", u"C:\\IME\\imechg.exe"},
                         {u"Typing", u"Typing button", u"typ:"}};
    setup.sources.keys = {{u"Copy", u"Paste", u"Copy again"},
                          {u"CTRL+C", u"CTRL+V", u"CTRL+C"},
                          {u"Copy (Ctrl+C)", u"Paste (Ctrl+V)", u"Copy again (Ctrl+C)"}};
    setup.computerName = u"This PC";
    setup.changer = {u"C:\\IME\\imechg.exe", u"C:\\IME\\"};
  }

  SetApModel& Open(const APPKEY_DATA& record, DispSwitches switches = {}) {
    setup.record = record;
    setup.switches = switches;
    model = std::make_unique<SetApModel>(setup, flags, env);
    return *model;
  }

  static TreePick File(const char16_t* path, const char16_t* text, TreeKind tree = TreeKind::StartMenu) {
    return {tree, path, text, false};
  }

  FakeEnvironment env;
  SetApSetup setup;
  RegistrationFlags flags;
  std::unique_ptr<SetApModel> model;
};

using Texts = std::array<std::u16string, kProgramsPerButton>;
using Enabled = std::array<bool, kProgramsPerButton>;
inline constexpr Enabled kFirstOnly = {true, false, false, false, false};
inline constexpr Enabled kAllSlots = {true, true, true, true, true};

}  // namespace tapstart::test
