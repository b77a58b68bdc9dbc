// Pantik's command line: the arguments joined and the switch decided, then the single-instance name of a path.
#include "FuzzInput.h"
#include "app/StartupRules.h"
#include "store/Text.h"

using namespace tapstart;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::u16string path = fuzz::Utf16Text(in, 400);
  const std::vector<std::u16string> args = fuzz::SplitAtZero(fuzz::RemainingUtf16(in));
  const std::u16string joined = JoinArguments(args);
  fuzz::Check(joined == Trim(joined));
  const StartRequest r = ParseStartSwitch(joined);
  fuzz::Check(r.commandLineText == joined);
  if (r.accepted) {
    fuzz::Check(r.initialTab >= -1 && r.initialTab <= 2);
    fuzz::Check(r.wizardButton >= 0 && r.wizardButton <= 7);
    fuzz::Check(!r.pressAfterWizard || r.wizardOnly);
    fuzz::Check(!(r.wizardOnly && r.initialTab != -1));
  } else {
    fuzz::Check(r.initialTab == -1 && !r.wizardOnly && !r.pressAfterWizard && r.wizardButton == 0);
  }
  // The switch is read without regard to letter case: the same line in lower case decides the same.
  const StartRequest lower = ParseStartSwitch(AsciiLower(joined));
  fuzz::Check(lower.accepted == r.accepted && lower.initialTab == r.initialTab && lower.wizardOnly == r.wizardOnly &&
              lower.wizardButton == r.wizardButton && lower.pressAfterWizard == r.pressAfterWizard);

  const std::u16string name = StartupEventName(path, [](std::u16string_view t) { return std::u16string(t); });
  fuzz::Check(name.size() == (path.size() < 260 ? path.size() : 260));
  fuzz::Check(name.find(u'\\') == std::u16string::npos);
  return 0;
}
