#include "support/associations.h"

#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/process.h"
#include "platform/program.h"
#include "platform/text_file.h"
#include "support/path_text.h"
#include "support/user_texts.h"

namespace {

// A scratch file of one line in the root of the launcher's drive, under the
// name or, where a file or folder has it already, the first free one of
// "name (2).ext", "name (3).ext" ...: an existing file is never emptied. Empty
// when none could be created.
std::string ScratchOnLaunchersDrive(const std::string& name, const std::string& line) {
  const std::string root = platform::ExecutableDirectory().substr(0, 1) + ":\\";
  const auto dot = name.rfind('.');
  const std::string base = name.substr(0, dot), extension = dot == std::string::npos ? "" : name.substr(dot);
  for (int counter = 1; counter < 100; ++counter) {
    const std::string scratch = root + base + (counter == 1 ? "" : " (" + std::to_string(counter) + ")") + extension;
    if (platform::CreateNewFile(scratch)) {
      platform::TextFileWriter writer(scratch);
      writer.WriteLine(line);
      writer.Close();
      return scratch;
    }
    if (!platform::FileExistsHiddenToo(scratch) && !platform::HasDirectoryAttribute(scratch)) break;
  }
  return {};
}

}  // namespace

std::string FindExecutableOf(const std::string& file) { return platform::FindExecutableFor(file).program; }

std::string GetAssociatedProgram(std::string name) {
  const std::string given = name;
  const bool created = !platform::FileExists(name) && platform::CreateNewFile(name);
  const std::string separator = Contains(name, "/") ? "/" : "\\";
  std::string directory = platform::CurrentDirectory();
  if (directory.empty() || directory.substr(directory.size() - 1) != separator) directory += separator;
  const auto last = name.rfind(separator);
  if (last != std::string::npos) {
    directory = name.substr(0, last + 1);
    name.erase(0, last + 1);
  }
  if (!name.empty() && name[0] == '*') name.erase(0, 1);
  if (Contains(name, "*") &&
      platform::ShowMessage(texts::InvalidCharacters(name), platform::MsgButtons::YesNo,
                            platform::MsgIcon::None) == platform::MsgResult::Yes) {
    if (created) platform::RemoveFile(given);
    return {};
  }
  std::string result;
  if (platform::FileExists(directory + name)) {
    result = FindExecutableOf(directory + name);
  } else {
    const std::string scratch = ScratchOnLaunchersDrive("zzzzzzzTemp_" + name, "  ");
    if (!scratch.empty()) result = FindExecutableOf(scratch);
    platform::RemoveFile(scratch);
  }
  if (result.empty()) {
    const std::string trimmed = Trim(name);
    const std::string extension =
        trimmed.size() <= 3 || !Contains(name, ".") ? trimmed : name.substr(name.rfind('.'));
    const std::string scratch = ScratchOnLaunchersDrive("RunFileTmp" + extension, " ");
    if (!scratch.empty()) result = FindExecutableOf(scratch);
    platform::RemoveFile(scratch);
  }
  if (created) platform::RemoveFile(given);
  return result;
}

std::optional<unsigned long> OpenUrlInBrowser(const std::string& address, int style) {
  const std::string scratch = ScratchOnLaunchersDrive("ZedX00001.html", "delete me!");
  if (scratch.empty()) return std::nullopt;
  const std::string program = GetAssociatedProgram(scratch);
  platform::RemoveFile(scratch);
  if (program.empty()) return std::nullopt;
  // Quoted when it holds a blank, so that Windows never tries the shorter
  // names in front of the blank (C:\Program.exe).
  return platform::StartTask(QuotePath(program) + " " + address, style);
}
