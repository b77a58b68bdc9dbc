// The name input box's state and rules: what it shows, which text it accepts, and how it ended.
#include "InputBoxModel.h"

#include <utility>

#include "store/Text.h"

namespace tapstart {

InputBoxModel::InputBoxModel(InputBoxRequest request, AnsiByteCounter ansiBytes)
    : request_(std::move(request)), ansiBytes_(std::move(ansiBytes)) {}

int InputBoxModel::CaptionId() const {
  if (request_.parameterMode) return 3106;  // "Parameter Setting"
  switch (request_.mode) {
    case InputBoxMode::Copy:
      return 3044;  // "Copy"
    case InputBoxMode::Rename:
      return 3045;  // "Rename"
    case InputBoxMode::Add:
      break;
  }
  return 3042;  // "Add"
}

int InputBoxModel::PromptId() const {
  return request_.parameterMode ? 3107   // "Please input parameter."
                                : 3053;  // "Enter new pattern name."
}

std::u16string InputBoxModel::InitialText() const {
  if (request_.parameterMode && request_.maxLength > 0) return CutUnits(request_.startText, request_.maxLength);
  return request_.startText;
}

NameError InputBoxModel::Submit(std::u16string_view text) {
  const NameError error =
      request_.parameterMode ? NameError::None : CheckSetName(text, request_.existingNames, ansiBytes_);
  if (error == NameError::None) {
    result_ = kResultOk;
    accepted_ = std::u16string(text);
  }
  return error;
}

}  // namespace tapstart
