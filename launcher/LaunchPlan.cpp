// Runvoy's switches.
#include "LaunchPlan.h"

namespace tapstart::launcher {

LaunchPlan PlanFor(std::u16string_view text) {
  LaunchPlan plan;
  if (text == u"/TV") {
    plan = {Source::MachineValue, u"TV_PATH", true, false, kShowMaximized, true};
  } else if (text == u"/CD") {
    plan = {Source::MachineValue, u"CD_PATH", true, false, kShowNormal, true};
  } else if (text == u"/KBIN") {
    plan = {Source::MachineValue, u"KBIN_PATH", false, true, kShowNormal, true};
  } else if (text.size() >= 2 && text[0] == u'/') {
    const std::u16string_view name = text.substr(1);
    switch (name[0]) {
      case u'B':
      case u'b':
        plan = {Source::ProfileKey, name, true, false, kShowNormal, false};
        break;
      case u'S':
      case u's':
        plan = {Source::UserButton, name, true, false, kShowNormal, false};
        break;
      default:
        break;
    }
  }
  return plan;
}

}  // namespace tapstart::launcher
