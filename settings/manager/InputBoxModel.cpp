// The name input box's state and rules: what it shows, which text it accepts, and how it ended.
#include "InputBoxModel.h"

#include <utility>

#include "res/resource.h"
#include "store/Text.h"

namespace tapstart {

InputBoxModel::InputBoxModel(InputBoxRequest request, AnsiByteCounter ansiBytes)
    : request_(std::move(request)), ansiBytes_(std::move(ansiBytes)) {}

unsigned InputBoxModel::CaptionId() const {
  if (request_.parameterMode) return IDS_PARAMETER_SETTING;
  switch (request_.mode) {
    case InputBoxMode::Copy:
      return IDS_MGR_COPY;
    case InputBoxMode::Rename:
      return IDS_MGR_RENAME;
    case InputBoxMode::Add:
      break;
  }
  return IDS_MGR_ADD;
}

unsigned InputBoxModel::PromptId() const {
  return request_.parameterMode ? IDS_PARAMETER_PROMPT : IDS_INPUT_NAME_PROMPT;
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
