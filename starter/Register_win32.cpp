// Register: asks whether to open the settings program and starts it on a tab, one instance at a time. Its one
// window is message-only; what the user sees is the question box, owned by that window.
#include <windows.h>

#include <string>

#include "StarterRules.h"
#include "launcher/CommandLine.h"
#include "res/resource.h"
#include "ui/Handles_win32.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart::starter {
namespace {

// Posted to the window on creation: the question is asked once the message loop runs.
constexpr UINT kAsk = WM_USER;

struct Run {
  HINSTANCE instance;
  std::wstring title;
  std::wstring windowClass;
  std::u16string_view switchText;
  bool asked = false;
};

void StartSettings(std::u16string_view switchText) {
  const SettingsStart start = SettingsStartFor(Utf16(ProgramPath()), switchText);
  std::wstring line = Wide(start.commandLine);
  const std::wstring directory = Wide(start.directory);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  // The user has just answered the question: the settings program is to come to the front. Refused when
  // Register has lost the right to hand on the foreground; the system's rules then decide.
  AllowSetForegroundWindow(ASFW_ANY);
  // A failed start is not reported: the user is told nothing either way.
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &si, &pi))
    return;
  const KernelHandle thread(pi.hThread), process(pi.hProcess);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      PostMessageW(window, kAsk, 0, 0);
      return 0;
    }
    case kAsk: {
      auto* run = reinterpret_cast<Run*>(GetWindowLongPtrW(window, GWLP_USERDATA));
      if (run == nullptr || run->asked) return 0;
      run->asked = true;
      if (!run->switchText.empty()) {
        const std::wstring question = LoadStr(IDS_QUESTION, run->instance);
        if (MessageBoxW(window, question.c_str(), run->title.c_str(),
                        MB_OKCANCEL | MB_ICONQUESTION | MB_SETFOREGROUND) == IDOK)
          StartSettings(run->switchText);
      }
      DestroyWindow(window);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

struct Search {
  const std::wstring* title;
  const std::wstring* ownerClass;
  HWND question = nullptr;  // a dialog with the title, owned by a Register window
  HWND titled = nullptr;    // the first dialog with the title
};

BOOL CALLBACK FindQuestion(HWND w, LPARAM l) {
  auto* s = reinterpret_cast<Search*>(l);
  wchar_t name[16] = {};
  if (GetClassNameW(w, name, 16) == 0 || lstrcmpW(name, L"#32770") != 0) return TRUE;
  const int length = GetWindowTextLengthW(w);
  if (length != static_cast<int>(s->title->size())) return TRUE;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(w, text.data(), length + 1)));
  if (text != *s->title) return TRUE;
  if (s->titled == nullptr) s->titled = w;
  wchar_t ownerClass[256] = {};
  const HWND owner = GetWindow(w, GW_OWNER);
  if (owner != nullptr && GetClassNameW(owner, ownerClass, 256) > 0 && *s->ownerClass == ownerClass) {
    s->question = w;
    return FALSE;
  }
  return TRUE;
}

// Brings the first instance's question to the front. The settings program's own dialogs can bear the same
// title; a dialog owned by a Register window is preferred, the first titled dialog taken when there is none.
void BringQuestionForward(const std::wstring& title, const std::wstring& windowClass) {
  Search search{&title, &windowClass};
  EnumWindows(FindQuestion, reinterpret_cast<LPARAM>(&search));
  const HWND target = search.question != nullptr ? search.question : search.titled;
  if (target != nullptr) SetForegroundWindow(target);
}

}  // namespace

int RunStarter(HINSTANCE instance, int show) {
  Run run{instance, LoadStr(IDS_QUESTION_TITLE, instance), LoadStr(IDS_WINDOW_CLASS, instance), {}};
  const std::wstring mutexName = LoadStr(IDS_MUTEX_NAME, instance);

  KernelHandle mutex;
  if (KeepsSingleInstance(Utf16(mutexName))) {
    mutex.Reset(CreateMutexW(nullptr, FALSE, mutexName.c_str()));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
      BringQuestionForward(run.title, run.windowClass);
      return 0;
    }
  }

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_REGISTER));
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_REGISTER_SMALL), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = run.windowClass.c_str();
  // Registration failing leaves the window below uncreated, which ends the run.
  RegisterClassExW(&wc);

  run.switchText = SwitchFor(launcher::ArgumentText(reinterpret_cast<const char16_t*>(GetCommandLineW())));
  const HWND window =
      CreateWindowExW(0, run.windowClass.c_str(), run.title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, HWND_MESSAGE, nullptr, instance, &run);
  if (window == nullptr) return 0;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace tapstart::starter

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
  return tapstart::starter::RunStarter(instance, show);
}
