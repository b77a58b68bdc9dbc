// The input box created for real: captions per mode, the name rules with the system's code page, the
// parameter mode, and how it ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "manager/CfrmInputBox_win32.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

class InputBoxDialogTest : public testing::Test {
 protected:
  void Open(const InputBoxRequest& request) {
    box = std::make_unique<CfrmInputBox>(
        request, [this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
          messages.push_back(text);
          EXPECT_EQ(caption, LoadStr(IDS_INPUT_ERROR));
          EXPECT_EQ(type, static_cast<UINT>(MB_OK | MB_ICONERROR));
          return IDOK;
        });
    ASSERT_TRUE(box->CreateModeless(nullptr, LoadStr(IDS_UI_FACE), 9));
    dlg = box->Hwnd();
    ShowWindow(dlg, SW_SHOW);
    SetForegroundWindow(dlg);
    Pump();
  }
  HWND Edit() const { return GetDlgItem(dlg, IDC_INPUT_EDIT); }
  std::pair<DWORD, DWORD> Selection() const {
    DWORD from = 0, to = 0;
    SendMessageW(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    return {from, to};
  }
  // Types a text and presses OK; true when the box stayed open.
  bool SubmitText(const std::wstring& text) {
    SetWindowTextW(Edit(), text.c_str());
    SendMessageW(Edit(), EM_SETSEL, 0, 0);
    Press(dlg, IDC_INPUT_OK);
    return IsWindow(dlg) != FALSE;
  }

  std::unique_ptr<CfrmInputBox> box;
  HWND dlg = nullptr;
  std::vector<std::wstring> messages;
};

TEST_F(InputBoxDialogTest, OpensWithCaptionPromptAndTheStartTextSelected) {
  struct Case {
    InputBoxMode mode;
    bool parameter;
    UINT caption, prompt;
    std::u16string start;
  };
  const Case cases[] = {{InputBoxMode::Add, false, IDS_MGR_ADD, IDS_INPUT_NAME_PROMPT, u""},
                        {InputBoxMode::Copy, false, IDS_MGR_COPY, IDS_INPUT_NAME_PROMPT, u"Work - Copy"},
                        {InputBoxMode::Rename, false, IDS_MGR_RENAME, IDS_INPUT_NAME_PROMPT, u"Home"},
                        {InputBoxMode::Add, true, IDS_PARAMETER_SETTING, IDS_PARAMETER_PROMPT, u"-silent"}};
  for (const Case& c : cases) {
    InputBoxRequest r;
    r.mode = c.mode;
    r.parameterMode = c.parameter;
    r.startText = c.start;
    r.maxLength = 100;
    Open(r);
    EXPECT_EQ(TextOf(dlg), LoadStr(c.caption));
    EXPECT_EQ(TextOf(GetDlgItem(dlg, IDC_INPUT_PROMPT)), LoadStr(c.prompt));
    EXPECT_EQ(TextOf(GetDlgItem(dlg, IDC_INPUT_OK)), LoadStr(IDS_INPUT_OK));
    EXPECT_EQ(TextOf(GetDlgItem(dlg, IDC_INPUT_CANCEL)), LoadStr(IDS_INPUT_CANCEL));
    EXPECT_EQ(TextOf(Edit()), Wide(c.start));
    EXPECT_EQ(GetFocus(), Edit());
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, static_cast<DWORD>(c.start.size())));
    EXPECT_EQ(FontOf(Edit()).lfHeight, LoadRcInt(IDR_HEIGHT_LARGE, 0));
    for (int id : {IDC_INPUT_PROMPT, IDC_INPUT_OK, IDC_INPUT_CANCEL})
      EXPECT_EQ(FontOf(GetDlgItem(dlg, id)).lfHeight, LoadRcInt(IDR_HEIGHT_TEXT, 0)) << id;
    EXPECT_EQ(std::wstring(FontOf(Edit()).lfFaceName), LoadStr(IDS_UI_FACE));
    EXPECT_NE(SendMessageW(dlg, WM_GETICON, ICON_BIG, 0), 0);
    box.reset();
  }
}

TEST_F(InputBoxDialogTest, RefusesBadNamesWithTheirMessageAndKeepsTheTextSelected) {
  InputBoxRequest r;
  r.mode = InputBoxMode::Add;
  r.existingNames = {u"Home", u"Work"};
  Open(r);
  struct Case {
    std::wstring text;
    UINT message;
  };
  const Case refused[] = {{L"", IDS_NAME_EMPTY},
                          {L"Home", IDS_NAME_IN_USE},
                          {L"abcdefghijklmnopqrstu", IDS_NAME_TOO_LONG},  // 21 bytes
                          {L"Work", IDS_NAME_IN_USE}};
  for (const Case& c : refused) {
    messages.clear();
    EXPECT_TRUE(SubmitText(c.text)) << c.text.size();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], LoadStr(c.message));
    EXPECT_EQ(GetFocus(), Edit());
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, static_cast<DWORD>(c.text.size())));
  }
  messages.clear();
  EXPECT_FALSE(SubmitText(L"home"));  // letter case makes another name
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(box->Model().Result(), InputBoxModel::kResultOk);
  EXPECT_EQ(box->Model().Accepted(), u"home");
}

TEST_F(InputBoxDialogTest, TwentyBytesAreAcceptedInTheSystemCodePage) {
  InputBoxRequest r;
  r.mode = InputBoxMode::Rename;
  r.startText = u"Home";
  r.existingNames = {u"Home"};
  Open(r);
  EXPECT_TRUE(SubmitText(L"Home"));  // unchanged name
  EXPECT_EQ(messages, std::vector<std::wstring>{LoadStr(IDS_NAME_IN_USE)});
  EXPECT_FALSE(SubmitText(L"abcdefghijklmnopqrst"));
  EXPECT_EQ(box->Model().Accepted(), u"abcdefghijklmnopqrst");
}

TEST_F(InputBoxDialogTest, ParameterModeLimitsTheEditAndAcceptsAnything) {
  InputBoxRequest r;
  r.parameterMode = true;
  r.maxLength = 8;
  r.startText = u"-config=long.ini";
  r.existingNames = {u"taken"};
  Open(r);
  EXPECT_EQ(TextOf(Edit()), L"-config=");
  EXPECT_EQ(SendMessageW(Edit(), EM_GETLIMITTEXT, 0, 0), 8);
  EXPECT_FALSE(SubmitText(L""));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(box->Model().Result(), InputBoxModel::kResultOk);
  EXPECT_EQ(box->Model().Accepted(), u"");
}

TEST_F(InputBoxDialogTest, CancelEscAndCloseEndWithCancel) {
  for (int id : {IDC_INPUT_CANCEL, IDCANCEL}) {
    InputBoxRequest r;
    r.startText = u"Start";
    Open(r);
    EXPECT_TRUE(SubmitText(L""));  // refused first: the box is still open
    Press(dlg, id);
    EXPECT_FALSE(IsWindow(dlg)) << id;
    EXPECT_EQ(box->Model().Result(), InputBoxModel::kResultCancel) << id;
    EXPECT_EQ(box->Model().Accepted(), u"") << id;
  }
}

TEST(RunInputBox, ModalBoxReturnsTheNameOnOkAndNothingOnCancel) {
  InputBoxRequest r;
  r.mode = InputBoxMode::Copy;
  r.startText = u"Copy Home";
  r.existingNames = {u"Home"};
  struct Case {
    int button;
    std::optional<std::u16string> expected;
  };
  for (const Case& c : {Case{IDC_INPUT_OK, u"Copy Home"}, Case{IDC_INPUT_CANCEL, std::nullopt}}) {
    std::optional<std::u16string> result;
    WithResponder([&] { result = RunInputBox(nullptr, r); },
                  [&] {
                    HWND box = WaitForOwnDialog(LoadStr(IDS_MGR_COPY), nullptr);
                    if (box == nullptr) return;
                    ClickButton(box, c.button);
                    WaitGone(box);
                  });
    EXPECT_EQ(result, c.expected) << c.button;
  }
}

}  // namespace
}  // namespace tapstart::test
