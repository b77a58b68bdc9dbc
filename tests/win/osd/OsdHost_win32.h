// Test scaffolding for the on-screen page: a stand-in for the main window's services and a main dialog that
// hosts the page beside its tab control (1043) and OK button (1042), as the main window does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "mainwnd/CtabMainOSDTab_win32.h"
#include "mainwnd/OnScreenData.h"
#include "store/UserData.h"
#include "ui/Handles_win32.h"

namespace tapstart::test {

// Records what the page asks of the main window; Default restores its factory settings and shows them again.
class FakeMain final : public MainServices {
 public:
  void ChangePattern(int page) override { calls.push_back("ChangePattern " + std::to_string(page)); }
  void RunWizard(int page) override { calls.push_back("RunWizard " + std::to_string(page)); }
  void RunSettingManager() override { calls.push_back("RunSettingManager"); }
  void RestoreDefaults(int page) override;
  void PageOk() override { calls.push_back("PageOk"); }
  void PageClose() override { calls.push_back("PageClose"); }
  void SetAppActive(bool active) override { calls.push_back(active ? "SetAppActive 1" : "SetAppActive 0"); }
  USER_DATA& LiveUserData() override { return user; }
  ONSCREEN_DATA& LiveOnScreen() override { return live; }
  const std::u16string& PreviewText() const override { return preview; }
  const std::u16string& CommandLineText() const override { return commandLine; }
  int TabLayout() const override { return layout; }

  std::vector<std::string> calls;
  ONSCREEN_DATA live{1, u"Tahoma", 3, 0x000000FF};
  ONSCREEN_DATA defaults{0, u"Liberation Sans", 2, 0x0000FF00};
  USER_DATA user;
  std::u16string preview;
  std::u16string commandLine = u"/k";
  int layout = -1;
  CtabMainOSDTab* page = nullptr;
};

// The language a host takes its face, font heights and captions from.
struct HostLanguage {
  WORD lang = 0;  // 0: the thread's own, through the page's SetCaptions
};

// A visible main dialog with three tabs, the page inside the tab control's display area, the page's captions,
// fonts, font list and settings shown: the state after the main window's loading.
class OsdHost {
 public:
  explicit OsdHost(HostLanguage language = {});
  OsdHost(const OsdHost&) = delete;
  OsdHost& operator=(const OsdHost&) = delete;
  ~OsdHost();

  HWND Main() const { return main_; }
  HWND Tab() const { return GetDlgItem(main_, 1043); }
  HWND Ok() const { return GetDlgItem(main_, 1042); }
  HWND Item(int id) const { return GetDlgItem(page.Hwnd(), id); }
  // Dispatches what is queued for this thread, through the main dialog's dialog manager.
  void Pump() const;
  // Sends the page the main window's "shown" message and lets it paint.
  void ShowPage() const;

  FakeMain fake;
  CtabMainOSDTab page{fake};
  int tabChanges = 0;      // TCN_SELCHANGE notifications the main dialog received
  bool postShown = false;  // the main dialog tells the page it was shown later (posted), not at once

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  HWND main_ = nullptr;
  Font uiFont_;
  Font largeFont_;
};

// One text of a language's string table, and one RCDATA integer of a language; empty or fallback when missing.
std::wstring StringIn(WORD lang, UINT id);
int IntIn(WORD lang, UINT id, int fallback);

// Keeps the desktop's work area at the given bottom for one scope.
class WorkAreaBottom {
 public:
  explicit WorkAreaBottom(int bottom);
  WorkAreaBottom(const WorkAreaBottom&) = delete;
  WorkAreaBottom& operator=(const WorkAreaBottom&) = delete;
  ~WorkAreaBottom();
  bool Applied() const { return applied_; }

 private:
  RECT saved_{};
  bool applied_ = false;
};

std::u16string U16(const std::wstring& s);
std::wstring W(std::u16string_view s);

}  // namespace tapstart::test
