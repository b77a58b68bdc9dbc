// The several-programs page: sources packed without gaps, and program names the user reads but cannot type.
#include "wizard/CwizSomePrograms_win32.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/Controls_win32.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"
#include "wizard/WizardPageRules.h"

namespace tapstart {
namespace {

constexpr int kSources[kSeveralSourceCount] = {IDC_WIZO_START_MENU, IDC_WIZO_MEDIA_CENTER, IDC_WIZO_FAVORITES,
                                               IDC_WIZO_ALL_FILES, IDC_WIZO_SHORTCUT_KEY};
constexpr int kEdits[kProgramsPerButton] = {IDC_WIZO_EDIT1, IDC_WIZO_EDIT2, IDC_WIZO_EDIT3, IDC_WIZO_EDIT4,
                                            IDC_WIZO_EDIT5};
constexpr int kLabels[kProgramsPerButton] = {IDC_WIZO_LABEL1, IDC_WIZO_LABEL2, IDC_WIZO_LABEL3, IDC_WIZO_LABEL4,
                                             IDC_WIZO_LABEL5};
constexpr UINT_PTR kEditSubclass = 1;

// Moves the caret one character without selecting.
void MoveCaret(HWND edit, int step) {
  DWORD start = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit));
  DWORD at = start;
  if (step < 0 && at > 0) --at;
  if (step > 0 && at < length) ++at;
  SendMessageW(edit, EM_SETSEL, at, at);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

}  // namespace

CwizSomePrograms::CwizSomePrograms(WizardHost& host) : CwizPage(IDD_WIZ_SOME, host, false) {}

BOOL CwizSomePrograms::OnInitDialog() {
  CwizPage::OnInitDialog();
  for (int id : kEdits) SetWindowSubclass(Item(id), EditProc, kEditSubclass, 0);
  sources_.Attach(std::nullopt);
  return TRUE;
}

bool CwizSomePrograms::OnPageNotify(NMHDR* header, LRESULT& result) { return SourceNotify(sources_, *header, result); }

void CwizSomePrograms::OnDestroy() {
  for (int id : kEdits) RemoveWindowSubclass(Item(id), EditProc, kEditSubclass);
}

void CwizSomePrograms::SetTexts() {
  ApplyCaptions(hwnd_, {{IDC_WIZO_TEXT, IDS_WIZ_SOME_TEXT},
                        {IDC_WIZO_HINT, IDS_WIZ_SOME_HINT},
                        {IDC_WIZO_START_MENU, IDS_WIZ_FROM_START_MENU},
                        {IDC_WIZO_MEDIA_CENTER, IDS_WIZ_FROM_MEDIA_CENTER},
                        {IDC_WIZO_FAVORITES, IDS_WIZ_FROM_FAVORITES},
                        {IDC_WIZO_ALL_FILES, IDS_WIZ_FROM_ALL_FILES},
                        {IDC_WIZO_SHORTCUT_KEY, IDS_WIZ_FROM_SHORTCUT_KEY}});
  const std::wstring program = LoadStr(IDS_WIZ_PROGRAM_LABEL);
  for (int k = 0; k < kProgramsPerButton; ++k) SetItemText(kLabels[k], program + std::to_wstring(k + 1));
}

void CwizSomePrograms::Prepare() {
  if (!packed_) PackRadios();
  sources_.Show(host_.Model().SourceIndex());
  ShowProgramNames(host_.Model().ProgramNames(), host_.Model().WritableSlot());
}

// Once per run: slot 0 is the first radio's own place, the others follow 25 pixels apart.
void CwizSomePrograms::PackRadios() {
  packed_ = true;
  const RECT first = ChildRect(hwnd_, Item(kSources[0]));
  const auto boxes =
      PackSeveralSourceRadios({first.top, first.bottom - first.top}, host_.Model().SeveralOffered(), Dpi());
  PlaceRadios(kSources, boxes.data(), kSeveralSourceCount);
}

std::vector<std::vector<int>> CwizSomePrograms::RadioGroups() const {
  return {{std::begin(kSources), std::end(kSources)}};
}

void CwizSomePrograms::ShowProgramNames(const std::array<std::u16string, kProgramsPerButton>& names, int writableSlot) {
  for (int k = 0; k < kProgramsPerButton; ++k) {
    SetItemText(kEdits[k], Wide(names[k]));
    SendItem(kEdits[k], EM_SETREADONLY, k != writableSlot);
    currentSlot_[k] = k == writableSlot;
  }
}

bool CwizSomePrograms::OnButtonClicked(int id) {
  for (int source = 0; source < kSeveralSourceCount; ++source) {
    if (kSources[source] != id) continue;
    const WizardView view = host_.Model().ChooseSeveralSource(source);
    sources_.Show(host_.Model().SourceIndex());
    host_.Show(view);
    host_.MakeNextDefault();
    return true;
  }
  return false;
}

bool CwizSomePrograms::OnCommand(int id, int code, HWND control) {
  for (int edit : kEdits) {
    if (edit != id || code != EN_SETFOCUS) continue;
    // The start of the name is what tells programs apart.
    SendMessageW(control, EM_SETSEL, 0, 0);
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
    return true;
  }
  const int source = WizardSourcePane::ListSource(id);
  if (source < 0 || code != LBN_SELCHANGE) return false;
  host_.Show(host_.Model().SelectListLine(sources_.SelectedLine(source)));
  host_.MakeNextDefault();
  return true;
}

// The names are the wizard's to write: typed characters, pastes and cuts go nowhere; Tab, Delete and the
// context-menu key pass; the arrows move the caret.
LRESULT CALLBACK CwizSomePrograms::EditProc(HWND edit, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_KEYDOWN:
      switch (ProgramEditKey(static_cast<int>(w))) {
        case EditKey::Pass:
          break;
        case EditKey::CaretLeft:
          MoveCaret(edit, -1);
          return 0;
        case EditKey::CaretRight:
          MoveCaret(edit, 1);
          return 0;
        case EditKey::Swallow:
          return 0;
      }
      break;
    case WM_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      return 0;
    default:
      break;
  }
  return DefSubclassProc(edit, msg, w, l);
}

}  // namespace tapstart
