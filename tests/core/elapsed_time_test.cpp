#include "elapsed_time.h"

#include <gtest/gtest.h>

#include "core_capture.h"

namespace {

TEST(ElapsedTime, SplitsOnlyWhatStrictlyExceedsAUnit) {
  const struct {
    int seconds;
    const char* text;
  } cases[] = {
      {0, "0 sek."},
      {59, "59 sek."},
      {60, "60 sek."},
      {61, "1 min. 1 sek. (61s)"},
      {3600, "60 min. 0 sek. (3600s)"},
      {3601, "1 godz. 1 sek. (3601s)"},
      {86400, "24 godz. 0 sek. (86400s)"},
      {90061, "1 dzien 1 godz. 1 min. 1 sek. (90061s)"},
      {172801, "2 dni 1 sek. (172801s)"},
  };
  for (const auto& c : cases) {
    core_capture capture;
    report_elapsed_time(c.seconds);
    EXPECT_EQ(capture.messages(), std::string("\nCzas trwania obliczen: ") + c.text + "\n") << c.seconds;
  }
}

}  // namespace
