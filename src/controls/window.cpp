#include "controls/window.h"

#include "controls/window_system.h"

namespace ui {
namespace {

class NoWindowSystem final : public WindowSystem {
 public:
  void Created(Window&) override {}
  void Shown(Window&) override {}
  void Hidden(Window&) override {}
  void RunModal(Window& window) override { window.Hide(); }
  void Destroyed(Window&) override {}
  void WindowChanged(Window&) override {}
  void ControlChanged(Control&, const ControlChange&) override {}
};

WindowSystem* installed = nullptr;

}  // namespace

WindowSystem& CurrentWindowSystem() {
  static NoWindowSystem none;
  return installed ? *installed : none;
}

void SetWindowSystem(WindowSystem* system) { installed = system; }

Window::Window(std::string name) : name_(std::move(name)) {}

Window::~Window() {
  if (loaded_) CurrentWindowSystem().Destroyed(*this);
}

void Window::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  if (loaded_) CurrentWindowSystem().WindowChanged(*this);
}

void Window::SetClientSize(int widthTwips, int heightTwips) {
  clientWidth_ = widthTwips;
  clientHeight_ = heightTwips;
  if (loaded_) CurrentWindowSystem().WindowChanged(*this);
}

void Window::SetTopmost(bool topmost) {
  topmost_ = topmost;
  if (loaded_) CurrentWindowSystem().WindowChanged(*this);
}

void Window::Load() {
  if (loaded_ || loading_) return;
  // The load handler may end the program, which a test's host does by throwing.
  struct Loading {
    bool& flag;
    ~Loading() { flag = false; }
  } loading{loading_};
  loading_ = true;
  controls_.clear();
  Design();
  loaded_ = true;
  CurrentWindowSystem().Created(*this);
  OnLoad();
}

void Window::Unload() {
  if (!loaded_) return;
  Hide();
  CurrentWindowSystem().Destroyed(*this);
  loaded_ = false;
  controls_.clear();
}

void Window::Show() {
  Load();
  if (!loaded_ || visible_) return;  // the load handler may have unloaded it
  visible_ = true;
  CurrentWindowSystem().Shown(*this);
}

void Window::ShowModal() {
  Load();
  if (!loaded_ || visible_) return;
  visible_ = true;
  modal_ = true;
  CurrentWindowSystem().Shown(*this);
  CurrentWindowSystem().RunModal(*this);
  modal_ = false;
}

void Window::Hide() {
  if (!visible_) return;
  visible_ = false;
  CurrentWindowSystem().Hidden(*this);
}

void Window::RequestClose() {
  if (OnCloseRequest()) Unload();
}

namespace {

template <typename Is>
void ClickButton(const std::vector<std::unique_ptr<Control>>& controls, Is is) {
  for (const auto& control : controls)
    if (control->Kind() == ControlKind::Button && is(static_cast<const Button&>(*control)) && control->Enabled()) {
      control->UserClick();
      return;
    }
}

}  // namespace

void Window::UserPressedEnter() { ClickButton(controls_, [](const Button& b) { return b.IsDefault(); }); }

void Window::UserPressedEscape() { ClickButton(controls_, [](const Button& b) { return b.IsCancel(); }); }

}  // namespace ui
