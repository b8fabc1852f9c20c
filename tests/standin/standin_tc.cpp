// A stand-in for Total Commander: appends the exact command line it received
// and its working directory to "received.txt" beside itself. When the file
// "show.txt" lies there too, it also shows the command line to the user.

#include "platform/files.h"
#include "platform/host.h"
#include "platform/program.h"
#include "platform/text_file.h"

int main() {
  const std::string folder = platform::ExecutableDirectory();
  const std::string base = folder.back() == '\\' ? folder : folder + "\\";
  {
    platform::TextFileWriter record(base + "received.txt", platform::TextFileWriter::Mode::Append);
    record.WriteLine(platform::CommandLine());
    record.WriteLine(platform::CurrentDirectory());
  }
  if (platform::FileExists(base + "show.txt"))
    platform::ShowMessage("Total Commander (stand-in) was started with this command line:\r\r" +
                              platform::CommandLine() + "\r\rin the folder " + platform::CurrentDirectory(),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information, "Total Commander (stand-in)");
  return 0;
}
