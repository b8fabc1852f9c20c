#pragma once
// The native side of a window object: its window handle and one native
// control per control, each with the binder of its kind.

#include <windows.h>

#include <memory>
#include <vector>

#include "controls/window.h"
#include "platform/scoped_win32.h"

namespace win32_ui {

class Binder;
struct NativeWindow;

struct NativeControl {
  ui::Control* control = nullptr;
  const Binder* binder = nullptr;
  NativeWindow* owner = nullptr;
  int id = 0;  // the child window's id, and the timer's
  HWND hwnd = nullptr;
  platform::ScopedGdi<HBITMAP> image;
  platform::ScopedGdi<HBRUSH> background;
  // Drawing is held back while the program changes many rows in a row.
  bool batching = false;
};

struct NativeWindow {
  ui::Window* window = nullptr;  // nullptr once the object has let it go
  HWND hwnd = nullptr;
  HWND tooltip = nullptr;
  HICON icon = nullptr;
  std::vector<NativeControl> controls;  // in the window's order; id = kFirstControlId + index
  // While shown modally: the windows it disabled, and the one active before it.
  std::vector<HWND> disabled;
  HWND activeBefore = nullptr;
  // Messages of this window being handled right now: it is destroyed only
  // when none is, so that a handler may unload its own window.
  int busy = 0;
};

inline constexpr int kFirstControlId = 100;
// Posted to the window with a control's id: the burst of changes that held
// back its drawing is over, since the program waits for messages again.
inline constexpr UINT kEndOfBurst = WM_APP + 1;

// The font of that style, made once for the whole run.
HFONT FontFor(const ui::Font& font);

}  // namespace win32_ui
