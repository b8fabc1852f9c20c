#include "files_dialog/system_paths.h"
#include "services/folder_services.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/process.h"

namespace {

class Registry : public ::testing::Test {
 protected:
  static void Add(const std::string& name, const std::string& type, const std::string& data) {
    ASSERT_EQ(platform::RunAndWait("reg add \"HKCU\\Software\\AmblerTest\" /v \"" + name + "\" /t " + type +
                                       " /d \"" + data + "\" /f",
                                   60000),
              0u);
  }
  void TearDown() override { platform::RunAndWait("reg delete \"HKCU\\Software\\AmblerTest\" /f", 60000); }
};

TEST_F(Registry, ReadsTextValuesByTheirWholePath) {
  Add("Plain", "REG_SZ", "T:\\TC");
  Add("Number", "REG_DWORD", "7");
  std::string path = "  hkey_current_user\\Software\\AmblerTest\\Plain ";
  EXPECT_EQ(RegistryGetAbsolutValue(path), "T:\\TC");
  EXPECT_EQ(path, "Software\\AmblerTest");
  // A trailing separator goes once: the last key component is the value name.
  for (const char* wrong : {"HKEY_CURRENT_USER\\Software\\AmblerTest\\Number", "no separator",
                                   "HKEY_CURRENT_USER\\Software\\AmblerTest\\Missing",
                                   "HKEY_NOWHERE\\Software\\AmblerTest\\Plain"}) {
    path = wrong;
    EXPECT_EQ(RegistryGetAbsolutValue(path), "") << wrong;
  }
  path = "HKEY_CURRENT_USER\\Software\\AmblerTest\\Plain\\";
  EXPECT_EQ(RegistryGetAbsolutValue(path), "T:\\TC");
}

TEST_F(Registry, FolderServicesPutTheProfileInForItsPlaceholderOnly) {
  const wchar_t* before = _wgetenv(L"USERPROFILE");
  ASSERT_NE(before, nullptr);
  const std::wstring saved = before;
  // A user name in a script the code page may lack.
  _wputenv_s(L"USERPROFILE", L"C:\\users\\\u0422\u043e\u0442\u0430\u043b \u8868");
  const std::string desktop = GetDesktopPath(), startMenu = GetStartMenuPath();
  _wputenv_s(L"USERPROFILE", saved.c_str());
  EXPECT_EQ(desktop, "C:\\users\\Тотал 表\\Desktop");
  EXPECT_NE(startMenu.find("C:\\users\\Тотал 表\\"), std::string::npos);
  EXPECT_EQ(GetStartMenuPath().back(), 'u');  // ...\Start Menu, no trailing separator
  EXPECT_EQ(replaceall("ababab", "ab", "x"), "xabx");
  EXPECT_EQ(replaceall("%userprofile%\\x", "%USERPROFILE%", "C:\\u"), "%userprofile%\\x");
  EXPECT_EQ(replaceall("abc", "zz", "x"), "abc");
}

}  // namespace
