// The main dialog of Pantik: start-up check, loading, the tab pages, saving and the handler's notification.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ProcessValues_win32.h"
#include "app/StartupRules.h"
#include "mainwnd/CMainTabCtrl_win32.h"
#include "mainwnd/FocusRules.h"
#include "mainwnd/MainModel.h"
#include "mainwnd/MainServices.h"
#include "registration/SetApModel.h"
#include "ui/Dialog_win32.h"
#include "ui/Handles_win32.h"
#include "wizard/CfrmWizard_win32.h"

namespace tapstart {

class CfrmSetAp;
struct RegistrationContext;

class ButtonTabPage;
class CtabMainOSDTab;

class CfrmMain : public Dialog, public MainServices {
 public:
  explicit CfrmMain(ProcessValues& process);
  ~CfrmMain() override;

  // Runs the dialog modally; returns when it closes, or at once when the start-up check refuses.
  void Run();
  // Runs the start-up check of this process: switches, single instance, launch-button hardware.
  bool CheckStartup();

  // The arguments after the program's own; the process's command line unless a test sets them.
  std::vector<std::u16string> Arguments;
  // Message boxes (the save prompt, the report of a save that failed): the system's unless a test answers instead.
  MessageBoxFn Ask = SystemMessageBox;
  // The window system as the notification reaches it; the real one unless a test records instead.
  HandlerLink* Link = nullptr;

  // Filled by CheckStartup.
  int32_t InitialTab = -1;
  int32_t WizardButton = 0;
  bool PressAfterWizard = false;
  bool StartupRefused() const { return refused_; }

  MainModel& Model() { return model_; }
  CMainTabCtrl& Tabs() { return tabs_; }
  // The pages, their windows made (and filled) when not made yet.
  ButtonTabPage* DesktopPage() { return MadeOrNull(desktop_, kDesktopPage); }
  ButtonTabPage* NotebookPage() { return MadeOrNull(notebook_, kNotebookPage); }
  CtabMainOSDTab* OnScreenPage() { return MadeOrNull(onScreen_, kOnScreenPage); }
  const TabPlan& Plan() const { return model_.plan; }

  // Commands, as the buttons of the window and its pages run them.
  void cmdOK_Click();
  void cmdApply_Click();
  void cmdHelp_Click();
  // Saves the live set as the current pattern and the on-screen settings (the pattern numbers first when asked),
  // then tells the resident handler. A save that fails is reported once, leaves the edits pending (OK asks about
  // them again) and tells the handler nothing. True when everything was saved. Apply, OK and the wizard's end.
  [[nodiscard]] bool SaveAndNotify(bool withPatternNumbers = false);
  void SetButtonImage(int record, int state);
  void SetHoverImage(int state);
  void ShowUserData();
  void FillPatternList();
  // The keyboard filter that runs before the dialog manager sees a message; true when it took the message.
  bool PreTranslate(MSG& msg);

  // MainServices
  void ChangePattern(PageIndex page) override;
  void RunWizard(PageIndex page) override;
  void RunSettingManager() override;
  void RestoreDefaults(PageIndex page) override;
  void EditButton(int record) override;
  void PageOk() override { cmdOK_Click(); }
  void PageClose() override { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }
  void SetAppActive(bool active) override { appActive_ = active; }
  void MarkFocus(int labelId, bool focused) override;
  bool IsMarked(int labelId) const override { return buttonHasFocus_ && labelId == focusedLabel_; }
  void ShowTab(int index) override;
  void FocusTabControl() override;
  void TakeDefaultLookFromOk() override;
  USER_DATA& LiveUserData() override { return model_.live; }
  ONSCREEN_DATA& LiveOnScreen() override { return model_.liveOnScreen; }
  const MachineSettings& Machine() const override { return model_.machine; }
  const std::u16string& PreviewText() const override { return model_.previewText; }
  const std::u16string& CommandLineText() const override { return commandLineText_; }
  TabLayout Layout() const override { return model_.plan.layout; }

 protected:
  BOOL OnInitDialog() override;
  void OnDpiChanged() override;
  bool OnButtonClicked(int id) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;
  void OnDestroy() override;

 private:
  void PrepareRegistrationDialog();
  void NoticePointer(POINT screen);
  void AskForRegistrationDialog();
  RegistrationContext RegistrationContextOfRun();
  [[nodiscard]] bool CreatePages(const std::wstring& face);
  void SetCaptions();
  void SetButtonLabels(ButtonTabPage& page);
  void SetTabCaptions();
  void FitTabsToWidth();
  void SetFonts();
  void ApplyPageFonts(PageIndex page, bool again = false);
  void SetupTabsForKeyboard();
  void FillPage(PageIndex page);
  [[nodiscard]] bool MakeShownPage();
  void FillPatternCombo(ButtonTabPage& page) const;
  static bool IsMade(const Dialog* page);
  void Notify();
  bool AskToSave(int& answer);
  // The set-up wizard: what it is given, the wizard-only run, saving what it brings back, and the hand-over
  // of a button to the maker's set-up program (false: nothing was handed over).
  WizardRequest WizardRequestFor(int buttonKind);
  [[noreturn]] void RunWizardOnly(const std::wstring& face);
  bool HandOverToOwnSetup(HWND owner, int b);
  void ReportFailedSave(UINT message);
  std::vector<ButtonTabPage*> FilledButtonPages() const;
  ButtonTabPage* ButtonPage(PageIndex page) const;
  ButtonTabPage* PageOfRecord(int record, int& position) const;
  PageIndex SelectedPage() const;
  // The page of the selected tab, or nullptr.
  Dialog* ShownPage() const;
  void ClearDefaultLook();
  void PostPageShown();
  template <typename Page>
  Page* MadeOrNull(Page* page, PageIndex index) {
    return page != nullptr && tabs_.MakePage(static_cast<int>(index)) ? page : nullptr;
  }

  // The keyboard filter's handlers, one per message it looks at.
  void OnHoverMessage(const MSG& msg);
  void OnLeftButtonDown(const MSG& msg);
  bool OnRightButtonUp(const MSG& msg);
  bool OnAltKey(const MSG& msg);
  bool OnTabKey(const MSG& msg);
  void RunAltCommand(AltCommand command, ButtonTabPage* page);
  FocusAt WhereIsFocus(HWND focus) const;

  ProcessValues& process_;
  MainModel model_;
  CMainTabCtrl tabs_;
  ButtonTabPage* desktop_ = nullptr;
  ButtonTabPage* notebook_ = nullptr;
  CtabMainOSDTab* onScreen_ = nullptr;
  int32_t keyboardBits_ = 0;
  Font uiFont_;
  Font largeFont_;
  int hovered_ = -1;
  bool buttonHasFocus_ = false;
  int focusedLabel_ = 0;
  bool appActive_ = false;
  bool dialogOpen_ = false;
  // Shared by the registration dialog and the wizard for the whole run.
  RegistrationFlags registrationFlags_;
  ImeChangerLocation imeChanger_;
  std::unique_ptr<CfrmSetAp> preparedSetAp_;
  // The pages that have taken the window's fonts: a page takes them when it is first shown.
  std::array<bool, 3> pageFonts_{};
  // Where the pointer was first seen over the window: a move from there asks for the registration dialog ahead.
  std::optional<POINT> firstPointer_;
  bool refused_ = false;
  std::optional<bool> started_;                    // the start-up check's answer, once it ran
  std::u16string commandLineText_;                 // the joined, trimmed command line as typed
  std::vector<std::u16string> patternNames_;       // as last read, for the pages made later
  std::array<int, kButtonSlots> shownPictures_{};  // each button's picture as last chosen, 0 before
  Hook filterHook_;
};

}  // namespace tapstart
