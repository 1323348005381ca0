#include "value_list.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

value_list parsed(const std::string& text) {
  value_list list;
  std::string error;
  EXPECT_TRUE(parse_value_list(text, list, error)) << text << ": " << error;
  return list;
}

std::string rejection(const std::string& text) {
  value_list list;
  std::string error;
  EXPECT_FALSE(parse_value_list(text, list, error)) << text;
  return error;
}

TEST(ValueList, ExplicitListsKeepOrderAndExactValues) {
  const value_list list = parsed("0.05,-1e-3,+2,0.1");
  EXPECT_EQ(list.values, (std::vector<double>{0.05, -1e-3, 2, 0.1}));
  EXPECT_FALSE(list.logarithmic);
  EXPECT_EQ(parsed("7").values, std::vector<double>{7});
}

TEST(ValueList, LinearRangeHitsBothEndsExactly) {
  const value_list list = parsed("0.02:0.2:10");
  ASSERT_EQ(list.values.size(), 10u);
  EXPECT_EQ(list.values.front(), 0.02);
  EXPECT_EQ(list.values.back(), 0.2);
  EXPECT_NEAR(list.values[1], 0.04, 1e-15);
  EXPECT_EQ(parsed("3:1:3").values, (std::vector<double>{3, 2, 1}));
  EXPECT_EQ(parsed("5:9:1").values, std::vector<double>{5});
}

TEST(ValueList, LogarithmicRangeIsGeometric) {
  const value_list list = parsed("log:1e-3:1e-1:9");
  ASSERT_EQ(list.values.size(), 9u);
  EXPECT_TRUE(list.logarithmic);
  EXPECT_EQ(list.values.front(), 1e-3);
  EXPECT_EQ(list.values.back(), 1e-1);
  for (std::size_t i = 1; i < list.values.size(); ++i)
    EXPECT_NEAR(list.values[i] / list.values[i - 1], std::pow(10.0, 0.25), 1e-12);
}

TEST(ValueList, BadListsAndRangesSayWhy) {
  EXPECT_NE(rejection("1:2:0").find("0"), std::string::npos);
  EXPECT_NE(rejection("1:2:-3").find("-3"), std::string::npos);
  EXPECT_NE(rejection("1:2:2.5").find("2.5"), std::string::npos);
  EXPECT_NE(rejection("log:0:1:3").find("logarytmicznego"), std::string::npos);
  EXPECT_NE(rejection("log:-1:1:3").find("logarytmicznego"), std::string::npos);
  EXPECT_NE(rejection("0.1,abc").find("abc"), std::string::npos);
  rejection("");
  rejection("0.1,,0.2");
  rejection("1:2");
  rejection("lin:1:2:3");
  rejection("1e400");
  rejection("nan");
}

}  // namespace
