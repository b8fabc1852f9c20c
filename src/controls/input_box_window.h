#pragma once
// The one-line input box as a window object: a prompt, a text box holding the
// preset, OK (the default button, Enter) and Cancel (Escape, the close box).

#include <optional>
#include <string>

#include "controls/window.h"

namespace ui {

class InputBoxWindow : public Window {
 public:
  InputBoxWindow(std::string prompt, std::string title, std::string preset);

  // Shows it modally; the text when the user chose OK, nothing for Cancel.
  std::optional<std::string> Run();

  TextBox* Text = nullptr;
  Label* Prompt = nullptr;
  Button* Ok = nullptr;
  Button* Cancel = nullptr;

 protected:
  void Design() override;

 private:
  std::string prompt_, preset_;
  std::optional<std::string> result_;
};

}  // namespace ui
