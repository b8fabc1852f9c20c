#include "controls/always_on_top.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(Showing(pin), "Off");
  EXPECT_FALSE(pin.GetIsOnTop());
  EXPECT_FALSE(window.IsTopmost());
  EXPECT_EQ(pin.Surface->Position().width, 315);
  EXPECT_EQ(pin.Surface->Position().height, 300);
  EXPECT_EQ(pin.AOT_Enabled->ToolTip(), "Always on top");

  pin.AOT_Disabled->UserMouseMove();
  EXPECT_EQ(Showing(pin), "Hover");
  pin.Surface->UserMouseMove();
  EXPECT_EQ(Showing(pin), "Off");

  pin.AOT_Disabled->UserClick();
  EXPECT_EQ(Showing(pin), "On");
  EXPECT_TRUE(pin.GetIsOnTop());
  EXPECT_TRUE(window.IsTopmost());
  pin.AOT_Enabled->UserClick();
  EXPECT_EQ(Showing(pin), "Hover");
  EXPECT_FALSE(window.IsTopmost());

  // The window methods leave the pictures alone.
  pin.SetWindowAlwayOnTop(window);
  EXPECT_TRUE(window.IsTopmost());
  EXPECT_EQ(Showing(pin), "Hover");
  pin.SetWindowBackToNormal(window);
  EXPECT_FALSE(window.IsTopmost());
}

TEST(AlwaysOnTop, SetToTopAndLoadingPin) {
  Host window;
  window.Load();
  ui::AlwaysOnTop& pin = *window.pin;
  pin.SetToTop(true);
  EXPECT_TRUE(window.IsTopmost());
  pin.SetToNormal(false);
  EXPECT_EQ(Showing(pin), "Hover");
  EXPECT_FALSE(window.IsTopmost());
  pin.LoadSettings();
  EXPECT_TRUE(window.IsTopmost());
  EXPECT_EQ(Showing(pin), "On");
}

}  // namespace
