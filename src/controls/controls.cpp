#include "controls/controls.h"

#include <algorithm>

#include "platform/file_system.h"
#include "platform/path.h"
#include "platform/text.h"

namespace ui {
namespace {

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  return platform::UpperCase(a) == platform::UpperCase(b);
}

// A directory's full path, without a trailing separator unless it is a root.
std::string CanonicalDirectory(const std::string& path) {
  return platform::WithoutSeparator(platform::FullPathName(path), true);
}

}  // namespace

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Changed({ControlChange::What::Text});
  Raise(Change);
}

void ListBox::AddItem(std::string item) { AddItem(std::move(item), ListCount()); }

void ListBox::AddItem(std::string item, int index) {
  index = std::clamp(index, 0, ListCount());
  items_.insert(items_.begin() + index, std::move(item));
  if (listIndex_ >= index) ++listIndex_;
  Changed({ControlChange::What::RowInserted, index});
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  if (listIndex_ == index)
    listIndex_ = -1;
  else if (listIndex_ > index)
    --listIndex_;
  Changed({ControlChange::What::RowRemoved, index});
}

void ListBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  Changed({ControlChange::What::Rows});
}

std::string ListBox::List(int index) const {
  return index >= 0 && index < ListCount() ? items_[static_cast<std::size_t>(index)] : std::string();
}

void ListBox::SetList(int index, std::string item) {
  if (index < 0 || index >= ListCount()) return;
  items_[static_cast<std::size_t>(index)] = std::move(item);
  Changed({ControlChange::What::RowChanged, index});
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount() || index == listIndex_) return;
  listIndex_ = index;
  Changed({ControlChange::What::Selection});
  Raise(Click);
}

void ListBox::UserSelect(int index) {
  if (!Usable() || index < -1 || index >= ListCount()) return;
  if (index != listIndex_) {
    listIndex_ = index;
    Changed({ControlChange::What::Selection});
  }
  Raise(Click);
}

void ListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  listIndex_ = -1;
  Changed({ControlChange::What::Rows});
}

DriveList::DriveList(Window& w, std::string name, Rect r, Control* container)
    : Control(w, ControlKind::DriveList, std::move(name), r, container), drives_(platform::ListDrives()) {
  const std::string current = platform::CurrentDirectory();
  drive_ = current.size() >= 2 && current[1] == ':' ? platform::UpperCase(current.substr(0, 2)) : std::string();
  for (char& c : drive_) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool DriveList::SetDrive(const std::string& value) {
  if (value.empty()) return false;
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(value[0])));
  const std::string drive = std::string(1, letter) + ":";
  drives_ = platform::ListDrives();
  if (std::find(drives_.begin(), drives_.end(), drive) == drives_.end()) return false;
  if (drive == drive_) return true;
  drive_ = drive;
  Changed({ControlChange::What::Rows});
  Raise(Change);
  return true;
}

std::vector<std::string> DirectoryAncestors(const std::string& path) {
  // The root: "C:\", a share ("\\server\share\"), or a lone separator.
  std::size_t rootEnd = 0;
  if (path.size() >= 2 && platform::IsSeparator(path[0]) && platform::IsSeparator(path[1])) {
    rootEnd = path.find_first_of("\\/", 2);
    if (rootEnd != std::string::npos) rootEnd = path.find_first_of("\\/", rootEnd + 1);
    if (rootEnd == std::string::npos) rootEnd = path.size();
  } else if (path.size() >= 2 && path[1] == ':') {
    rootEnd = 2;
  } else {
    rootEnd = path.find_first_of("\\/");
    if (rootEnd == std::string::npos) return {path};
  }
  std::vector<std::string> ancestors{platform::WithSeparator(path.substr(0, rootEnd))};
  for (std::size_t at = rootEnd; at < path.size();) {
    std::size_t end = path.find_first_of("\\/", at + 1);
    if (end == std::string::npos) end = path.size();
    if (end > at + 1) ancestors.push_back(path.substr(0, end));
    at = end;
  }
  return ancestors;
}

std::string DirList::Row(int row) const {
  const int ancestors = AncestorCount();
  const auto indent = [](int depth) { return std::string(static_cast<std::size_t>(depth) * 2, ' '); };
  if (row < 0) return {};
  if (row == 0) return ancestors_.empty() ? std::string() : ancestors_[0];
  const std::string& full = row < ancestors ? ancestors_[static_cast<std::size_t>(row)] : List(row - ancestors);
  return indent(std::min(row, ancestors)) + full.substr(full.find_last_of("\\/") + 1);
}

void DirList::UserOpenRow(int row) {
  if (!Usable() || row < 0) return;
  if (row < AncestorCount())
    SetPath(ancestors_[static_cast<std::size_t>(row)]);
  else
    UserOpen(row - AncestorCount());
}

bool DirList::SetPath(const std::string& path) {
  if (path.empty() || !platform::HasDirectoryAttribute(path)) return false;
  const std::string canonical = CanonicalDirectory(path);
  if (canonical == path_) return true;
  path_ = canonical;
  ancestors_ = DirectoryAncestors(path_);
  std::vector<std::string> subdirectories = platform::ListSubdirectories(path_);
  platform::SortIgnoringCase(subdirectories);
  SetItems(std::move(subdirectories));
  Raise(Change);
  return true;
}

void DirList::UserOpen(int index) {
  if (Usable() && index >= 0 && index < ListCount()) SetPath(List(index));
}

bool FileList::SetPath(const std::string& path) {
  if (path.empty() || !platform::HasDirectoryAttribute(path)) return false;
  const std::string canonical = CanonicalDirectory(path);
  if (canonical == path_) return true;
  path_ = canonical;
  Refresh();
  Raise(Change);
  return true;
}

void FileList::SetPattern(std::string pattern) {
  if (pattern == pattern_) return;
  pattern_ = std::move(pattern);
  Refresh();
}

void FileList::SetFileName(const std::string& name) {
  if (name.find_first_of("*?") != std::string::npos) {
    SetPattern(name);
    return;
  }
  for (int i = 0; i < ListCount(); ++i) {
    if (SameTextIgnoringCase(List(i), name)) {
      SetListIndex(i);
      return;
    }
  }
}

void FileList::Refresh() {
  std::vector<std::string> files = path_.empty() ? std::vector<std::string>() : platform::ListFiles(path_, pattern_);
  platform::SortIgnoringCase(files);
  SetItems(std::move(files));
}

}  // namespace ui
