#pragma once
// Windows and controls as plain objects: design values in twips, captions,
// values and event handlers. A window system (the Win32 binding, or a test's
// scripted host) shows them; the objects do not know which one.

#include <functional>
#include <optional>
#include <string>

namespace ui {

class Window;

// Positions and sizes in twips, relative to the window or the container.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Color {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;
  bool operator==(const Color&) const = default;
};

struct Font {
  std::string name = "MS Sans Serif";
  double points = 8.25;
  bool bold = false;
  bool underline = false;
};

enum class ControlKind { Button, Label, Picture, TextBox, ListBox, DriveList, DirList, FileList, Timer, Frame };
enum class Alignment { Left, Center };

using Handler = std::function<void()>;

// What a change of a control touched, as its window system hears of it: so
// that a font is made only when the font changed, and a list grows by the
// rows added instead of being filled again.
struct ControlChange {
  enum class What {
    Caption, Position, Font, Colors, Alignment, ToolTip, Image, Visible, Enabled,
    Text,         // a text box's text
    Rows,         // a list's rows, all of them (and its selection)
    RowInserted,  // row `row` is new; the rows behind it moved down
    RowRemoved,   // row `row` is gone
    RowChanged,   // row `row` reads differently
    Selection,    // a list's selected row, a drive list's drive
    Timer,        // a timer was started or stopped
  };
  What what;
  int row = -1;
};

class Control {
 public:
  Control(Window& window, ControlKind kind, std::string name, Rect position, Control* container);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Window& Owner() const { return window_; }
  Control* Container() const { return container_; }

  const Rect& Position() const { return position_; }
  void SetPosition(Rect position);
  // The position relative to the window's client area.
  Rect WindowPosition() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const Font& GetFont() const { return font_; }
  void SetFont(Font font);
  const std::optional<Color>& ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);
  const std::optional<Color>& BackColor() const { return backColor_; }
  void SetBackColor(Color color);
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  const std::string& ToolTip() const { return toolTip_; }
  void SetToolTip(std::string text);
  int TabIndex() const { return tabIndex_; }
  // The design lists the control in the window's tab order.
  bool HasTabIndex() const { return hasTabIndex_; }
  void SetTabIndex(int index) {
    tabIndex_ = index;
    hasTabIndex_ = true;
  }
  // Pictures and picture buttons show an image of the program's resources.
  int Image() const { return image_; }
  void SetImage(int resource);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Visible, and so is every container around it.
  bool ShownWithContainers() const;
  // Visible and enabled, and so is every container around it, in a visible window.
  bool Usable() const;

  // Event handlers; each runs whether the user or the program caused it.
  Handler Click;
  Handler DblClick;
  Handler Change;
  Handler LostFocus;
  Handler MouseMove;

  // What the user does, as the window system reports it. A control that is
  // hidden or disabled does not take it.
  void UserClick();
  void UserDoubleClick();
  void UserLeave();
  void UserMouseMove();

 protected:
  // Tells the window system what the control shows differently now.
  void Changed(ControlChange change);
  static void Raise(const Handler& handler) {
    if (handler) handler();
  }

 private:
  Window& window_;
  ControlKind kind_;
  std::string name_;
  Rect position_;
  Control* container_;
  std::string caption_;
  Font font_;
  std::optional<Color> foreColor_;
  std::optional<Color> backColor_;
  Alignment alignment_ = Alignment::Left;
  std::string toolTip_;
  int tabIndex_ = 0;
  bool hasTabIndex_ = false;
  int image_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
};

}  // namespace ui
