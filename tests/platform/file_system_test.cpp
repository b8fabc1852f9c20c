#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "common/test_files.h"

namespace {

TEST(FileLookups, OnlyOrdinaryFilesOfExactlyThatNameExistAndDirectoriesAreTold) {
  test::TempDir dir;
  for (const char* name : {"wincmd.ini", "hidden.ini", ".dotted.ini"}) test::WriteFile(dir / name, "x");
  test::SetAttributes(dir / "hidden.ini", test::kHidden);  // .dotted.ini is not hidden on Windows
  std::filesystem::create_directories(test::Fs(dir / "sub\\empty"));
  const std::pair<std::string, bool> exists[] = {
      {dir / "wincmd.ini", true},  {dir / "WINCMD.INI", true}, {dir / ".dotted.ini", true}, {dir / "missing.ini", false},
      {dir / "hidden.ini", false}, {dir / "sub", false},       {dir / "sub\\", false},      {dir / "*.ini", false},
      {dir / "wincmd.in?", false}, {"", false}};
  for (const auto& [path, expected] : exists) EXPECT_EQ(platform::FileExists(path), expected) << path;
  EXPECT_EQ(platform::OrdinaryFileSize(dir / "wincmd.ini"), 1u);

  EXPECT_TRUE(platform::HasDirectoryAttribute(dir.Path()) && platform::HasDirectoryAttribute(dir.Path() + "\\"));
  EXPECT_FALSE(platform::HasDirectoryAttribute(dir / "*") || platform::HasDirectoryAttribute(dir / "wincmd.ini"));
  const std::pair<std::string, bool> finds[] = {
      {dir / "sub\\empty\\", false}, {dir.Path() + "\\", true}, {dir / "*.ini", true}, {dir / "*.bar", false}};
  for (const auto& [pattern, expected] : finds) EXPECT_EQ(platform::LookupFindsOrdinaryFile(pattern), expected) << pattern;
}

TEST(FileChanges, NewFilesNeverEmptyOneAndMovesRefuseATakenName) {
  test::TempDir dir;
  EXPECT_TRUE(platform::CreateNewFile(dir / "new.ini"));
  EXPECT_EQ(test::ReadFile(dir / "new.ini"), "");
  test::WriteFile(dir / "hidden.ini", "keep");
  test::SetAttributes(dir / "hidden.ini", test::kHidden);
  EXPECT_FALSE(platform::CreateNewFile(dir / "hidden.ini"));
  EXPECT_EQ(test::ReadFile(dir / "hidden.ini"), "keep");
  EXPECT_TRUE(platform::RemoveFile(dir / "new.ini"));

  test::WriteFile(dir / "a.txt", "a");
  test::WriteFile(dir / "b.txt", "b");
  EXPECT_FALSE(platform::MoveFileTo(dir / "a.txt", dir / "b.txt"));
  EXPECT_EQ(test::ReadFile(dir / "b.txt"), "b");
  EXPECT_TRUE(platform::MoveFileTo(dir / "a.txt", dir / "c.txt"));
  EXPECT_EQ(test::Names(dir.Path()), (Strings{"b.txt", "c.txt", "hidden.ini"}));
}

}  // namespace
