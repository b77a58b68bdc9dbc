// Driving the manager's dialogs in the test's own process: keys through the dialog manager, message boxes
// answered from a second thread, fonts and texts of controls, and a store over the real registry.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Driver_win32.h"
#include "store/RegistryStore_win32.h"
#include "store/SettingsStore.h"

namespace tapstart::test {

// Runs every message waiting for this thread.
inline void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

// A click as the button itself reports it, answered before this returns.
inline void Press(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  Pump();
}

// A key message to the focused control, through the dialog manager as a modal loop would pass it.
inline void Key(HWND dialog, UINT msg, WPARAM key, LPARAM l = 0) {
  MSG m{};
  m.hwnd = GetFocus();
  m.message = msg;
  m.wParam = key;
  m.lParam = l;
  if (!IsDialogMessageW(dialog, &m)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  Pump();
}

inline LOGFONTW FontOf(HWND w) {
  LOGFONTW lf{};
  const auto font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0));
  if (font != nullptr) GetObjectW(font, sizeof lf, &lf);
  return lf;
}

inline std::wstring ListItem(HWND list, int i) {
  const LRESULT n = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
  if (n == LB_ERR) return L"(none)";
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(n));
  return text;
}

// The first top-level dialog of this process with that caption, other than `except`; waits up to the deadline.
inline HWND WaitForOwnDialog(const std::wstring& caption, HWND except, DWORD timeoutMs = 10000) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  do {
    for (HWND w : TopLevelWindows(L"#32770", GetCurrentProcessId(), true))
      if (w != except && TextOf(w) == caption) return w;
    Sleep(20);
  } while (GetTickCount64() < end);
  return nullptr;
}

// Runs `script` on a second thread while `action` runs here: the script answers the modal boxes that the
// action opens (their loops run on this thread and pump its messages).
inline void WithResponder(const std::function<void()>& action, const std::function<void()>& script) {
  std::atomic<bool> done{false};
  std::thread responder([&] {
    script();
    done = true;
  });
  action();
  // Whatever the script still has to do happens while this thread keeps pumping.
  const ULONGLONG end = GetTickCount64() + 20000;
  while (!done && GetTickCount64() < end) {
    Pump();
    Sleep(10);
  }
  responder.join();
}

// The product's store over the real registry, cleared before and after each test.
struct RegistryEnv {
  RegistryEnv() { ClearStore(); }
  ~RegistryEnv() { ClearStore(); }
  RegistryStore backend;
  SettingsStore store{backend};
};

inline std::wstring SetKey(int n) { return std::wstring(kProduct) + L"\\Setting\\Set" + std::to_wstring(n); }

inline std::wstring ReadString(HKEY root, const std::wstring& key, const std::wstring& name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!ReadRaw(root, key, name, type, data) || type != REG_SZ) return L"(missing)";
  std::wstring text(data.size() / 2, L'\0');
  if (!data.empty()) std::memcpy(text.data(), data.data(), text.size() * 2);
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

inline DWORD ReadDword(HKEY root, const std::wstring& key, const std::wstring& name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!ReadRaw(root, key, name, type, data) || type != REG_DWORD || data.size() != 4) return 0xFFFFFFFF;
  DWORD v;
  std::memcpy(&v, data.data(), 4);
  return v;
}

}  // namespace tapstart::test
