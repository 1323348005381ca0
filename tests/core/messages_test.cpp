#include "messages.h"

#include <gtest/gtest.h>

#include "core_capture.h"

namespace {

TEST(Messages, ErrorLinesGoToErrorStreamWithAlarm) {
  core_capture capture;
  testing::internal::CaptureStdout();
  error_line_with_file("Brak pliku parametrow sieci!", "a.par");
  error_line("Uwaga! Wartosci przekatnej A lub C poza zakresem sa niezerowe!\n\n", false);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(capture.errors(),
            "\n\t*** Brak pliku parametrow sieci! (a.par)\n\n"
            "\n\t*** Uwaga! Wartosci przekatnej A lub C poza zakresem sa niezerowe!\n\n");
  EXPECT_EQ(capture.messages(), "");
}

TEST(Messages, FatalErrorEndsThroughHost) {
  core_capture capture;
  testing::internal::CaptureStdout();
  EXPECT_THROW(fatal_error("Too many bisections in rtbis"), fatal_ended);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(capture.errors(), "\n\t*** Too many bisections in rtbis\n");
}

TEST(Messages, DefaultEndingExitsWithOne) {
  EXPECT_EXIT(fatal_error("x"), testing::ExitedWithCode(1), "");
}

TEST(Messages, PowersAndFiles) {
  EXPECT_EQ(int_power(2, 10), 1024);
  EXPECT_EQ(int_power(10, 0), 1);
  EXPECT_EQ(int_power(2, 40), 2147483647);  // saturates instead of overflowing
  EXPECT_DOUBLE_EQ(static_cast<double>(real_power(2.0, 0.5)), std::sqrt(2.0));
  core_capture capture;
  EXPECT_FALSE(file_exists("nothing.here"));
  core_capture::write_file("here.txt", "x");
  EXPECT_TRUE(file_exists("here.txt"));
}

TEST(Messages, ComplexStyleBelongsToTheStream) {
  std::ostringstream spaced, compact;
  set_complex_style(compact, complex_style::compact);
  spaced << as_text({1.5, -2});
  compact << as_text({1.5, -2});
  EXPECT_EQ(spaced.str(), "(1.5, -2)");
  EXPECT_EQ(compact.str(), "(1.5,-2)");
}

TEST(Messages, LevelGates) {
  EXPECT_TRUE(shows_startup(1));
  EXPECT_FALSE(shows_startup(2));
  EXPECT_TRUE(shows_summary(0));
  EXPECT_FALSE(shows_summary(1));
  EXPECT_TRUE(shows_dump(-1));
  EXPECT_FALSE(shows_dump(0));
}

}  // namespace
