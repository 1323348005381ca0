// Result files reach their names whole or not at all.
#include "text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core_capture.h"

namespace fs = std::filesystem;

namespace {

struct TextFile : ::testing::Test {
  core_capture capture;  // scratch directory
};

TEST_F(TextFile, NewFileTakesItsNameOnlyWhenComplete) {
  core_capture::write_file("wynik.dat", "stary\n");
  {
    text_file file("wynik.dat");
    file << "#naglowek\n";
    // Far more than one block: the file is written while the name still
    // holds the earlier content.
    for (int i = 0; i < 20000; ++i) file.row(i, 0.5);
    EXPECT_EQ(core_capture::read_file("wynik.dat"), "stary\n");
    EXPECT_TRUE(file.close());
  }
  const std::string text = core_capture::read_file("wynik.dat");
  EXPECT_EQ(text.rfind("#naglowek\n0  0.5\n1  0.5\n", 0), 0u);
  EXPECT_TRUE(text.ends_with("19999  0.5\n"));
  EXPECT_FALSE(fs::exists(text_file::temporary_name("wynik.dat")));
}

TEST_F(TextFile, AbandonedFileLeavesTheOldContentAndNoTemporary) {
  core_capture::write_file("wynik.dat", "stary\n");
  {
    text_file file("wynik.dat");
    for (int i = 0; i < 20000; ++i) file.row(i, 0.5);
  }
  EXPECT_EQ(core_capture::read_file("wynik.dat"), "stary\n");
  EXPECT_FALSE(fs::exists(text_file::temporary_name("wynik.dat")));
}

TEST_F(TextFile, KeptOpenFileHoldsEveryCommitAndLosesOnlyTheUncommitted) {
  core_capture::write_file("wynik.dat", "#naglowek\n");
  {
    text_file file("wynik.dat", text_file::mode::append);
    file.row(1, 0.5);
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(core_capture::read_file("wynik.dat"), "#naglowek\n1  0.5\n");  // on disk at once
    file.row(2, 0.5);
    ASSERT_TRUE(file.commit());
    file.row(3, 0.5);  // never committed: an interrupted step
  }
  EXPECT_EQ(core_capture::read_file("wynik.dat"), "#naglowek\n1  0.5\n2  0.5\n");
}

TEST_F(TextFile, LinksStayAndTheirTargetsGetTheContent) {
  core_capture::write_file("cel.dat", "stary\n");
  fs::create_symlink("cel.dat", "link.dat");
  text_file file("link.dat");
  file << "nowy\n";
  EXPECT_TRUE(file.close());
  EXPECT_TRUE(fs::is_symlink("link.dat"));
  EXPECT_EQ(core_capture::read_file("cel.dat"), "nowy\n");
}

TEST_F(TextFile, FailuresAreReported) {
  fs::create_symlink("/dev/full", "pelny.dat");
  for (const auto how : {text_file::mode::create, text_file::mode::append}) {
    text_file full("pelny.dat", how);
    full << "x\n";
    EXPECT_FALSE(full.close());
  }
  fs::create_directory("katalog");
  text_file folder("katalog");
  EXPECT_FALSE(folder.close());
  text_file missing_folder("brak/plik.dat");
  EXPECT_FALSE(missing_folder.close());
}

}  // namespace
