// The set-up wizard: a wizard-mode property sheet of seven pages over the portable step machine. It collects
// one button's record and hands it back; it writes nothing to the store itself.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "store/SettingsStore.h"
#include "ui/Dialog_win32.h"
#include "ui/Handles_win32.h"
#include "wizard/CwizButtonName_win32.h"
#include "wizard/CwizFinish_win32.h"
#include "wizard/CwizSelectButton_win32.h"
#include "wizard/CwizSelectLaunchMethod_win32.h"
#include "wizard/CwizSelectMenu_win32.h"
#include "wizard/CwizSelectProgramForSingle_win32.h"
#include "wizard/CwizSomePrograms_win32.h"
#include "wizard/WizardHost_win32.h"

namespace tapstart {

// What the caller gives the wizard.
struct WizardRequest {
  bool wizardOnly = false;  // "/w:": the button is fixed, the button page skipped, a task-bar button of its own
  bool japaneseUi = false;
  WizardButtonContext buttons;
  // Hands hardware button b (1 to 8) over to the maker's own set-up program, for a Japanese-UI button that
  // program serves. It ends the process when the program starts; false keeps the wizard on the button page.
  std::function<bool(HWND sheet, int button)> handOver;
};

// What the wizard hands back: the record only when the user pressed Finish on the finish page.
struct WizardResult {
  bool finished = false;
  int selectedButton = 0;  // among the buttons offered, from 0
  APPKEY_DATA record;
  std::u16string imeChangerCommand;  // the IME changer program, when the IME list named one
};

class CfrmWizard final : public WizardHost, private WizardSystem {
 public:
  CfrmWizard(SettingsStore& store, WizardRequest request);
  ~CfrmWizard() override;
  CfrmWizard(const CfrmWizard&) = delete;
  CfrmWizard& operator=(const CfrmWizard&) = delete;

  // Creates the sheet and all its pages, modeless, and shows the first page. The owner stays enabled: a
  // modal run disables it itself.
  bool Create(HWND owner);
  // Runs the sheet modally: until it ends, the owner is disabled and this thread's messages pass the wizard.
  WizardResult RunModal(HWND owner);

  HWND Hwnd() const { return sheet_; }
  bool Ended() const { return ended_; }
  const WizardResult& Result() const { return result_; }
  // The keyboard and mouse handling before dispatch; true when the message was taken.
  bool PreTranslate(MSG& msg);
  // The wizard's questions (leaving it): the system's message box unless a test answers instead.
  MessageBoxFn Ask = SystemMessageBox;

  // WizardHost
  WizardModel& Model() override { return *model_; }
  void Show(const WizardView& view) override;
  const WizardMachine& Machine() const override { return machine_; }
  const WizardButtonContext& ButtonContext() const override { return request_.buttons; }
  HFONT TextFont() const override { return textFont_.Get(); }
  HFONT TreeFont() const override { return treeFont_.Get(); }
  void PrepareSheet(bool finishPage) override;
  void PressNext() override { Command(WizardDirection::Next); }
  void FocusSheetButton(int id) override;
  void MakeNextDefault() override;

 private:
  // WizardSystem
  bool IsDirectory(std::u16string_view path) const override;
  std::u16string ReadShortcutUrl(std::u16string_view path) const override;
  std::optional<TreeSelection> SelectedTreeItem(int source) const override;
  int SelectedListLine(int source) const override;

  static int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM l);
  static LRESULT CALLBACK SheetProc(HWND sheet, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR data);
  bool OnSheetMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result);
  void MakeFonts(int dpi);
  void OnDpiChanged(int dpi, const RECT* suggested);
  void LoadSources();
  bool AddOtherPages();
  void Initialise();
  void LayOutButtons();
  void CreateOwnFinish();
  void SetTabOrder();
  void FitSheetToPages();
  void PlacePage(HWND page) const;
  DWORD PageFlags() const { return helpShown_ ? PSP_HASHELP : 0; }

  void Command(WizardDirection direction);
  void FillTreesAhead();
  void PressButtonOf(int id);
  void AskToCancel();
  void HandOver(int button);
  void End(bool finished);
  void ShowSystemMenu(POINT at);
  bool MoveAmongButtons(const MSG& msg);
  const WizardSourcePane* PaneOfStep() const;

  SettingsStore& store_;
  WizardRequest request_;
  WizardMachine machine_;
  WizardSetup setup_;
  WizardSourceData sourceData_;
  std::unique_ptr<WizardModel> model_;
  int dpi_ = kBaseDpi;
  Font textFont_;
  Font treeFont_;
  CwizSelectButton selectButton_{*this};
  CwizSelectLaunchMethod launchMethod_{*this};
  CwizSelectMenu selectMenu_{*this};
  CwizSelectProgramForSingle singleProgram_{*this};
  CwizFinish finish_{*this};
  CwizButtonName buttonName_{*this};
  CwizSomePrograms somePrograms_{*this};
  HWND sheet_ = nullptr;
  HWND owner_ = nullptr;
  RECT pagePlace_{};
  bool drivesRead_ = false;
  bool helpShown_ = false;
  bool ended_ = false;
  WizardResult result_;
};

// The wizard as the main window runs it: modal over the owner, the result when it ends.
WizardResult RunWizardSheet(HWND owner, SettingsStore& store, WizardRequest request);

}  // namespace tapstart
