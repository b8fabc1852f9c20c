#include "controls/input_box_window.h"

namespace ui {

InputBoxWindow::InputBoxWindow(std::string prompt, std::string title, std::string preset)
    : Window("InputBox"), prompt_(std::move(prompt)), preset_(std::move(preset)) {
  SetCaption(std::move(title));
  SetClientSize(5625, 1950);
}

void InputBoxWindow::Design() {
  // The text box first: it takes the focus.
  Text = &Add<TextBox>("Text", Rect{120, 1440, 5355, 330});
  Prompt = &Add<Label>("Prompt", Rect{120, 120, 4050, 1050});
  Prompt->SetCaption(prompt_);
  Ok = &Add<Button>("Ok", Rect{4350, 120, 1125, 345});
  Ok->SetCaption("OK");
  Ok->SetDefault(true);
  Cancel = &Add<Button>("Cancel", Rect{4350, 540, 1125, 345});
  Cancel->SetCaption("Cancel");
  Cancel->SetCancel(true);
  Ok->Click = [this] {
    result_ = Text->Text();
    Hide();
  };
  Cancel->Click = [this] { Hide(); };
}

std::optional<std::string> InputBoxWindow::Run() {
  result_.reset();
  Load();
  Text->SetText(preset_);
  ShowModal();
  Unload();
  return result_;
}

}  // namespace ui
