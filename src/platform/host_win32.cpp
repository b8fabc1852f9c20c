#include <windows.h>

#include <vector>

#include "platform/host.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

// The one-line input box: a prompt, a text box holding the preset, OK and Cancel.
class InputBoxWindow {
 public:
  std::optional<std::string> Run(const std::string& prompt, const std::string& title, const std::string& preset) {
    static const wchar_t* const kClass = L"AmblerInputBox";
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(kClass, &InputBoxWindow::Procedure);
    const int width = Scale(375), height = Scale(130);
    HWND owner = GetActiveWindow();
    RECT frame{0, 0, width, height};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int outerWidth = frame.right - frame.left, outerHeight = frame.bottom - frame.top;
    window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, ToWide(title).c_str(), style,
                              (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2, outerWidth, outerHeight, owner,
                              nullptr, instance, this);
    if (!window_) return std::nullopt;
    HFONT font = DialogFont();
    auto child = [&](const wchar_t* cls, const std::string& text, DWORD childStyle, int x, int y, int w, int h, int id) {
      HWND hwnd = CreateWindowExW(cls == std::wstring(L"EDIT") ? WS_EX_CLIENTEDGE : 0, cls, ToWide(text).c_str(),
                                  WS_CHILD | WS_VISIBLE | childStyle, Scale(x), Scale(y), Scale(w), Scale(h), window_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
      SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      return hwnd;
    };
    child(L"STATIC", prompt, SS_LEFT, 8, 8, 270, 70, 0);
    child(L"BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 290, 8, 75, 23, IDOK);
    child(L"BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, 290, 36, 75, 23, IDCANCEL);
    edit_ = child(L"EDIT", preset, WS_TABSTOP | ES_AUTOHSCROLL, 8, 96, 357, 22, 100);
    SendMessageW(edit_, EM_SETSEL, 0, -1);

    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(edit_);
    PumpUntil([this] { return done_; });
    if (owner) EnableWindow(owner, TRUE);
    DestroyWindow(window_);
    if (owner) SetActiveWindow(owner);
    return result_;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<InputBoxWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
      if (LOWORD(wParam) == IDOK) self->result_ = WindowText(self->edit_);
      self->done_ = true;
      return 0;
    }
    if (self && message == WM_CLOSE) {
      self->done_ = true;
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  HWND edit_ = nullptr;
  bool done_ = false;
  std::optional<std::string> result_;
};

class Win32HostImpl final : public Host {
 public:
  MsgResult ShowMessage(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                        const std::string& title) override {
    UINT style = MB_SETFOREGROUND | (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK);
    switch (icon) {
      case MsgIcon::Critical: style |= MB_ICONHAND; break;
      case MsgIcon::Question: style |= MB_ICONQUESTION; break;
      case MsgIcon::Information: style |= MB_ICONINFORMATION; break;
      case MsgIcon::None: break;
    }
    const int answer = MessageBoxW(GetActiveWindow(), ToWide(prompt).c_str(), ToWide(title).c_str(), style);
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    return answer == IDYES ? MsgResult::Yes : MsgResult::No;
  }

  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& preset) override {
    InputBoxWindow box;
    return box.Run(prompt, title, preset);
  }

  void Beep() override { MessageBeep(MB_OK); }

  void DoEvents() override {
    PumpUntil([] { return false; }, false);
  }

  [[noreturn]] void EndProgram() override { ExitProcess(0); }
};

}  // namespace

Host& Win32Host() {
  static Win32HostImpl host;
  return host;
}

}  // namespace platform
