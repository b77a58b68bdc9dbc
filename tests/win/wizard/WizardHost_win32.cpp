// The wizard test fixture.
#include "WizardHost_win32.h"

namespace tapstart::test {
namespace {

class Environment : public testing::Environment {
 public:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, 0xFF};
    InitCommonControlsEx(&icc);
    (void)CoInitialize(nullptr);  // the favourites' shortcuts are read through the shell
  }
};
const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new Environment);

}  // namespace

void WizardTest::SetUp() {
  ClearStore();
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"DTNumAPBtn", 5);
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"NTNumAPBtn", 2);
}

void WizardTest::TearDown() {
  Close();
  ClearStore();
}

void WizardTest::Open(WizardRequest request) {
  wizard_ = std::make_unique<CfrmWizard>(store, std::move(request));
  wizard_->Ask = [this](HWND, const std::wstring& text, const std::wstring&, UINT) {
    asked.push_back(text);
    return answer;
  };
  ASSERT_TRUE(wizard_->Create(nullptr));
  SetForegroundWindow(Sheet());
  Pump();
}

void WizardTest::Close() {
  wizard_.reset();
  Pump();
}

void WizardTest::PressSheet(int button) {
  SendMessageW(Sheet(), PSM_PRESSBUTTON, button, 0);
  Pump();
}

void WizardTest::ClickOnPage(int id) {
  SendMessageW(PageItem(id), BM_CLICK, 0, 0);
  Pump();
}

int WizardTest::FocusId() const {
  HWND focus = GetFocus();
  return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

int WizardTest::DefaultId() const { return LOWORD(SendMessageW(Sheet(), DM_GETDEFID, 0, 0)); }

bool WizardTest::Usable(int id) const {
  HWND button = SheetButton(id);
  return button != nullptr && IsWindowVisible(button) && IsWindowEnabled(button);
}

}  // namespace tapstart::test
