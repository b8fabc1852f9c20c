#pragma once
// One binder per kind of control: the native class and style it is made
// with, how it shows each change of its object, and how it turns the native
// control's notifications into the object's user input.

#include "controls/control.h"
#include "win32_ui/native.h"

namespace win32_ui {

class Binder {
 public:
  virtual ~Binder() = default;
  // No native window for a timer.
  virtual bool HasWindow() const { return true; }
  virtual const wchar_t* ClassName() const = 0;
  virtual DWORD Style(const ui::Control& control) const = 0;
  virtual DWORD ExStyle() const { return 0; }
  // Shows one change; the common ones (place, font, state, colours) here.
  virtual void Show(NativeControl& native, const ui::ControlChange& change) const;
  // Once, right after the native control was made.
  virtual void Made(HWND) const {}
  // What the native control reported through WM_COMMAND.
  virtual void Command(NativeControl&, int /*code*/) const {}
  // Everything the control shows, right after it was made.
  void ShowAll(NativeControl& native) const;

 protected:
  // The height the native control gets from the design height (a drop-down
  // list is taller than the box it shows).
  virtual int NativeHeight(int designPixels) const { return designPixels; }
  static void SetText(NativeControl& native, const std::string& text);
};

// The binder of a control kind, chosen once when the control is made.
const Binder& BinderFor(ui::ControlKind kind);

}  // namespace win32_ui
