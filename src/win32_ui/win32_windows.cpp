#include "win32_ui/win32_ui.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "controls/window.h"
#include "controls/window_system.h"
#include "platform/win32_common.h"
#include "win32_ui/binders.h"
#include "win32_ui/native.h"

namespace win32_ui {

HFONT FontFor(const ui::Font& font) {
  static std::map<std::tuple<std::string, int, bool, bool>, platform::ScopedGdi<HFONT>> fonts;
  const int hundredths = static_cast<int>(font.points * 100 + 0.5);
  platform::ScopedGdi<HFONT>& made = fonts[{font.name, hundredths, font.bold, font.underline}];
  if (!made) {
    const int height = -MulDiv(hundredths, platform::ScreenDpi(), 7200);
    // "MS Sans Serif" is a bitmap font that does not scale with the screen;
    // Windows itself puts its scalable successor in its place.
    const std::wstring face = font.name == "MS Sans Serif" ? L"Microsoft Sans Serif" : platform::ToWide(font.name);
    made = platform::ScopedGdi<HFONT>(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                                  font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                                  CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                                  face.c_str()));
  }
  return made.Get();
}

namespace {

using platform::ToWide;
using platform::TwipsToPixels;

constexpr const wchar_t* kWindowClass = L"AmblerWindow";

class Win32WindowSystem final : public ui::WindowSystem {
 public:
  void Created(ui::Window& window) override;
  void Shown(ui::Window& window) override;
  void Hidden(ui::Window& window) override;
  void RunModal(ui::Window& window) override;
  void Destroyed(ui::Window& window) override;
  void WindowChanged(ui::Window& window) override;
  void ControlChanged(ui::Control& control, const ui::ControlChange& change) override;

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  NativeWindow* Find(const ui::Window& window);
  void CreateNative(NativeWindow& native);
  void CreateControl(NativeWindow& native, NativeControl& c);
  LRESULT Handle(NativeWindow& native, UINT message, WPARAM wParam, LPARAM lParam);
  NativeControl* ControlOf(NativeWindow& native, HWND child);
  void GiveBackActivation(NativeWindow& native);
  void Destroy(NativeWindow* native);

  std::vector<std::unique_ptr<NativeWindow>> windows_;
  // Windows their objects have let go while one of their messages was being
  // handled: destroyed once that is over.
  std::vector<std::unique_ptr<NativeWindow>> released_;
};

Win32WindowSystem& System() {
  static Win32WindowSystem system;
  return system;
}

void CentreOnScreen(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SizeClientArea(HWND hwnd, const ui::Window& window) {
  RECT rect{0, 0, TwipsToPixels(window.ClientWidth()), TwipsToPixels(window.ClientHeight())};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplyTopmost(HWND hwnd, const ui::Window& window) {
  // Only the z-order class changes: no move, no new size (flags 3).
  SetWindowPos(hwnd, window.IsTopmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

NativeWindow* Win32WindowSystem::Find(const ui::Window& window) {
  for (auto& native : windows_)
    if (native->window == &window) return native.get();
  return nullptr;
}

void Win32WindowSystem::Created(ui::Window& window) {
  // The native window is made when the window is first shown: a window that
  // is loaded and never shown (the launch) costs nothing.
  auto native = std::make_unique<NativeWindow>();
  native->window = &window;
  windows_.push_back(std::move(native));
}

void Win32WindowSystem::CreateNative(NativeWindow& native) {
  ui::Window& window = *native.window;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  platform::RegisterWindowClass(kWindowClass, &Win32WindowSystem::Procedure);
  platform::InitCommonControls();
  const DWORD style = window.FixedDialogFrame() ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)
                                                : WS_OVERLAPPEDWINDOW;
  const DWORD exStyle = window.FixedDialogFrame() ? WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW : WS_EX_APPWINDOW;
  // The window procedure learns its object from the creation parameter.
  CreateWindowExW(exStyle, kWindowClass, ToWide(window.Caption()).c_str(), style | WS_CLIPCHILDREN, 0, 0, 100, 100,
                  nullptr, nullptr, instance, &native);
  if (!native.hwnd) return;
  SizeClientArea(native.hwnd, window);
  if (window.Icon()) {
    native.icon = LoadIconW(instance, MAKEINTRESOURCEW(window.Icon()));
    SendMessageW(native.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(native.icon));
    SendMessageW(native.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(native.icon));
  }
  native.tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                   native.hwnd, nullptr, instance, nullptr);

  const auto& controls = window.Controls();
  native.controls.resize(controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    NativeControl& c = native.controls[i];
    c.control = controls[i].get();
    c.binder = &BinderFor(c.control->Kind());
    c.owner = &native;
    c.id = kFirstControlId + static_cast<int>(i);
  }
  // Children are made in tab order, which is also the order Tab visits them.
  std::vector<NativeControl*> order;
  for (auto& c : native.controls) order.push_back(&c);
  std::stable_sort(order.begin(), order.end(),
                   [](const NativeControl* a, const NativeControl* b) { return a->control->TabIndex() < b->control->TabIndex(); });
  for (NativeControl* c : order) CreateControl(native, *c);
  // Labels and frames lie beneath the other controls, which cover them where
  // they overlap (a frame's own controls lie on it).
  for (auto& c : native.controls) {
    const ui::ControlKind kind = c.control->Kind();
    if (c.hwnd && (kind == ui::ControlKind::Label || kind == ui::ControlKind::Frame))
      SetWindowPos(c.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void Win32WindowSystem::CreateControl(NativeWindow& native, NativeControl& c) {
  if (c.binder->HasWindow()) {
    const ui::Control& control = *c.control;
    c.hwnd = CreateWindowExW(c.binder->ExStyle(), c.binder->ClassName(), L"",
                             WS_CHILD | WS_CLIPSIBLINGS | c.binder->Style(control), 0, 0, 0, 0, native.hwnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleW(nullptr), nullptr);
    if (!c.hwnd) return;
    c.binder->Made(c.hwnd);
  }
  c.binder->ShowAll(c);
}

void Win32WindowSystem::Shown(ui::Window& window) {
  NativeWindow* native = Find(window);
  if (!native) return;
  if (!native->hwnd) CreateNative(*native);
  if (!native->hwnd) return;
  CentreOnScreen(native->hwnd);
  ApplyTopmost(native->hwnd, window);
  ShowWindow(native->hwnd, SW_SHOWNORMAL);
  SetForegroundWindow(native->hwnd);
  // Focus on the first control that can take it.
  HWND first = GetNextDlgTabItem(native->hwnd, nullptr, FALSE);
  if (first) SetFocus(first);
  // A text box that takes the focus so shows its text selected, as a dialog's does.
  if (first && (SendMessageW(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) SendMessageW(first, EM_SETSEL, 0, -1);
}

// A modal window gives its owners back their input and the activation before
// it goes: hidden or destroyed first, Windows would activate another program.
void Win32WindowSystem::GiveBackActivation(NativeWindow& native) {
  for (HWND hwnd : native.disabled)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
  native.disabled.clear();
  if (native.activeBefore && IsWindow(native.activeBefore)) SetActiveWindow(native.activeBefore);
  native.activeBefore = nullptr;
}

void Win32WindowSystem::Hidden(ui::Window& window) {
  NativeWindow* native = Find(window);
  if (!native || !native->hwnd) return;
  GiveBackActivation(*native);
  ShowWindow(native->hwnd, SW_HIDE);
}

void Win32WindowSystem::RunModal(ui::Window& window) {
  NativeWindow* modal = Find(window);
  if (!modal) return;
  modal->activeBefore = GetActiveWindow();
  for (auto& other : windows_) {
    if (other.get() != modal && other->hwnd && IsWindowEnabled(other->hwnd) && IsWindowVisible(other->hwnd)) {
      EnableWindow(other->hwnd, FALSE);
      modal->disabled.push_back(other->hwnd);
    }
  }
  platform::PumpUntil([&] { return !window.IsVisible(); });
  if (NativeWindow* still = Find(window)) GiveBackActivation(*still);
}

void Win32WindowSystem::Destroy(NativeWindow* native) {
  GiveBackActivation(*native);
  // Its pictures and brushes go with the record, once the window is gone.
  if (native->hwnd) {
    SetWindowLongPtrW(native->hwnd, GWLP_USERDATA, 0);
    DestroyWindow(native->hwnd);
  }
}

void Win32WindowSystem::Destroyed(ui::Window& window) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](auto& w) { return w->window == &window; });
  if (it == windows_.end()) return;
  std::unique_ptr<NativeWindow> native = std::move(*it);
  windows_.erase(it);
  // The object's controls go now: nothing may reach them from here on.
  native->window = nullptr;
  for (auto& c : native->controls) c.control = nullptr;
  if (native->busy > 0) {
    if (native->hwnd) ShowWindow(native->hwnd, SW_HIDE);
    released_.push_back(std::move(native));
    return;
  }
  Destroy(native.get());
}

void Win32WindowSystem::WindowChanged(ui::Window& window) {
  NativeWindow* native = Find(window);
  if (!native || !native->hwnd) return;
  SetWindowTextW(native->hwnd, ToWide(window.Caption()).c_str());
  SizeClientArea(native->hwnd, window);
  ApplyTopmost(native->hwnd, window);
}

void Win32WindowSystem::ControlChanged(ui::Control& control, const ui::ControlChange& change) {
  NativeWindow* native = Find(control.Owner());
  if (!native || !native->hwnd) return;
  for (auto& c : native->controls) {
    if (!c.control || (!c.hwnd && c.binder->HasWindow())) continue;
    if (c.control == &control) {
      c.binder->Show(c, change);
    } else if (change.what == ui::ControlChange::What::Visible) {
      // A container's controls appear and disappear with it.
      for (const ui::Control* outer = c.control->Container(); outer; outer = outer->Container())
        if (outer == &control) c.binder->Show(c, change);
    }
  }
}

NativeControl* Win32WindowSystem::ControlOf(NativeWindow& native, HWND child) {
  const auto index = static_cast<std::size_t>(GetDlgCtrlID(child) - kFirstControlId);
  if (!child || index >= native.controls.size()) return nullptr;
  NativeControl& c = native.controls[index];
  return c.control && c.hwnd == child ? &c : nullptr;
}

LRESULT CALLBACK Win32WindowSystem::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* native = static_cast<NativeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    native->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(native));
  }
  auto* native = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!native || !native->window) return DefWindowProcW(hwnd, message, wParam, lParam);
  ++native->busy;
  const LRESULT result = System().Handle(*native, message, wParam, lParam);
  if (--native->busy == 0 && !native->window) {
    auto& released = System().released_;
    auto it = std::find_if(released.begin(), released.end(), [&](auto& w) { return w.get() == native; });
    if (it != released.end()) {
      std::unique_ptr<NativeWindow> gone = std::move(*it);
      released.erase(it);
      System().Destroy(gone.get());
    }
  }
  return result;
}

LRESULT Win32WindowSystem::Handle(NativeWindow& native, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (NativeControl* c = ControlOf(native, reinterpret_cast<HWND>(lParam))) {
        c->binder->Command(*c, HIWORD(wParam));
      } else if (!lParam && native.window) {
        // Enter and Escape, as the dialog keys report them.
        if (LOWORD(wParam) == IDOK) native.window->UserPressedEnter();
        if (LOWORD(wParam) == IDCANCEL) native.window->UserPressedEscape();
      }
      return 0;
    case WM_TIMER: {
      const auto index = static_cast<std::size_t>(wParam - kFirstControlId);
      if (index < native.controls.size() && native.controls[index].control &&
          native.controls[index].control->Kind() == ui::ControlKind::Timer)
        static_cast<ui::Timer*>(native.controls[index].control)->Elapse();
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
      if (NativeControl* c = ControlOf(native, reinterpret_cast<HWND>(lParam))) {
        if (const auto& fore = c->control->ForeColor()) SetTextColor(dc, RGB(fore->red, fore->green, fore->blue));
        if (const auto& back = c->control->BackColor()) {
          if (!c->background)
            c->background = platform::ScopedGdi<HBRUSH>(CreateSolidBrush(RGB(back->red, back->green, back->blue)));
          brush = c->background.Get();
        }
      }
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(brush);
    }
    case WM_SETCURSOR:
      if (NativeControl* c = ControlOf(native, reinterpret_cast<HWND>(wParam))) {
        if (HIWORD(lParam) == WM_MOUSEMOVE) c->control->UserMouseMove();
        // The web address reads like a link.
        if (c->control && c->control->GetFont().underline) {
          SetCursor(LoadCursor(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    case WM_CLOSE:
      native.window->RequestClose();
      return 0;
    case kEndOfBurst: {
      const auto index = static_cast<std::size_t>(wParam - kFirstControlId);
      if (index >= native.controls.size() || !native.controls[index].batching) return 0;
      NativeControl& c = native.controls[index];
      c.batching = false;
      SendMessageW(c.hwnd, WM_SETREDRAW, TRUE, 0);
      InvalidateRect(c.hwnd, nullptr, TRUE);
      return 0;
    }
    default: break;
  }
  return DefWindowProcW(native.hwnd, message, wParam, lParam);
}

}  // namespace
}  // namespace win32_ui

namespace win32_ui {

void InstallWin32WindowSystem() {
  ui::SetWindowSystem(&System());
  InstallWin32Host();
}

int RunMessageLoop() {
  return platform::PumpUntil([] { return false; });
}

}  // namespace win32_ui
