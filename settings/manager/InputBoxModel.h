// The name input box's state and rules: what it shows, which text it accepts, and how it ended.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "NameRules.h"

namespace tapstart {

enum class InputBoxMode { Add = 1, Copy = 2, Rename = 3 };

// What the caller asks: a set name (mode, start text, the names already in use), or, in parameter mode, a
// program's launch parameter of at most maxLength characters.
struct InputBoxRequest {
  InputBoxMode mode = InputBoxMode::Add;
  bool parameterMode = false;
  std::u16string startText;
  std::vector<std::u16string> existingNames;
  size_t maxLength = 0;  // parameter mode only; 0 leaves the length free
};

class InputBoxModel {
 public:
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  InputBoxModel(InputBoxRequest request, AnsiByteCounter ansiBytes);

  const InputBoxRequest& Request() const { return request_; }
  // String ids of the caption and the prompt.
  unsigned CaptionId() const;
  unsigned PromptId() const;
  // The text the edit starts with; a parameter is cut to the maximum length.
  std::u16string InitialText() const;

  // OK with the edit's text: a parameter is accepted as it is; a name must pass the name rules. On None the box
  // has ended with OK and the text is the accepted one; otherwise it stays open.
  NameError Submit(std::u16string_view text);
  void Cancel() { result_ = kResultCancel; }

  int Result() const { return result_; }
  const std::u16string& Accepted() const { return accepted_; }

 private:
  InputBoxRequest request_;
  AnsiByteCounter ansiBytes_;
  int result_ = kResultCancel;  // closing the box any other way than OK leaves Cancel
  std::u16string accepted_;
};

}  // namespace tapstart
