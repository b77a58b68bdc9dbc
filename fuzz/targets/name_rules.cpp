// The name rules of a setting set and the input box that applies them, with a double-byte code page.
#include "FuzzInput.h"
#include "manager/InputBoxModel.h"
#include "manager/NameRules.h"

using namespace tapstart;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  std::vector<std::u16string> existing;
  const int count = in.ConsumeIntegralInRange(0, 10);
  for (int i = 0; i < count; ++i) existing.push_back(fuzz::Utf16Text(in, 30));
  InputBoxRequest request;
  request.mode = static_cast<InputBoxMode>(in.ConsumeIntegralInRange(1, 3));
  request.parameterMode = in.ConsumeBool();
  request.maxLength = in.ConsumeIntegralInRange<size_t>(0, 300);
  request.startText = fuzz::Utf16Text(in, 400);
  request.existingNames = existing;
  const std::u16string name = fuzz::RemainingUtf16(in);

  const NameError error = CheckSetName(name, existing, fuzz::DoubleByteCount);
  if (error == NameError::None) {
    fuzz::Check(!name.empty() && fuzz::DoubleByteCount(name) <= kMaxSetNameBytes);
    for (const std::u16string& e : existing) fuzz::Check(e != name);
  }
  fuzz::Check((NameErrorMessageId(error) == 0) == (error == NameError::None));

  InputBoxModel box(request, fuzz::DoubleByteCount);
  const std::u16string initial = box.InitialText();
  fuzz::Check(!request.parameterMode || request.maxLength == 0 || initial.size() <= request.maxLength);
  const NameError submitted = box.Submit(name);
  fuzz::Check(request.parameterMode ? submitted == NameError::None : submitted == error);
  fuzz::Check((box.Result() == InputBoxModel::kResultOk) == (submitted == NameError::None));
  if (submitted == NameError::None) fuzz::Check(box.Accepted() == name);
  return 0;
}
