// A stand-in for Total Commander: appends the exact command line it received and its working directory to
// "received.txt" beside itself (or to the file that AMBLER_STANDIN_RECORD names, for a medium it cannot write
// to). When the file "show.txt" lies beside it, it also shows the command line to the user.

#include <cstdlib>

#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/program.h"
#include "platform/text_file.h"

int main() {
  const std::string folder = platform::ExecutableDirectory();
  const std::string base = folder.back() == '\\' ? folder : folder + "\\";
  {
    const char* elsewhere = std::getenv("AMBLER_STANDIN_RECORD");
    platform::TextFileWriter record(elsewhere ? std::string(elsewhere) : base + "received.txt",
                                    platform::TextFileWriter::Mode::Append);
    record.WriteLine(platform::CommandLine());
    record.WriteLine(platform::CurrentDirectory());
  }
  if (platform::FileExists(base + "show.txt"))
    platform::ShowMessage("Total Commander (stand-in) was started with this command line:\r\r" +
                              platform::CommandLine() + "\r\rin the folder " + platform::CurrentDirectory(),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information, "Total Commander (stand-in)");
  return 0;
}
