#include "controls/always_on_top.h"

#include "controls/resource_ids.h"
#include "controls/window.h"

namespace ui {

AlwaysOnTop::AlwaysOnTop(Window& host, const std::string& name, int left, int top, Control* container)
    : host_(host) {
  // The size is fixed: 21 by 20 pixels at 15 twips to the pixel.
  Surface = &host.AddControl<Frame>(name, Rect{left, top, 315, 300}, container);
  auto picture = [&](const char* pictureName, int image) {
    Picture& p = host.AddControl<Picture>(pictureName, Rect{0, 0, 315, 300}, Surface);
    p.SetImage(image);
    p.SetToolTip("Always on top");
    return &p;
  };
  AOT_Disabled = picture("AOT_Disabled", IDB_PIN_OFF);
  AOT_MouseMove = picture("AOT_MouseMove", IDB_PIN_OFF);
  AOT_Enabled = picture("AOT_Enabled", IDB_PIN_ON);
  Show(AOT_Disabled);

  AOT_Disabled->MouseMove = [this] { Show(AOT_MouseMove); };
  Surface->MouseMove = [this] {
    if (AOT_MouseMove->Visible()) Show(AOT_Disabled);
  };
  AOT_Disabled->Click = [this] { Pin(); };
  AOT_MouseMove->Click = [this] { Pin(); };
  AOT_Enabled->Click = [this] { Unpin(); };
}

void AlwaysOnTop::Show(Picture* visible) {
  for (Picture* p : {AOT_Disabled, AOT_MouseMove, AOT_Enabled}) p->SetVisible(p == visible);
}

void AlwaysOnTop::Pin() {
  Show(AOT_Enabled);
  SetWindowAlwayOnTop(host_);
}

void AlwaysOnTop::Unpin() {
  Show(AOT_MouseMove);
  SetWindowBackToNormal(host_);
}

void AlwaysOnTop::SetWindowAlwayOnTop(Window& FormReferenz) {
  onTop_ = true;
  SaveSettings();
  FormReferenz.SetTopmost(true);
}

void AlwaysOnTop::SetWindowBackToNormal(Window& FormReferenz) {
  onTop_ = false;
  SaveSettings();
  FormReferenz.SetTopmost(false);
}

void AlwaysOnTop::SetToTop(bool strSaveSettings) {
  Pin();
  if (strSaveSettings) SaveSettings();
}

void AlwaysOnTop::SetToNormal(bool strSaveSettings) {
  Unpin();
  if (strSaveSettings) SaveSettings();
}

void AlwaysOnTop::SaveSettings() {}

void AlwaysOnTop::LoadSettings() { SetToTop(false); }

}  // namespace ui
