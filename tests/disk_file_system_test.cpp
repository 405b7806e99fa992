// The file system port on the real disk: what the file commands rely on.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/disk_file_system.h"
#include "replay_fixture.h"

namespace tessella::platform {
namespace {

TEST(DiskFileSystem, ReadsWritesAndListsAndSaysWhatFailed) {
  const auto dir = testing::FreshDir("disk-fs");
  DiskFileSystem fs;
  const std::string file = (dir / "design.bny").string();
  fs.Write(file, std::string("\0\x1A\r\n", 4));
  EXPECT_EQ(fs.Read(file), std::string("\0\x1A\r\n", 4));
  fs.Write(file, "new");
  EXPECT_EQ(fs.Read(file), "new");
  std::filesystem::create_directory(dir / "sub");

  EXPECT_EQ(fs.List(dir.string()),
            (std::vector<ports::FolderEntry>{{"design.bny", false}, {"sub", true}}));
  EXPECT_TRUE(fs.IsFolder((dir / "sub").string()));
  EXPECT_FALSE(fs.Exists((dir / "none").string()));

  EXPECT_THROW(fs.Read((dir / "none").string()), ports::FileError);
  EXPECT_THROW(fs.Read((dir / "sub").string()), ports::FileError);
  // Devices and pipes never end or never answer: refused, not read.
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  EXPECT_THROW(fs.Read((dir / "pipe").string()), ports::FileError);
  std::filesystem::remove(dir / "pipe");
  EXPECT_THROW(fs.Read("/dev/zero"), ports::FileError);
  EXPECT_THROW(fs.Write((dir / "no-folder" / "x.bny").string(), "x"), ports::FileError);
  EXPECT_THROW(fs.List((dir / "none").string()), ports::FileError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);  // nothing left over
}

}  // namespace
}  // namespace tessella::platform
