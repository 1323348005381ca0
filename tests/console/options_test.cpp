#include "options.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

mirelo_options scan(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "mirelo");
  return scan_options(static_cast<int>(arguments.size()), arguments.data());
}

TEST(Options, LevelOptionsLastOneWins) {
  EXPECT_EQ(scan({}).requested_level, -2);
  EXPECT_EQ(scan({"-s0"}).requested_level, 0);
  EXPECT_EQ(scan({"-s12x"}).requested_level, 12);
  EXPECT_EQ(scan({"-s"}).requested_level, -2);
  EXPECT_EQ(scan({"-sx"}).requested_level, -2);
  EXPECT_EQ(scan({"-d"}).requested_level, -1);
  EXPECT_EQ(scan({"-d", "-s1"}).requested_level, 1);
  EXPECT_EQ(scan({"-s1", "-d"}).requested_level, -1);
  EXPECT_EQ(scan({"-s99999999999999999999"}).requested_level, 2147483647);
}

TEST(Options, OnlyTheSecondCharacterCounts) {
  EXPECT_EQ(scan({"-help"}).help_flag, 1);
  EXPECT_EQ(scan({"-?"}).help_flag, 1);
  EXPECT_EQ(scan({"-H"}).help_flag, 0);
  EXPECT_EQ(scan({"/h"}).help_flag, 0);
  EXPECT_EQ(scan({"--help"}).help_flag, 0);
  EXPECT_EQ(scan({"-"}).help_flag, 0);
  EXPECT_EQ(scan({"h", "x"}).help_flag, 0);
  EXPECT_EQ(scan({"-test"}).test_flag, 1);
}

TEST(Options, VersionStopsTheScan) {
  auto options = scan({"-v", "-h", "-t"});
  EXPECT_TRUE(options.version_only);
  EXPECT_EQ(options.help_flag, 0);
  EXPECT_EQ(options.test_flag, 0);
  EXPECT_TRUE(scan({"-h", "-v"}).version_only);
}

TEST(Options, NamesFile) {
  EXPECT_EQ(scan({"-pnames.txt"}).names_file, "names.txt");
  EXPECT_EQ(scan({"-p"}).names_file, "");
  EXPECT_EQ(scan({"-pa", "-pb"}).names_file, "b");
  std::string long_name = "-p" + std::string(1500, 'n');
  EXPECT_EQ(scan({long_name.c_str()}).names_file.size(), 999u);
}

}  // namespace
