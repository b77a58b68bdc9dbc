// Opening help through HTML Help, loaded only when a Help button is first pressed.
#include "app/Help_win32.h"

#include <windows.h>

#include <htmlhelp.h>

#include <string>

#include "res/resource.h"
#include "ui/Resources_win32.h"
#include "ui/SystemLibrary_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

void BringForward(HWND window) {
  HWND popup = GetLastActivePopup(window);
  SetForegroundWindow(popup != nullptr ? popup : window);
}

bool OfThisProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

}  // namespace

void OpenHelp(HelpTopic topic) {
  const std::wstring title = LoadStr(IDS_TITLE) + LoadStr(IDS_HELP_SUFFIX);
  const HWND open = FindWindowW(L"HH Parent", title.c_str());
  if (open != nullptr && !OfThisProcess(open)) {
    BringForward(open);
    return;
  }
  const auto htmlHelp = SystemFunction<HtmlHelpFunction>(L"hhctrl.ocx", "HtmlHelpW");
  if (htmlHelp == nullptr) return;  // a system without HTML Help has no help to show

  // The pages quote the captions on the screen, which come from the string table of the thread's UI language.
  const LANGID language = GetThreadUILanguage();
  const std::wstring file = Wide(HelpFileBeside(Utf16(ProgramPath())));
  const std::wstring folder = Wide(HelpLanguageFolder(language));
  const std::wstring home = folder + L"/main.htm";
  // The help file names its window types in one code page only; given here, the title is right in every
  // language whatever the system's code page, and it is the title the search above looks for.
  HH_WINTYPE window{};
  window.cbStruct = sizeof window;
  window.fUniCodeStrings = TRUE;
  window.pszType = folder.c_str();
  window.pszCaption = title.c_str();
  window.pszHome = home.c_str();
  (void)htmlHelp(nullptr, (file + L">" + folder).c_str(), HH_SET_WIN_TYPE, reinterpret_cast<DWORD_PTR>(&window));
  // The window type of the language is one window: asked again, HTML Help turns the open one to the page.
  const HWND shown = htmlHelp(nullptr, Wide(HelpAddress(Utf16(file), language, topic)).c_str(), HH_DISPLAY_TOPIC, 0);
  if (shown != nullptr) BringForward(shown);
}

}  // namespace tapstart
