#pragma once
// What shows windows: the Win32 binding in the program, a scripted host in
// tests. Windows and controls report every change here.

namespace ui {

class Window;
class Control;

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // The window's controls exist now (it was loaded).
  virtual void Created(Window& window) = 0;
  // Makes the window visible.
  virtual void Shown(Window& window) = 0;
  virtual void Hidden(Window& window) = 0;
  // Runs events until the window is hidden; the window is visible already.
  virtual void RunModal(Window& window) = 0;
  // The window's controls are about to go (it is unloaded).
  virtual void Destroyed(Window& window) = 0;
  virtual void WindowChanged(Window& window) = 0;
  virtual void ControlChanged(Control& control, const ControlChange& change) = 0;
};

// The window system in use; one that shows nothing until another is set.
WindowSystem& CurrentWindowSystem();
// nullptr brings back the one that shows nothing.
void SetWindowSystem(WindowSystem* system);

}  // namespace ui
