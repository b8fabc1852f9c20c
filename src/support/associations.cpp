#include "support/associations.h"

#include "platform/files.h"
#include "platform/host.h"
#include "platform/process.h"
#include "platform/program.h"
#include "platform/text_file.h"
#include "support/path_text.h"
#include "support/user_texts.h"

namespace {

// A scratch file of one line in the root of the launcher's drive.
std::string ScratchOnLaunchersDrive(const std::string& name, const std::string& line) {
  const std::string scratch = platform::ExecutableDirectory().substr(0, 1) + ":\\" + name;
  platform::TextFileWriter writer(scratch);
  writer.WriteLine(line);
  writer.Close();
  return scratch;
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
    result = FindExecutableOf(scratch);
    platform::RemoveFile(scratch);
  }
  if (result.empty()) {
    const std::string trimmed = Trim(name);
    const std::string extension =
        trimmed.size() <= 3 || !Contains(name, ".") ? trimmed : name.substr(name.rfind('.'));
    const std::string scratch = ScratchOnLaunchersDrive("RunFileTmp" + extension, " ");
    result = FindExecutableOf(scratch);
    platform::RemoveFile(scratch);
  }
  if (created) platform::RemoveFile(given);
  return result;
}

std::optional<unsigned long> OpenUrlInBrowser(const std::string& address, int style) {
  const std::string scratch = ScratchOnLaunchersDrive("ZedX00001.html", "delete me!");
  const std::string program = GetAssociatedProgram(scratch);
  platform::RemoveFile(scratch);
  if (program.empty()) return std::nullopt;
  // Quoted when it holds a blank, so that Windows never tries the shorter
  // names in front of the blank (C:\Program.exe).
  return platform::StartTask(QuotePath(program) + " " + address, style);
}
