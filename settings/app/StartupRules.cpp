// Start-up rules of the settings program, kept apart from the windows that act on them.
#include "StartupRules.h"

#include "store/Text.h"

namespace tapstart {

std::u16string JoinArguments(const std::vector<std::u16string>& args) {
  std::u16string joined;
  for (size_t i = 0; i < args.size(); ++i) {
    if (i != 0) joined += u' ';
    joined += args[i];
  }
  return Trim(joined);
}

StartRequest ParseStartSwitch(std::u16string_view joined) {
  StartRequest r;
  r.commandLineText = Trim(joined);
  std::u16string work = AsciiLower(r.commandLineText);
  std::u16string apPart;
  const auto w = work.find(u"/w:");
  const auto ap = work.find(u"/ap");
  if (w != std::u16string::npos && ap != std::u16string::npos && w < ap) {
    apPart = Trim(std::u16string_view(work).substr(ap));
    work = Trim(std::u16string_view(work).substr(w, ap - w));
  }
  if (work == u"/k") {
    r.accepted = true;
  } else if (work.size() == 4 && work.starts_with(u"/t:")) {
    const std::u16string rest = work.substr(3);
    if (AllDigits(rest) && DecimalValue(rest) <= 2) {
      r.initialTab = DecimalValue(rest);
      r.accepted = true;
    }
  } else if (work.size() == 4 && work.starts_with(u"/w:")) {
    const std::u16string rest = work.substr(3);
    if (AllDigits(rest) && DecimalValue(rest) <= 7) {
      r.wizardOnly = true;
      r.wizardButton = DecimalValue(rest);
      if (apPart.empty()) {
        r.accepted = true;
      } else if (apPart == u"/ap") {
        r.pressAfterWizard = true;
        r.accepted = true;
      }
    }
  }
  if (!r.accepted) {
    r.initialTab = -1;
    r.wizardOnly = false;
    r.wizardButton = 0;
    r.pressAfterWizard = false;
  }
  return r;
}

std::u16string ReadKeyboardType(const SettingsStore& store) {
  std::u16string type = store.GetProfileText(u"VARDENZEB", u"ZebKeyboard", u"0");
  if (type == u"0" || type == u" 0")
    type = DecimalText(store.GetRegDword(Hive::LocalMachine, kProductKey, u"ZEBPAD", 0));
  return type;
}

bool HasLaunchButtons(std::u16string_view keyboardType) { return keyboardType != u"0" && keyboardType != u" 0"; }

bool ReadUseIniFile(const SettingsStore& store) {
  return store.GetRegDword(Hive::LocalMachine, kProductKey, u"ZEBINI", 0) != 0;
}

std::u16string StartupEventName(std::u16string_view programPath, const CaseFolder& fold) {
  std::u16string name = fold(programPath.substr(0, programPath.size() < 260 ? programPath.size() : 260));
  // An event name may hold no "\" (it would name a name space).
  for (auto& c : name)
    if (c == u'\\') c = u'*';
  return name;
}

}  // namespace tapstart
