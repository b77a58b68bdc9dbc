// Test scaffolding for the on-screen page: a stand-in for the main window's services and a main dialog that
// hosts the page beside its tab control (1043) and OK button (1042), as the main window does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "mainwnd/CtabMainOSDTab_win32.h"
#include "mainwnd/MainModel.h"
#include "mainwnd/OnScreenData.h"
#include "store/UserData.h"
#include "ui/Handles_win32.h"

namespace tapstart::test {

class OsdHost;

// Records what the page asks of the main window; Default restores its factory settings and shows them again.
// The main window's own controls are the host's tab control and OK button.
class FakeMain final : public MainServices {
 public:
  void ChangePattern(PageIndex page) override { calls.push_back("ChangePattern " + std::to_string(page)); }
  void RunWizard(PageIndex page) override { calls.push_back("RunWizard " + std::to_string(page)); }
  void RunSettingManager() override { calls.push_back("RunSettingManager"); }
  void RestoreDefaults(PageIndex page) override;
  void EditButton(int record) override { calls.push_back("EditButton " + std::to_string(record)); }
  void PageOk() override { calls.push_back("PageOk"); }
  void PageClose() override { calls.push_back("PageClose"); }
  void SetAppActive(bool active) override { calls.push_back(active ? "SetAppActive 1" : "SetAppActive 0"); }
  void MarkFocus(int labelId, bool focused) override { marked = focused ? labelId : 0; }
  bool IsMarked(int labelId) const override { return labelId == marked; }
  void ShowTab(int index) override;
  void FocusTabControl() override;
  void TakeDefaultLookFromOk() override;
  USER_DATA& LiveUserData() override { return user; }
  ONSCREEN_DATA& LiveOnScreen() override { return live; }
  const MachineSettings& Machine() const override { return machine; }
  const std::u16string& PreviewText() const override { return preview; }
  const std::u16string& CommandLineText() const override { return commandLine; }
  TabLayout Layout() const override { return TabLayout(layout); }

  std::vector<std::string> calls;
  ONSCREEN_DATA live{1, u"Tahoma", 3, 0x000000FF};
  ONSCREEN_DATA defaults{0, u"Liberation Sans", 2, 0x0000FF00};
  USER_DATA user;
  MachineSettings machine;
  std::u16string preview;
  std::u16string commandLine = u"/k";
  TabLayout::Kind layout = TabLayout::kAllTabs;
  int marked = 0;
  CtabMainOSDTab* page = nullptr;
  OsdHost* host = nullptr;
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
  int tabChanges = 0;  // tabs the page asked the main window to show

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

}  // namespace tapstart::test
