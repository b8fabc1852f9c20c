#include "files_dialog/system_paths.h"
#include "services/folder_services.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/process.h"

namespace {

class Registry : public ::testing::Test {
 protected:
  void TearDown() override { platform::RunAndWait("reg delete HKCU\\Software\\AmblerTest /f", 60000); }
};

TEST_F(Registry, ReadsTextValuesByTheirWholePath) {
  for (const char* value : {"/v Plain /t REG_SZ /d T:\\TC", "/v Number /t REG_DWORD /d 7"})
    ASSERT_EQ(platform::RunAndWait(std::string("reg add HKCU\\Software\\AmblerTest /f ") + value, 60000), 0u);
  const std::string key = "HKEY_CURRENT_USER\\Software\\AmblerTest\\";
  // A trailing separator goes once: the last key component is the value name.
  const std::pair<std::string, const char*> cases[] = {
      {key + "Plain\\", "T:\\TC"}, {key + "Number", ""}, {key + "Missing", ""}, {"no separator", ""},
      {"HKEY_NOWHERE\\Software\\AmblerTest\\Plain", ""}, {"  hkey_current_user\\Software\\AmblerTest\\Plain ", "T:\\TC"}};
  std::string path;
  for (const auto& [whole, value] : cases) EXPECT_EQ(RegistryGetAbsolutValue(path = whole), value) << whole;
  EXPECT_EQ(path, "Software\\AmblerTest");  // the key's path comes back
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
