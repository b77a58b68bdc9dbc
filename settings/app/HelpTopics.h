// The pages of the help file: which page explains which window, in which language folder, and the address
// that asks HTML Help for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tapstart {

// The windows that have a help page of their own.
enum class HelpTopic { MainWindow, ButtonTab, OnScreenTab, Registration, Wizard, SettingManager, InputBox };

inline constexpr HelpTopic kHelpTopics[] = {HelpTopic::MainWindow,   HelpTopic::ButtonTab, HelpTopic::OnScreenTab,
                                            HelpTopic::Registration, HelpTopic::Wizard,    HelpTopic::SettingManager,
                                            HelpTopic::InputBox};

// The folder of the pages in a UI language, which is also the name of the help window type of that language:
// "ja" for Japanese (1041), "zh" for Chinese (2052), "en" for every other language.
[[nodiscard]] std::u16string HelpLanguageFolder(uint16_t uiLanguage);

// The page of a topic inside a language folder, for example "registration.htm".
[[nodiscard]] std::u16string HelpPage(HelpTopic topic);

// The page as HTML Help is asked for it: the help file, "::/", folder, "/", page, ">" and the window type,
// for example "C:\Tapstart\pantik.chm::/ja/wizard.htm>ja".
[[nodiscard]] std::u16string HelpAddress(std::u16string_view helpFile, uint16_t uiLanguage, HelpTopic topic);

// The help file beside the program: "pantik.chm" in the folder of programPath (a full path).
[[nodiscard]] std::u16string HelpFileBeside(std::u16string_view programPath);

}  // namespace tapstart
