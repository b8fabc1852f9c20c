#pragma once
// The pushpin that pins the window carrying it above all other windows and
// releases it again: a frame of 315 by 300 twips with three pictures, one of
// them visible at a time (Off, Hover, On).

#include <string>

#include "controls/controls.h"

namespace ui {

class AlwaysOnTop {
 public:
  // Places the control on its host window (call from the host's design).
  AlwaysOnTop(Window& host, const std::string& name, int left, int top, Control* container = nullptr);

  void SetWindowAlwayOnTop(Window& FormReferenz);
  bool GetIsOnTop() const { return onTop_; }
  void SetWindowBackToNormal(Window& FormReferenz);
  // Pins (state On); with strSaveSettings it saves the setting once more.
  void SetToTop(bool strSaveSettings = false);
  // Unpins (state Hover); with strSaveSettings it saves the setting once more.
  void SetToNormal(bool strSaveSettings = false);
  // The launcher keeps no settings of its own: there is no store to save to.
  void SaveSettings();
  // Without a store the setting reads as its default, pinned.
  void LoadSettings();

  Frame* Surface = nullptr;
  Picture* AOT_Disabled = nullptr;
  Picture* AOT_MouseMove = nullptr;
  Picture* AOT_Enabled = nullptr;

 private:
  void Show(Picture* visible);
  void Pin();
  void Unpin();

  Window& host_;
  bool onTop_ = false;
};

}  // namespace ui
