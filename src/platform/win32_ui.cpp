#include "platform/win32_ui.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "controls/window.h"
#include "controls/window_system.h"
#include "platform/system_library.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

constexpr const wchar_t* kWindowClass = L"AmblerWindow";
constexpr int kFirstControlId = 100;

struct NativeControl {
  ui::Control* control = nullptr;
  HWND hwnd = nullptr;
  HFONT font = nullptr;
  HBITMAP image = nullptr;
  HBRUSH background = nullptr;
  // The rows of a directory list: ancestors of its path first, then its entries.
  std::vector<std::string> dirRows;
  int dirFirstEntry = 0;
};

struct NativeWindow {
  ui::Window* window = nullptr;
  HWND hwnd = nullptr;
  HWND tooltip = nullptr;
  HICON icon = nullptr;
  std::vector<NativeControl> controls;  // in the window's order; child id = kFirstControlId + index
};

class Win32WindowSystem final : public ui::WindowSystem {
 public:
  void Created(ui::Window& window) override;
  void Shown(ui::Window& window) override;
  void Hidden(ui::Window& window) override;
  void RunModal(ui::Window& window) override;
  void Destroyed(ui::Window& window) override;
  void WindowChanged(ui::Window& window) override;
  void ControlChanged(ui::Control& control) override;

  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  NativeWindow* Find(const ui::Window& window);
  NativeWindow* Find(HWND hwnd);
  NativeControl* Find(ui::Control& control);
  void CreateNative(NativeWindow& native);
  void CreateControl(NativeWindow& native, std::size_t index);
  void Update(NativeControl& native);
  void Command(NativeWindow& native, int id, int code);
  void PumpUntilHidden(ui::Window& window);

  std::vector<std::unique_ptr<NativeWindow>> windows_;
};

Win32WindowSystem& System() {
  static Win32WindowSystem system;
  return system;
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return System().Handle(hwnd, message, wParam, lParam);
}

HFONT MakeFont(const ui::Font& font) {
  const int height = -MulDiv(static_cast<int>(font.points * 100 + 0.5), ScreenDpi(), 7200);
  return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, font.underline, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, ToWide(font.name).c_str());
}

const wchar_t* NativeClass(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::Button: return WC_BUTTONW;
    case ui::ControlKind::TextBox: return WC_EDITW;
    case ui::ControlKind::ListBox:
    case ui::ControlKind::DirList:
    case ui::ControlKind::FileList: return WC_LISTBOXW;
    case ui::ControlKind::DriveList: return WC_COMBOBOXW;
    default: return WC_STATICW;
  }
}

DWORD NativeStyle(const ui::Control& control) {
  switch (control.Kind()) {
    case ui::ControlKind::Button: return WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;
    case ui::ControlKind::TextBox: return WS_TABSTOP | ES_AUTOHSCROLL;
    case ui::ControlKind::ListBox:
    case ui::ControlKind::DirList:
    case ui::ControlKind::FileList: return WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    case ui::ControlKind::DriveList: return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case ui::ControlKind::Picture: return SS_NOTIFY | SS_BITMAP | SS_CENTERIMAGE;
    case ui::ControlKind::Label:
      return SS_NOTIFY | (control.GetAlignment() == ui::Alignment::Center ? SS_CENTER : SS_LEFT);
    default: return 0;
  }
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

// The directory list's rows: every ancestor of the path, then its subdirectories.
void DirectoryRows(const ui::DirList& list, NativeControl& native) {
  native.dirRows.clear();
  const std::string& path = list.Path();
  std::size_t start = 0;
  int depth = 0;
  while (start < path.size()) {
    std::size_t end = path.find_first_of("\\/", start);
    if (end == std::string::npos) end = path.size();
    const std::string name = path.substr(start, end - start) + (depth == 0 ? "\\" : "");
    if (!name.empty()) native.dirRows.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + name);
    ++depth;
    start = end + 1;
  }
  native.dirFirstEntry = static_cast<int>(native.dirRows.size());
  for (const std::string& entry : list.Items()) {
    const auto separator = entry.find_last_of("\\/");
    native.dirRows.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + entry.substr(separator + 1));
  }
}

std::string AncestorOf(const std::string& path, int row) {
  // Row 0 is the root ("C:\"), row n the n-th directory below it.
  std::size_t end = path.find_first_of("\\/");
  for (int i = 0; i < row && end != std::string::npos; ++i) end = path.find_first_of("\\/", end + 1);
  if (end == std::string::npos) return path;
  return path.substr(0, row == 0 ? end + 1 : end);
}

void ApplyTopmost(HWND hwnd, const ui::Window& window) {
  // Only the z-order class changes: no move, no new size (flags 3).
  SetWindowPos(hwnd, window.IsTopmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

// A label grows downwards when the font of this screen needs more lines than
// its design height holds, so that no line is cut in half.
void FitLabelHeight(NativeControl& c) {
  const ui::Rect design = c.control->WindowPosition();
  RECT needed{0, 0, TwipsToPixels(design.width), 0};
  HDC dc = GetDC(c.hwnd);
  HGDIOBJ old = SelectObject(dc, c.font);
  DrawTextW(dc, ToWide(c.control->Caption()).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(c.hwnd, dc);
  const int height = std::max(TwipsToPixels(design.height), static_cast<int>(needed.bottom));
  SetWindowPos(c.hwnd, nullptr, 0, 0, TwipsToPixels(design.width), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

NativeWindow* Win32WindowSystem::Find(const ui::Window& window) {
  for (auto& native : windows_)
    if (native->window == &window) return native.get();
  return nullptr;
}

NativeWindow* Win32WindowSystem::Find(HWND hwnd) {
  for (auto& native : windows_)
    if (native->hwnd == hwnd) return native.get();
  return nullptr;
}

NativeControl* Win32WindowSystem::Find(ui::Control& control) {
  NativeWindow* native = Find(control.Owner());
  if (!native) return nullptr;
  for (auto& c : native->controls)
    if (c.control == &control) return &c;
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
  static bool registered = false;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &WindowProcedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    registered = RegisterClassW(&wc) != 0;
    // Common controls 6 (the manifest picks them) come from the system alone.
    static auto init = SYSTEM_FUNCTION("comctl32.dll", InitCommonControlsEx);
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    if (init) init(&common);
  }
  const DWORD style = window.FixedDialogFrame() ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)
                                                : WS_OVERLAPPEDWINDOW;
  const DWORD exStyle = window.FixedDialogFrame() ? WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW : WS_EX_APPWINDOW;
  native.hwnd = CreateWindowExW(exStyle, kWindowClass, ToWide(window.Caption()).c_str(), style | WS_CLIPCHILDREN, 0, 0,
                                 100, 100, nullptr, nullptr, instance, nullptr);
  if (!native.hwnd) return;
  SizeClientArea(native.hwnd, window);
  if (window.Icon()) {
    native.icon = LoadIconW(instance, MAKEINTRESOURCEW(window.Icon()));
    SendMessageW(native.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(native.icon));
    SendMessageW(native.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(native.icon));
  }
  native.tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                    native.hwnd, nullptr, instance, nullptr);

  // Children are made in tab order, which is also the order Tab visits them.
  std::vector<std::size_t> order(window.Controls().size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return window.Controls()[a]->TabIndex() < window.Controls()[b]->TabIndex();
  });
  native.controls.resize(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) native.controls[i].control = window.Controls()[i].get();
  for (std::size_t index : order) CreateControl(native, index);
  // Labels and frames lie beneath the other controls, which cover them where
  // they overlap (a frame's own controls lie on it).
  for (auto& c : native.controls) {
    const ui::ControlKind kind = c.control->Kind();
    if (c.hwnd && (kind == ui::ControlKind::Label || kind == ui::ControlKind::Frame))
      SetWindowPos(c.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void Win32WindowSystem::CreateControl(NativeWindow& native, std::size_t index) {
  NativeControl& c = native.controls[index];
  ui::Control& control = *c.control;
  if (control.Kind() == ui::ControlKind::Timer) return;
  const ui::Rect rect = control.WindowPosition();
  const bool sunken = control.Kind() == ui::ControlKind::TextBox || control.Kind() == ui::ControlKind::ListBox ||
                      control.Kind() == ui::ControlKind::DirList || control.Kind() == ui::ControlKind::FileList;
  c.hwnd = CreateWindowExW(sunken ? WS_EX_CLIENTEDGE : 0, NativeClass(control.Kind()), L"",
                           WS_CHILD | WS_CLIPSIBLINGS | NativeStyle(control),
                           TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
                           TwipsToPixels(rect.height) * (control.Kind() == ui::ControlKind::DriveList ? 8 : 1),
                           native.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)),
                           GetModuleHandleW(nullptr), nullptr);
  if (!c.hwnd) return;
  c.font = MakeFont(control.GetFont());
  SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), FALSE);
  if (!control.ToolTip().empty() && native.tooltip) {
    std::wstring tip = ToWide(control.ToolTip());
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = native.hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(c.hwnd);
    tool.lpszText = tip.data();
    SendMessageW(native.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  Update(c);
}

void Win32WindowSystem::Update(NativeControl& c) {
  ui::Control& control = *c.control;
  if (control.Kind() == ui::ControlKind::Timer) {
    NativeWindow* native = Find(control.Owner());
    if (!native || !native->hwnd) return;
    const auto id = static_cast<UINT_PTR>(&c - native->controls.data() + kFirstControlId);
    if (control.Enabled())
      SetTimer(native->hwnd, id, static_cast<UINT>(static_cast<ui::Timer&>(control).Interval()), nullptr);
    else
      KillTimer(native->hwnd, id);
    return;
  }
  if (!c.hwnd) return;
  auto setText = [&](const std::string& text) {
    if (WindowText(c.hwnd) != text) SetWindowTextW(c.hwnd, ToWide(text).c_str());
  };
  auto fillList = [&](const std::vector<std::string>& rows, int selected) {
    SendMessageW(c.hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(c.hwnd, LB_RESETCONTENT, 0, 0);
    for (const auto& row : rows)
      SendMessageW(c.hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(row).c_str()));
    SendMessageW(c.hwnd, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageW(c.hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(c.hwnd, nullptr, TRUE);
  };
  switch (control.Kind()) {
    case ui::ControlKind::TextBox: setText(static_cast<ui::TextBox&>(control).Text()); break;
    case ui::ControlKind::ListBox:
    case ui::ControlKind::FileList: {
      auto& list = static_cast<ui::ListBox&>(control);
      fillList(list.Items(), list.ListIndex());
      break;
    }
    case ui::ControlKind::DirList: {
      auto& list = static_cast<ui::DirList&>(control);
      DirectoryRows(list, c);
      fillList(c.dirRows, list.ListIndex() >= 0 ? c.dirFirstEntry + list.ListIndex() : c.dirFirstEntry - 1);
      break;
    }
    case ui::ControlKind::DriveList: {
      auto& drives = static_cast<ui::DriveList&>(control);
      SendMessageW(c.hwnd, CB_RESETCONTENT, 0, 0);
      int selected = -1;
      for (std::size_t i = 0; i < drives.Drives().size(); ++i) {
        SendMessageW(c.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(drives.Drives()[i]).c_str()));
        if (drives.Drives()[i] == drives.Drive()) selected = static_cast<int>(i);
      }
      SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
      break;
    }
    case ui::ControlKind::Picture: {
      HBITMAP image = control.Image() ? static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                                         MAKEINTRESOURCEW(control.Image()),
                                                                         IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))
                                      : nullptr;
      SendMessageW(c.hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
      if (c.image) DeleteObject(c.image);
      c.image = image;
      break;
    }
    default: setText(control.Caption()); break;
  }
  if (c.font) DeleteObject(c.font);
  c.font = MakeFont(control.GetFont());
  SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), TRUE);
  const ui::Rect place = control.WindowPosition();
  SetWindowPos(c.hwnd, nullptr, TwipsToPixels(place.left), TwipsToPixels(place.top), TwipsToPixels(place.width),
               TwipsToPixels(place.height) * (control.Kind() == ui::ControlKind::DriveList ? 8 : 1),
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (control.Kind() == ui::ControlKind::Label) FitLabelHeight(c);
  EnableWindow(c.hwnd, control.Enabled());
  const bool shown = [&] {
    for (const ui::Control* outer = &control; outer; outer = outer->Container())
      if (!outer->Visible()) return false;
    return true;
  }();
  ShowWindow(c.hwnd, shown ? SW_SHOWNA : SW_HIDE);
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
}

void Win32WindowSystem::Hidden(ui::Window& window) {
  NativeWindow* native = Find(window);
  if (native && native->hwnd) ShowWindow(native->hwnd, SW_HIDE);
}

void Win32WindowSystem::PumpUntilHidden(ui::Window& window) {
  MSG message;
  while (window.IsVisible() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    NativeWindow* native = Find(window);
    if (native && IsDialogMessageW(native->hwnd, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32WindowSystem::RunModal(ui::Window& window) {
  NativeWindow* modal = Find(window);
  std::vector<HWND> disabled;
  for (auto& other : windows_) {
    if (other.get() != modal && IsWindowEnabled(other->hwnd) && IsWindowVisible(other->hwnd)) {
      EnableWindow(other->hwnd, FALSE);
      disabled.push_back(other->hwnd);
    }
  }
  PumpUntilHidden(window);
  for (HWND hwnd : disabled)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
}

void Win32WindowSystem::Destroyed(ui::Window& window) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](auto& w) { return w->window == &window; });
  if (it == windows_.end()) return;
  std::unique_ptr<NativeWindow> native = std::move(*it);
  windows_.erase(it);
  for (auto& c : native->controls) {
    if (c.font) DeleteObject(c.font);
    if (c.image) DeleteObject(c.image);
    if (c.background) DeleteObject(c.background);
  }
  if (native->hwnd) DestroyWindow(native->hwnd);
}

void Win32WindowSystem::WindowChanged(ui::Window& window) {
  NativeWindow* native = Find(window);
  if (!native || !native->hwnd) return;
  SetWindowTextW(native->hwnd, ToWide(window.Caption()).c_str());
  SizeClientArea(native->hwnd, window);
  ApplyTopmost(native->hwnd, window);
}

void Win32WindowSystem::ControlChanged(ui::Control& control) {
  if (NativeControl* native = Find(control)) Update(*native);
}

void Win32WindowSystem::Command(NativeWindow& native, int id, int code) {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(native.controls.size())) return;
  NativeControl& c = native.controls[static_cast<std::size_t>(index)];
  ui::Control& control = *c.control;
  switch (control.Kind()) {
    case ui::ControlKind::Button:
      if (code == BN_CLICKED) control.UserClick();
      break;
    case ui::ControlKind::Label:
    case ui::ControlKind::Picture:
      if (code == STN_CLICKED) control.UserClick();
      if (code == STN_DBLCLK) control.UserDoubleClick();
      break;
    case ui::ControlKind::TextBox:
      if (code == EN_CHANGE) static_cast<ui::TextBox&>(control).SetText(WindowText(c.hwnd));
      if (code == EN_KILLFOCUS) control.UserLeave();
      break;
    case ui::ControlKind::ListBox:
    case ui::ControlKind::FileList: {
      auto& list = static_cast<ui::ListBox&>(control);
      if (code == LBN_SELCHANGE)
        list.SetListIndex(static_cast<int>(SendMessageW(c.hwnd, LB_GETCURSEL, 0, 0)));
      if (code == LBN_DBLCLK) control.UserDoubleClick();
      if (code == LBN_KILLFOCUS) control.UserLeave();
      break;
    }
    case ui::ControlKind::DirList: {
      auto& list = static_cast<ui::DirList&>(control);
      const int row = static_cast<int>(SendMessageW(c.hwnd, LB_GETCURSEL, 0, 0));
      if (code == LBN_DBLCLK && row >= 0) {
        if (row < c.dirFirstEntry)
          list.SetPath(AncestorOf(list.Path(), row));
        else
          list.UserOpen(row - c.dirFirstEntry);
      }
      if (code == LBN_KILLFOCUS) control.UserLeave();
      break;
    }
    case ui::ControlKind::DriveList: {
      auto& drives = static_cast<ui::DriveList&>(control);
      if (code == CBN_SELCHANGE) {
        const int row = static_cast<int>(SendMessageW(c.hwnd, CB_GETCURSEL, 0, 0));
        if (row >= 0 && row < static_cast<int>(drives.Drives().size()))
          drives.SetDrive(drives.Drives()[static_cast<std::size_t>(row)]);
      }
      if (code == CBN_KILLFOCUS) control.UserLeave();
      break;
    }
    default: break;
  }
}

LRESULT Win32WindowSystem::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  NativeWindow* native = Find(hwnd);
  if (!native) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      if (lParam) Command(*native, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER: {
      const auto index = static_cast<std::size_t>(wParam - kFirstControlId);
      if (index < native->controls.size() && native->controls[index].control->Kind() == ui::ControlKind::Timer)
        static_cast<ui::Timer*>(native->controls[index].control)->Elapse();
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
      for (auto& c : native->controls) {
        if (c.hwnd != reinterpret_cast<HWND>(lParam)) continue;
        if (c.control->ForeColor()) {
          const ui::Color color = *c.control->ForeColor();
          SetTextColor(dc, RGB(color.red, color.green, color.blue));
        }
        if (c.control->BackColor()) {
          const ui::Color color = *c.control->BackColor();
          if (!c.background) c.background = CreateSolidBrush(RGB(color.red, color.green, color.blue));
          brush = c.background;
        }
      }
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(brush);
    }
    case WM_SETCURSOR:
      for (auto& c : native->controls) {
        if (c.hwnd != reinterpret_cast<HWND>(wParam)) continue;
        if (HIWORD(lParam) == WM_MOUSEMOVE) c.control->UserMouseMove();
        // The web address reads like a link.
        if (c.control->GetFont().underline) {
          SetCursor(LoadCursor(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    case WM_CLOSE:
      native->window->RequestClose();
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void InstallWin32WindowSystem() { ui::SetWindowSystem(&System()); }

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (top && IsDialogMessageW(top, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace platform
