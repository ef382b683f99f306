// The one file writer: whole or not at all, with the system's reason on failure.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "FileSizeLimit.h"
#include "WholeFile.h"

namespace {

namespace fs = std::filesystem;

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/whole-file-XXXXXX";
    dir = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Read(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int FilesInFolder() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
  }

  fs::path dir;
};

TEST_F(WholeFileTest, ReplacesTheFileAndKeepsItsPermissions) {
  const std::string path = (dir / "PT-101.Hart").string();
  ASSERT_TRUE(WriteFileWhole(path, "old"));
  chmod(path.c_str(), 0640);
  std::string error;
  ASSERT_TRUE(WriteFileWhole(path, std::string(2000, 'x'), &error)) << error;
  EXPECT_EQ(Read("PT-101.Hart"), std::string(2000, 'x'));
  struct stat st {};
  stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(FilesInFolder(), 1);  // no temporary file left behind
}

TEST_F(WholeFileTest, AFullDiskKeepsTheOldFileAndNamesTheReason) {
  const std::string path = (dir / "PT-101.Hart").string();
  ASSERT_TRUE(WriteFileWhole(path, "the old content"));
  std::string error;
  {
    FileSizeLimit limit(100);
    // Small pieces, as a buffered writer hands them over: the failure comes late.
    WholeFileWriter file;
    ASSERT_TRUE(file.Open(path));
    bool allWritten = true;
    for (int i = 0; i < 40 && allWritten; ++i)
      allWritten = file.Write(std::string(50, 'y'));
    EXPECT_FALSE(allWritten);
    EXPECT_FALSE(file.Write("more"));  // stays failed
    EXPECT_FALSE(file.Commit());
    error = file.Error();
  }
  EXPECT_EQ(error, "File too large");
  EXPECT_EQ(Read("PT-101.Hart"), "the old content");
  EXPECT_EQ(FilesInFolder(), 1);
  EXPECT_EQ(SaveFailureText("PT-101.Hart", error), "Could not save PT-101.Hart: File too large");
}

TEST_F(WholeFileTest, AFolderThatIsNotThereIsNamedAndNothingIsCreated) {
  std::string error;
  EXPECT_FALSE(WriteFileWhole((dir / "missing" / "x.csv").string(), "a", &error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_EQ(FilesInFolder(), 0);
}

TEST_F(WholeFileTest, AWriterLeftWithoutCommitLeavesTheOldFile) {
  const std::string path = (dir / "Morvane.ini").string();
  ASSERT_TRUE(WriteFileWhole(path, "[MorvaneDlg]\nPort=3\n"));
  {
    WholeFileWriter file;
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.Write("half"));
  }
  EXPECT_EQ(Read("Morvane.ini"), "[MorvaneDlg]\nPort=3\n");
  EXPECT_EQ(FilesInFolder(), 1);
}

}  // namespace
