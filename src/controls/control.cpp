#include "controls/control.h"

#include "controls/window.h"
#include "controls/window_system.h"

namespace ui {

Control::Control(Window& window, ControlKind kind, std::string name, Rect position, Control* container)
    : window_(window), kind_(kind), name_(std::move(name)), position_(position), container_(container) {}

Rect Control::WindowPosition() const {
  Rect rect = position_;
  for (const Control* outer = container_; outer; outer = outer->container_) {
    rect.left += outer->position_.left;
    rect.top += outer->position_.top;
  }
  return rect;
}

void Control::Changed(ControlChange change) { CurrentWindowSystem().ControlChanged(*this, change); }

void Control::SetPosition(Rect position) {
  position_ = position;
  Changed({ControlChange::What::Position});
}

void Control::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed({ControlChange::What::Caption});
}

void Control::SetFont(Font font) {
  font_ = std::move(font);
  Changed({ControlChange::What::Font});
}

void Control::SetForeColor(Color color) {
  foreColor_ = color;
  Changed({ControlChange::What::Colors});
}

void Control::SetBackColor(Color color) {
  backColor_ = color;
  Changed({ControlChange::What::Colors});
}

void Control::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Changed({ControlChange::What::Alignment});
}

void Control::SetToolTip(std::string text) {
  toolTip_ = std::move(text);
  Changed({ControlChange::What::ToolTip});
}

void Control::SetImage(int resource) {
  if (resource == image_) return;
  image_ = resource;
  Changed({ControlChange::What::Image});
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed({ControlChange::What::Visible});
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed({Kind() == ControlKind::Timer ? ControlChange::What::Timer : ControlChange::What::Enabled});
}

bool Control::ShownWithContainers() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->visible_) return false;
  return true;
}

bool Control::Usable() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->enabled_) return false;
  return ShownWithContainers() && window_.IsVisible();
}

void Control::UserClick() {
  if (Usable()) Raise(Click);
}

void Control::UserDoubleClick() {
  if (Usable()) Raise(DblClick);
}

void Control::UserLeave() {
  if (Usable()) Raise(LostFocus);
}

void Control::UserMouseMove() {
  if (Usable()) Raise(MouseMove);
}

}  // namespace ui
