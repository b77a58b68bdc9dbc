// The help file's layout: one folder of pages per language, one page per window.
#include "HelpTopics.h"

namespace tapstart {

std::u16string HelpLanguageFolder(uint16_t uiLanguage) {
  switch (uiLanguage) {
    case 1041:
      return u"ja";
    case 2052:
      return u"zh";
    default:
      return u"en";
  }
}

std::u16string HelpPage(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::MainWindow:
      return u"main.htm";
    case HelpTopic::ButtonTab:
      return u"buttons.htm";
    case HelpTopic::OnScreenTab:
      return u"onscreen.htm";
    case HelpTopic::Registration:
      return u"registration.htm";
    case HelpTopic::Wizard:
      return u"wizard.htm";
    case HelpTopic::SettingManager:
      return u"manager.htm";
    case HelpTopic::InputBox:
      return u"inputbox.htm";
  }
  return u"main.htm";  // a value outside the enumeration opens the start page
}

std::u16string HelpAddress(std::u16string_view helpFile, uint16_t uiLanguage, HelpTopic topic) {
  const std::u16string folder = HelpLanguageFolder(uiLanguage);
  return std::u16string(helpFile) + u"::/" + folder + u"/" + HelpPage(topic) + u">" + folder;
}

std::u16string HelpFileBeside(std::u16string_view programPath) {
  const size_t slash = programPath.rfind(u'\\');
  if (slash == std::u16string_view::npos) return u"pantik.chm";
  return std::u16string(programPath.substr(0, slash + 1)) + u"pantik.chm";
}

}  // namespace tapstart
