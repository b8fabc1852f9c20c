#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "common/test_files.h"

namespace {

TEST(FileExists, OnlyOrdinaryFilesOfExactlyThatNameExist) {
  test::TempDir dir;
  test::WriteFile(dir / "wincmd.ini", "x");
  test::WriteFile(dir / "hidden.ini", "x");
  test::SetAttributes(dir / "hidden.ini", test::kHidden);
  test::WriteFile(dir / ".dotted.ini", "x");  // not hidden on Windows
  std::filesystem::create_directory(dir / "sub");

  EXPECT_TRUE(platform::FileExists(dir / "wincmd.ini"));
  EXPECT_TRUE(platform::FileExists(dir / "WINCMD.INI"));
  EXPECT_FALSE(platform::FileExists(dir / "missing.ini"));
  EXPECT_FALSE(platform::FileExists(dir / "hidden.ini"));
  EXPECT_TRUE(platform::FileExists(dir / ".dotted.ini"));
  EXPECT_FALSE(platform::FileExists(dir / "sub"));
  EXPECT_FALSE(platform::FileExists(dir / "sub\\"));
  EXPECT_FALSE(platform::FileExists(dir / "*.ini"));
  EXPECT_FALSE(platform::FileExists(dir / "wincmd.in?"));
  EXPECT_FALSE(platform::FileExists(""));
}

TEST(DirectoryLookups, SeeOrdinaryFilesAndDirectoryAttributes) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "empty");
  EXPECT_TRUE(platform::HasDirectoryAttribute(dir.Path()));
  EXPECT_TRUE(platform::HasDirectoryAttribute(dir.Path() + "\\"));
  EXPECT_FALSE(platform::HasDirectoryAttribute(dir / "*"));
  EXPECT_FALSE(platform::LookupFindsOrdinaryFile(dir.Path() + "\\"));
  test::WriteFile(dir / "a.bar", "x");
  EXPECT_TRUE(platform::LookupFindsOrdinaryFile(dir.Path() + "\\"));
  EXPECT_TRUE(platform::LookupFindsOrdinaryFile(dir / "*.bar"));
  EXPECT_FALSE(platform::LookupFindsOrdinaryFile(dir / "*.ini"));
  EXPECT_FALSE(platform::HasDirectoryAttribute(dir / "a.bar"));
}

TEST(CreateNewFile, CreatesButNeverEmptiesAFile) {
  test::TempDir dir;
  EXPECT_TRUE(platform::CreateNewFile(dir / "new.ini"));
  EXPECT_EQ(test::ReadFile(dir / "new.ini"), "");
  test::WriteFile(dir / "hidden.ini", "keep");
  test::SetAttributes(dir / "hidden.ini", test::kHidden);
  EXPECT_FALSE(platform::CreateNewFile(dir / "hidden.ini"));
  EXPECT_EQ(test::ReadFile(dir / "hidden.ini"), "keep");
  EXPECT_TRUE(platform::RemoveFile(dir / "new.ini"));
  EXPECT_FALSE(test::Exists(dir / "new.ini"));
  EXPECT_FALSE(platform::RemoveFile(dir / "new.ini"));
}

TEST(MoveAndCreationTime, MoveRefusesATakenNameAndDatesAreRead) {
  test::TempDir dir;
  test::WriteFile(dir / "a.txt", "a");
  test::WriteFile(dir / "b.txt", "b");
  EXPECT_FALSE(platform::MoveFileTo(dir / "a.txt", dir / "b.txt"));
  EXPECT_EQ(test::ReadFile(dir / "b.txt"), "b");
  EXPECT_TRUE(platform::MoveFileTo(dir / "a.txt", dir / "c.txt"));
  EXPECT_FALSE(test::Exists(dir / "a.txt"));
  EXPECT_EQ(test::ReadFile(dir / "c.txt"), "a");

  const auto created = platform::CreationTime(dir / "c.txt");
  ASSERT_TRUE(created.has_value());
  EXPECT_GE(created->year, 2024);
  EXPECT_GE(created->month, 1);
  EXPECT_LE(created->month, 12);
  EXPECT_FALSE(platform::CreationTime(dir / "missing.txt").has_value());
}

TEST(CurrentDirectory, FollowsDriveAndDirectoryChangesOnAMappedDrive) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "TC");
  test::MappedDrive drive('T', dir.Path());
  const std::string before = platform::CurrentDirectory();

  ASSERT_TRUE(platform::ChangeDirectory("T:\\TC"));
  EXPECT_EQ(platform::CurrentDirectory(), "T:\\TC");
  EXPECT_EQ(platform::FullPathName("wincmd.ini"), "T:\\TC\\wincmd.ini");
  ASSERT_TRUE(platform::ChangeDirectory(before));
  ASSERT_TRUE(platform::ChangeDrive('T'));
  EXPECT_EQ(platform::CurrentDirectory().substr(0, 3), "T:\\");
  ASSERT_TRUE(platform::ChangeDirectory("T:\\TC"));
  EXPECT_FALSE(platform::ChangeDirectory("T:\\missing"));
  EXPECT_EQ(platform::CurrentDirectory(), "T:\\TC");
  EXPECT_FALSE(platform::ChangeDrive('?'));
  ASSERT_TRUE(platform::ChangeDirectory(before));
}

}  // namespace
