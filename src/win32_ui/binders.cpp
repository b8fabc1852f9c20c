#include "win32_ui/binders.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "controls/controls.h"
#include "platform/win32_common.h"

namespace win32_ui {

using platform::ToWide;
using platform::TwipsToPixels;
using What = ui::ControlChange::What;

void Binder::SetText(NativeControl& native, const std::string& text) {
  if (platform::WindowText(native.hwnd) != text) SetWindowTextW(native.hwnd, ToWide(text).c_str());
}

void Binder::Show(NativeControl& native, const ui::ControlChange& change) const {
  const ui::Control& control = *native.control;
  switch (change.what) {
    case What::Caption: SetText(native, control.Caption()); break;
    case What::Position: {
      const ui::Rect place = control.WindowPosition();
      SetWindowPos(native.hwnd, nullptr, TwipsToPixels(place.left), TwipsToPixels(place.top),
                   TwipsToPixels(place.width), NativeHeight(TwipsToPixels(place.height)),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case What::Font:
      SendMessageW(native.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.GetFont())), TRUE);
      break;
    case What::Visible: ShowWindow(native.hwnd, control.ShownWithContainers() ? SW_SHOWNA : SW_HIDE); break;
    case What::Enabled: EnableWindow(native.hwnd, control.Enabled()); break;
    case What::Colors:
      native.background.Reset();  // made again when the control is painted
      InvalidateRect(native.hwnd, nullptr, TRUE);
      break;
    case What::ToolTip: {
      HWND tooltip = native.owner->tooltip;
      if (!tooltip) break;
      std::wstring tip = ToWide(control.ToolTip());
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = native.owner->hwnd;
      tool.uId = reinterpret_cast<UINT_PTR>(native.hwnd);
      SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
      tool.lpszText = tip.data();
      if (!tip.empty()) SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
      break;
    }
    default: break;
  }
}

void Binder::ShowAll(NativeControl& native) const {
  for (What what : {What::Font, What::Caption, What::Text, What::Rows, What::Image, What::ToolTip, What::Position,
                    What::Enabled, What::Visible, What::Timer})
    Show(native, {what});
}

namespace {

class ButtonBinder final : public Binder {
 public:
  const wchar_t* ClassName() const override { return WC_BUTTONW; }
  DWORD Style(const ui::Control& control) const override {
    const bool isDefault = static_cast<const ui::Button&>(control).IsDefault();
    return WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE;
  }
  void Command(NativeControl& native, int code) const override {
    if (code == BN_CLICKED) native.control->UserClick();
  }
};

class FrameBinder final : public Binder {
 public:
  const wchar_t* ClassName() const override { return WC_STATICW; }
  DWORD Style(const ui::Control&) const override { return 0; }
};

class LabelBinder final : public Binder {
 public:
  const wchar_t* ClassName() const override { return WC_STATICW; }
  DWORD Style(const ui::Control& control) const override {
    return SS_NOTIFY | (control.GetAlignment() == ui::Alignment::Center ? SS_CENTER : SS_LEFT);
  }
  void Show(NativeControl& native, const ui::ControlChange& change) const override {
    if (change.what == What::Alignment) {
      const LONG_PTR style = GetWindowLongPtrW(native.hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
      SetWindowLongPtrW(native.hwnd, GWL_STYLE, style | static_cast<LONG_PTR>(Style(*native.control) & SS_TYPEMASK));
      InvalidateRect(native.hwnd, nullptr, TRUE);
      return;
    }
    Binder::Show(native, change);
    if (change.what == What::Caption || change.what == What::Font || change.what == What::Position) FitHeight(native);
  }
  void Command(NativeControl& native, int code) const override {
    if (code == STN_CLICKED) native.control->UserClick();
    if (code == STN_DBLCLK) native.control->UserDoubleClick();
  }

 private:
  // A label grows downwards when the font of this screen needs more lines
  // than its design height holds, so that no line is cut in half.
  static void FitHeight(NativeControl& native) {
    const ui::Rect design = native.control->WindowPosition();
    RECT needed{0, 0, TwipsToPixels(design.width), 0};
    platform::WindowDC dc(native.hwnd);
    dc.Select(FontFor(native.control->GetFont()));
    DrawTextW(dc.Get(), ToWide(native.control->Caption()).c_str(), -1, &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const int height = std::max(TwipsToPixels(design.height), static_cast<int>(needed.bottom));
    SetWindowPos(native.hwnd, nullptr, 0, 0, TwipsToPixels(design.width), height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

// A picture that the design lists in the tab order is a tab stop: with the
// focus it shows a focus rectangle, and the space bar clicks it.
class PictureBinder final : public Binder {
 public:
  const wchar_t* ClassName() const override { return WC_STATICW; }
  DWORD Style(const ui::Control& control) const override {
    return (control.HasTabIndex() ? WS_TABSTOP : 0) | SS_NOTIFY | SS_BITMAP | SS_CENTERIMAGE;
  }
  void Show(NativeControl& native, const ui::ControlChange& change) const override {
    if (change.what == What::Caption) return;
    if (change.what != What::Image) {
      Binder::Show(native, change);
      return;
    }
    const int resource = native.control->Image();
    HBITMAP image = resource ? static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                                                IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))
                             : nullptr;
    // The pictures are drawn for 96 dpi: on another screen they grow as the text does.
    if (image && platform::ScreenDpi() != 96) {
      BITMAP size{};
      GetObjectW(image, sizeof size, &size);
      image = static_cast<HBITMAP>(CopyImage(image, IMAGE_BITMAP, platform::Scale(size.bmWidth),
                                             platform::Scale(size.bmHeight), LR_COPYDELETEORG));
    }
    SendMessageW(native.hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    native.image = platform::ScopedGdi<HBITMAP>(image);
  }
  void Command(NativeControl& native, int code) const override {
    if (code == STN_CLICKED) native.control->UserClick();
    if (code == STN_DBLCLK) native.control->UserDoubleClick();
  }

 private:
  static WNDPROC& Original() {
    static WNDPROC original = nullptr;
    return original;
  }
  void Made(HWND hwnd) const override {
    // Every static control has the same window procedure.
    Original() = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
  }
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_SETFOCUS:
      case WM_KILLFOCUS: InvalidateRect(hwnd, nullptr, TRUE); break;
      case WM_KEYUP:
        if (wParam == VK_SPACE)
          SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
                       reinterpret_cast<LPARAM>(hwnd));
        break;
      case WM_PAINT: {
        const LRESULT result = CallWindowProcW(Original(), hwnd, message, wParam, lParam);
        if (GetFocus() == hwnd) {
          RECT client;
          GetClientRect(hwnd, &client);
          const platform::WindowDC dc(hwnd);
          DrawFocusRect(dc.Get(), &client);
        }
        return result;
      }
      default: break;
    }
    return CallWindowProcW(Original(), hwnd, message, wParam, lParam);
  }
};

class TextBoxBinder final : public Binder {
 public:
  const wchar_t* ClassName() const override { return WC_EDITW; }
  DWORD Style(const ui::Control&) const override { return WS_TABSTOP | ES_AUTOHSCROLL; }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void Show(NativeControl& native, const ui::ControlChange& change) const override {
    if (change.what == What::Caption) return;
    if (change.what == What::Text)
      SetText(native, static_cast<const ui::TextBox&>(*native.control).Text());
    else
      Binder::Show(native, change);
  }
  void Command(NativeControl& native, int code) const override {
    // The text first: a handler of the leave may read it.
    if (code == EN_CHANGE) static_cast<ui::TextBox&>(*native.control).SetText(platform::WindowText(native.hwnd));
    if (code == EN_KILLFOCUS) native.control->UserLeave();
  }
};

// Rows change one by one, but often many in a row ("ALL >>" moves every
// row): the list draws itself again only once the program waits for
// messages, instead of at every row.
void HoldDrawing(NativeControl& native) {
  if (native.batching) return;
  SendMessageW(native.hwnd, WM_SETREDRAW, FALSE, 0);
  native.batching = PostMessageW(native.owner->hwnd, kEndOfBurst, static_cast<WPARAM>(native.id), 0) != 0;
  if (!native.batching) SendMessageW(native.hwnd, WM_SETREDRAW, TRUE, 0);
}

int CurrentRow(const NativeControl& native) {
  return static_cast<int>(SendMessageW(native.hwnd, LB_GETCURSEL, 0, 0));
}

void SelectRow(NativeControl& native, int row) {
  if (CurrentRow(native) != row) SendMessageW(native.hwnd, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void InsertRow(NativeControl& native, int row, const std::string& text) {
  SendMessageW(native.hwnd, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

template <typename RowText>
void FillRows(NativeControl& native, int count, RowText&& rowText, int selected) {
  HoldDrawing(native);
  SendMessageW(native.hwnd, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < count; ++i) InsertRow(native, i, rowText(i));
  SendMessageW(native.hwnd, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

class ListBinderBase : public Binder {
 public:
  const wchar_t* ClassName() const override { return WC_LISTBOXW; }
  DWORD Style(const ui::Control&) const override {
    return WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
};

// A list box or a file list: rows grow, go and change one by one.
class ListBinder final : public ListBinderBase {
 public:
  void Show(NativeControl& native, const ui::ControlChange& change) const override {
    const auto& list = static_cast<const ui::ListBox&>(*native.control);
    switch (change.what) {
      case What::Caption: return;
      case What::Rows: FillRows(native, list.ListCount(), [&](int i) { return list.List(i); }, list.ListIndex()); return;
      case What::RowInserted:
        HoldDrawing(native);
        InsertRow(native, change.row, list.List(change.row));
        break;
      case What::RowRemoved:
        HoldDrawing(native);
        SendMessageW(native.hwnd, LB_DELETESTRING, static_cast<WPARAM>(change.row), 0);
        break;
      case What::RowChanged:
        HoldDrawing(native);
        SendMessageW(native.hwnd, LB_DELETESTRING, static_cast<WPARAM>(change.row), 0);
        InsertRow(native, change.row, list.List(change.row));
        break;
      case What::Selection: HoldDrawing(native); break;
      default: Binder::Show(native, change); return;
    }
    SelectRow(native, list.ListIndex());
  }
  void Command(NativeControl& native, int code) const override {
    auto& list = static_cast<ui::ListBox&>(*native.control);
    if (code == LBN_SELCHANGE) list.UserSelect(CurrentRow(native));
    if (code == LBN_DBLCLK) list.UserDoubleClick();
    if (code == LBN_KILLFOCUS) list.UserLeave();
  }
};

class DirListBinder final : public ListBinderBase {
 public:
  void Show(NativeControl& native, const ui::ControlChange& change) const override {
    const auto& list = static_cast<const ui::DirList&>(*native.control);
    switch (change.what) {
      case What::Caption: return;
      case What::Selection:
        HoldDrawing(native);
        SelectRow(native, list.SelectedRow());
        return;
      case What::Rows:
      case What::RowInserted:
      case What::RowRemoved:
      case What::RowChanged:
        FillRows(native, list.RowCount(), [&](int i) { return list.Row(i); }, list.SelectedRow());
        return;
      default: Binder::Show(native, change); return;
    }
  }
  void Command(NativeControl& native, int code) const override {
    auto& list = static_cast<ui::DirList&>(*native.control);
    if (code == LBN_DBLCLK) list.UserOpenRow(CurrentRow(native));
    if (code == LBN_KILLFOCUS) list.UserLeave();
  }
};

class DriveListBinder final : public Binder {
 public:
  const wchar_t* ClassName() const override { return WC_COMBOBOXW; }
  DWORD Style(const ui::Control&) const override { return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; }
  void Show(NativeControl& native, const ui::ControlChange& change) const override {
    const auto& drives = static_cast<const ui::DriveList&>(*native.control);
    if (change.what == What::Caption) return;
    if (change.what != What::Rows && change.what != What::Selection) {
      Binder::Show(native, change);
      return;
    }
    // A handful of rows, read again with every choice: filled anew.
    SendMessageW(native.hwnd, CB_RESETCONTENT, 0, 0);
    int selected = -1;
    for (std::size_t i = 0; i < drives.Drives().size(); ++i) {
      SendMessageW(native.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(drives.Drives()[i]).c_str()));
      if (drives.Drives()[i] == drives.Drive()) selected = static_cast<int>(i);
    }
    SendMessageW(native.hwnd, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  }
  void Command(NativeControl& native, int code) const override {
    auto& drives = static_cast<ui::DriveList&>(*native.control);
    if (code == CBN_SELCHANGE) {
      const int row = static_cast<int>(SendMessageW(native.hwnd, CB_GETCURSEL, 0, 0));
      if (row >= 0 && row < static_cast<int>(drives.Drives().size()))
        drives.SetDrive(drives.Drives()[static_cast<std::size_t>(row)]);
    }
    if (code == CBN_KILLFOCUS) drives.UserLeave();
  }

 protected:
  int NativeHeight(int designPixels) const override { return designPixels * 8; }
};

class TimerBinder final : public Binder {
 public:
  bool HasWindow() const override { return false; }
  const wchar_t* ClassName() const override { return nullptr; }
  DWORD Style(const ui::Control&) const override { return 0; }
  void Show(NativeControl& native, const ui::ControlChange& change) const override {
    if (change.what != What::Timer || !native.owner->hwnd) return;
    const auto& timer = static_cast<const ui::Timer&>(*native.control);
    if (timer.Enabled())
      SetTimer(native.owner->hwnd, static_cast<UINT_PTR>(native.id), static_cast<UINT>(timer.Interval()), nullptr);
    else
      KillTimer(native.owner->hwnd, static_cast<UINT_PTR>(native.id));
  }
};

}  // namespace

const Binder& BinderFor(ui::ControlKind kind) {
  static const ButtonBinder button;
  static const LabelBinder label;
  static const PictureBinder picture;
  static const FrameBinder frame;
  static const TextBoxBinder textBox;
  static const ListBinder list;
  static const DirListBinder dirList;
  static const DriveListBinder driveList;
  static const TimerBinder timer;
  switch (kind) {
    case ui::ControlKind::Button: return button;
    case ui::ControlKind::Label: return label;
    case ui::ControlKind::Picture: return picture;
    case ui::ControlKind::Frame: return frame;
    case ui::ControlKind::TextBox: return textBox;
    case ui::ControlKind::ListBox:
    case ui::ControlKind::FileList: return list;
    case ui::ControlKind::DirList: return dirList;
    case ui::ControlKind::DriveList: return driveList;
    case ui::ControlKind::Timer: return timer;
  }
  return frame;
}

}  // namespace win32_ui
