#pragma once
// The kinds of control the program's windows use. Setting a value runs the
// control's change handler when (and only when) the value really changes,
// nested inside the code that set it.

#include <string>
#include <vector>

#include "controls/control.h"

namespace ui {

class Button : public Control {
 public:
  Button(Window& w, std::string name, Rect r, Control* container = nullptr)
      : Control(w, ControlKind::Button, std::move(name), r, container) {}
  // Enter clicks the default button of its window, Escape the cancel button.
  bool IsDefault() const { return default_; }
  void SetDefault(bool isDefault) { default_ = isDefault; }
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool isCancel) { cancel_ = isCancel; }

 private:
  bool default_ = false;
  bool cancel_ = false;
};

class Label : public Control {
 public:
  Label(Window& w, std::string name, Rect r, Control* container = nullptr)
      : Control(w, ControlKind::Label, std::move(name), r, container) {}
};

class Picture : public Control {
 public:
  Picture(Window& w, std::string name, Rect r, Control* container = nullptr)
      : Control(w, ControlKind::Picture, std::move(name), r, container) {}
};

// A container without border or caption.
class Frame : public Control {
 public:
  Frame(Window& w, std::string name, Rect r, Control* container = nullptr)
      : Control(w, ControlKind::Frame, std::move(name), r, container) {}
};

class TextBox : public Control {
 public:
  TextBox(Window& w, std::string name, Rect r, Control* container = nullptr)
      : Control(w, ControlKind::TextBox, std::move(name), r, container) {}
  const std::string& Text() const { return text_; }
  void SetText(std::string text);

 private:
  std::string text_;
};

// Rows of text, none or one of them selected; selecting a row runs Click.
class ListBox : public Control {
 public:
  ListBox(Window& w, std::string name, Rect r, Control* container = nullptr)
      : Control(w, ControlKind::ListBox, std::move(name), r, container) {}

  void AddItem(std::string item);
  void AddItem(std::string item, int index);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  // Row i, or empty text for a row that does not exist.
  std::string List(int index) const;
  // Replaces the text of row i; the selection stays.
  void SetList(int index, std::string item);
  const std::vector<std::string>& Items() const { return items_; }
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index);
  // The user clicked row i: it is selected, and Click runs even when it was already.
  void UserSelect(int index);
  // The selected row, or empty text.
  std::string Text() const { return List(listIndex_); }

 protected:
  ListBox(Window& w, ControlKind kind, std::string name, Rect r, Control* container)
      : Control(w, kind, std::move(name), r, container) {}
  void SetItems(std::vector<std::string> items);

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

// The drives of the system; the value is the chosen drive ("c:").
class DriveList : public Control {
 public:
  DriveList(Window& w, std::string name, Rect r, Control* container = nullptr);
  const std::string& Drive() const { return drive_; }
  // Takes a value whose first character is a drive letter of the system;
  // refuses (false) any other.
  bool SetDrive(const std::string& value);
  const std::vector<std::string>& Drives() const { return drives_; }

 private:
  std::vector<std::string> drives_;
  std::string drive_;
};

// The directories from the path's root down to the path itself: "C:\",
// "C:\a", "C:\a\b"; a share's root is "\\server\share\".
std::vector<std::string> DirectoryAncestors(const std::string& path);

// The subdirectories of its path, as full paths; its path can be set to an
// existing directory only. It shows rows: the path's ancestors (DirectoryAncestors),
// each indented by its depth, then the subdirectories' names one level deeper.
class DirList : public ListBox {
 public:
  DirList(Window& w, std::string name, Rect r, Control* container = nullptr)
      : ListBox(w, ControlKind::DirList, std::move(name), r, container) {}
  const std::string& Path() const { return path_; }
  bool SetPath(const std::string& path);
  // The user opens subdirectory i (a double click).
  void UserOpen(int index);

  int AncestorCount() const { return static_cast<int>(ancestors_.size()); }
  int RowCount() const { return AncestorCount() + ListCount(); }
  // The text of shown row i.
  std::string Row(int row) const;
  // The row that shows the selection: the selected subdirectory, else the path itself.
  int SelectedRow() const { return ListIndex() >= 0 ? AncestorCount() + ListIndex() : AncestorCount() - 1; }
  // The user opens shown row i: an ancestor becomes the path, a subdirectory is opened.
  void UserOpenRow(int row);

 private:
  std::string path_;
  std::vector<std::string> ancestors_;
};

// The plain files of its path that match its pattern.
class FileList : public ListBox {
 public:
  FileList(Window& w, std::string name, Rect r, Control* container = nullptr)
      : ListBox(w, ControlKind::FileList, std::move(name), r, container) {}
  const std::string& Path() const { return path_; }
  bool SetPath(const std::string& path);
  const std::string& Pattern() const { return pattern_; }
  void SetPattern(std::string pattern);
  // A name with wildcards becomes the pattern; any other selects its row.
  void SetFileName(const std::string& name);
  std::string FileName() const { return Text(); }
  // Reads the folder again.
  void Refresh();

 private:
  std::string path_;
  std::string pattern_ = "*.*";
};

// Runs Tick every Interval milliseconds while enabled.
class Timer : public Control {
 public:
  Timer(Window& w, std::string name, int intervalMs)
      : Control(w, ControlKind::Timer, std::move(name), Rect{}, nullptr), interval_(intervalMs) {
    SetEnabled(false);
  }
  int Interval() const { return interval_; }
  Handler Tick;
  // The window system calls this when the interval has passed.
  void Elapse() {
    if (Enabled()) Raise(Tick);
  }

 private:
  int interval_;
};

}  // namespace ui
