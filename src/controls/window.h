#pragma once
// A window: its design values, its controls while it is loaded, and its life
// from load to unload. Loading builds the controls from the design, so every
// load starts from the design values again.

#include <memory>
#include <string>
#include <vector>

#include "controls/controls.h"

namespace ui {

class Window {
 public:
  explicit Window(std::string name);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // The client area in twips.
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientSize(int widthTwips, int heightTwips);
  int Icon() const { return icon_; }
  void SetIcon(int resource) { icon_ = resource; }
  // A fixed frame, without minimise and maximise buttons; shown centred.
  bool FixedDialogFrame() const { return fixedDialogFrame_; }
  void SetFixedDialogFrame(bool fixed) { fixedDialogFrame_ = fixed; }

  // Topmost: above all windows that are not.
  bool IsTopmost() const { return topmost_; }
  void SetTopmost(bool topmost);

  bool IsLoaded() const { return loaded_; }
  bool IsVisible() const { return visible_; }
  bool IsModal() const { return modal_; }

  // Builds the controls and runs the load handler; nothing when loaded.
  void Load();
  // Hides the window and discards its controls.
  void Unload();
  // Loads the window if needed and shows it.
  void Show();
  // Loads the window if needed, shows it and returns when it is hidden.
  void ShowModal();
  void Hide();
  // The close box: unloads unless the window objects.
  void RequestClose();
  // Enter and Escape: the default or the cancel button is clicked, where the
  // window has one that is enabled.
  void UserPressedEnter();
  void UserPressedEscape();

  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Adds a control while the window designs itself; composite controls (the
  // pushpin) place theirs this way.
  template <typename T, typename... Args>
  T& AddControl(Args&&... args) {
    return Add<T>(std::forward<Args>(args)...);
  }

 protected:
  // Creates the controls with their design values.
  virtual void Design() = 0;
  // The window's load event.
  virtual void OnLoad() {}
  // False keeps the window open when it is asked to close.
  virtual bool OnCloseRequest() { return true; }

  template <typename T, typename... Args>
  T& Add(Args&&... args) {
    auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& result = *control;
    controls_.push_back(std::move(control));
    return result;
  }

 private:
  std::string name_;
  std::string caption_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int icon_ = 0;
  bool fixedDialogFrame_ = true;
  bool topmost_ = false;
  bool loaded_ = false;
  bool loading_ = false;
  bool visible_ = false;
  bool modal_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace ui
