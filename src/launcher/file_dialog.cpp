// The main window's way to the file selection dialog.
#include "files_dialog/files.h"
#include "launcher/form1.h"

std::string Form1::BrowseForFile(const std::string& defaultPath, const std::string& caption,
                                 const std::string& defaultName) {
  // Made for this one call and gone after it.
  Files dialog;
  return dialog.FileOpenDialog(defaultPath, caption, defaultName);
}
