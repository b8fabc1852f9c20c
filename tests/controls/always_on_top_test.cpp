#include "controls/always_on_top.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/scripted_host.h"
#include "controls/window.h"

namespace {

class Host : public ui::Window {
 public:
  Host() : ui::Window("Host") {}
  std::unique_ptr<ui::AlwaysOnTop> pin;

 protected:
  void Design() override { pin = std::make_unique<ui::AlwaysOnTop>(*this, "AlwaysOnTop1", 795, 45); }
};

std::string Showing(const ui::AlwaysOnTop& pin) {
  std::string visible;
  if (pin.AOT_Disabled->Visible()) visible += "Off";
  if (pin.AOT_MouseMove->Visible()) visible += "Hover";
  if (pin.AOT_Enabled->Visible()) visible += "On";
  return visible;
}

TEST(AlwaysOnTop, PinsAndReleasesItsHostThroughItsThreeStates) {
  test::ScriptedHost host;
  Host window;
  window.Show();
  ui::AlwaysOnTop& pin = *window.pin;
  EXPECT_EQ(pin.Surface->Position().width * 1000 + pin.Surface->Position().height, 315300);
  EXPECT_EQ(pin.AOT_Enabled->ToolTip(), "Always on top");
  const auto state = [&] { return Showing(pin) + (window.IsTopmost() ? "+top" : "") + (pin.GetIsOnTop() ? "+on" : ""); };
  const std::pair<std::function<void()>, const char*> steps[] = {
      {[] {}, "Off"},
      {[&] { pin.AOT_Disabled->UserMouseMove(); }, "Hover"},
      {[&] { pin.Surface->UserMouseMove(); }, "Off"},
      {[&] { pin.AOT_Disabled->UserClick(); }, "On+top+on"},
      {[&] { pin.AOT_Enabled->UserClick(); }, "Hover"},
      // The window methods leave the pictures alone.
      {[&] { pin.SetWindowAlwayOnTop(window); }, "Hover+top+on"},
      {[&] { pin.SetWindowBackToNormal(window); }, "Hover"},
      {[&] { pin.SetToTop(true); }, "On+top+on"},
      {[&] { pin.SetToNormal(false); }, "Hover"},
      {[&] { pin.LoadSettings(); }, "On+top+on"},
  };
  for (const auto& [step, expected] : steps) {
    step();
    EXPECT_EQ(state(), expected);
  }
}

}  // namespace
