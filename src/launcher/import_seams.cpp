// Routines of the main window whose work arrives with the portable rewrite,
// the imports, the plugin window and the desktop shortcuts. Start-up already
// calls each of them at its step.
#include "launcher/form1.h"

void Form1::CopyAndParseFile(const std::string&, const std::string&, const std::string&, const std::string&,
                             const std::string&, bool) {}

void Form1::ImportIni(bool) {}

void Form1::ImportFTPIni(bool) {}

void Form1::ImportButtonBar(bool) {}

void Form1::CreateDesktopShortCut() {}

void Form1::ShowPluginWindow() {}
