// The reader of wavefunction files and the eight sums.
#include <gtest/gtest.h>

#include <complex>
#include <sstream>

#include "overlap_sums.h"
#include "ovint_test_helpers.h"
#include "wave_file_info.h"

namespace {

using complex = std::complex<double>;

WaveFileInfo describe(const std::string& text) {
  std::istringstream file(text);
  return describe_wave_file(file);
}

const std::vector<complex> psi1 = {{0.1, -0.3}, {0.7, 0.2}, {-0.4, 0.5}, {0.25, 0.0}, {0.0, -0.15}};
const std::vector<complex> psi2 = {{0.3, 0.1}, {-0.2, 0.6}, {0.5, 0.5}, {0.1, -0.7}, {0.05, 0.2}};

}  // namespace

TEST(OvintReader, SnapshotAndFinalFilesInTheSimulatorsFormat) {
  for (int step : {0, 101}) {  // a "psi" snapshot, and "psi_stop.dat" of a finished run
    const WaveFileInfo info = describe(psi_file_text(psi1, -10, 10, step));
    EXPECT_EQ(info.comment_lines, 5);
    EXPECT_EQ(info.point_count, 5);
    EXPECT_EQ(info.first_x, -10);
    EXPECT_EQ(info.last_x, 10);
    EXPECT_EQ(info.dx, 5);
  }
}

TEST(OvintReader, LayoutVariantsGiveTheSameGrid) {
  // No comments; a tab in the first data line; a blank line before the data;
  // a comment line far longer than any fixed buffer; Windows line ends.
  const std::string body = "0.5 0.5\n1 0\n0 1\n-1\n3\n";
  const std::string long_comment = "#" + std::string(1000, 'x') + " 1 2\n";
  for (const std::string& text : {body, "0.5\t0.5\n" + body.substr(8), "#a\n\n" + body,
                                   long_comment + "#b\n" + body, std::string("0.5 0.5\r\n1 0\r\n0 1\r\n-1\r\n3\r\n")}) {
    const WaveFileInfo info = describe(text);
    EXPECT_EQ(info.fault, wave_file_fault::none) << text;
    EXPECT_EQ(info.point_count, 3) << text;
    EXPECT_EQ(info.first_x, -1);
    EXPECT_EQ(info.last_x, 3);
    EXPECT_EQ(info.dx, 2);
  }
  EXPECT_EQ(describe(long_comment + "#b\n" + body).comment_lines, 2);
}

TEST(OvintReader, FilesWithoutPointsNeverDivideByZero) {
  EXPECT_LT(describe("").point_count, 0);
  EXPECT_LT(describe("#only a comment\n#").point_count, 0);
  const WaveFileInfo one = describe("1 0\n2\n2\n");
  EXPECT_EQ(one.point_count, 1);
  EXPECT_EQ(one.dx, 0);
  // Only the closing pair: no point, and the step still follows (last - first) / (N - 1).
  const WaveFileInfo none = describe("-10\n10\n");
  EXPECT_EQ(none.point_count, 0);
  EXPECT_EQ(none.dx, -20);
}

// What an interrupted or failing writer leaves must never pass for a grid.
TEST(OvintReader, CutFilesAreFaults) {
  const std::string whole = psi_file_text(psi1, -10, 10);
  ASSERT_EQ(describe(whole).fault, wave_file_fault::none);
  const std::size_t data = whole.find("\n", whole.find("#Re")) + 1;
  const std::size_t third_row = whole.find("\n", whole.find("\n", data) + 1) + 1;
  for (const std::string& text : {
           whole.substr(0, whole.size() - 1),  // no line break after the closing pair
           whole.substr(0, third_row + 7),     // cut inside a row
           whole.substr(0, third_row),         // cut between rows: the last "pair" is a row
           whole.substr(0, whole.size() - 3),  // cut inside the last x
           std::string("1 0\n0 1\n#x\n0 0\n-1\n1\n"),  // a comment inside the data
           std::string("1 0\n0 1\n-1\n1\nkoniec\n"),    // words after the closing pair
           std::string("1 0\n0\n-1\n1\n"),               // an odd count of numbers
       }) {
    EXPECT_EQ(describe(text).fault, wave_file_fault::cut) << text;
  }
  EXPECT_EQ(describe("#" + std::string(max_line_length + 1, 'x') + "\n").fault, wave_file_fault::long_line);
  EXPECT_EQ(describe(whole + std::string(max_line_length + 1, ' ')).fault, wave_file_fault::long_line);
}

TEST(OvintSums, PlainSumsOverTheFirstFilesGrid) {
  std::istringstream first(psi_file_text(psi1, -1, 1)), second(psi_file_text(psi2, -1, 1));
  const WaveFileInfo grid = describe_wave_file(first);
  first.clear();
  first.seekg(0);
  skip_lines(first, grid.comment_lines);
  skip_lines(second, grid.comment_lines);
  const OverlapSums sums = sum_overlap(first, second, grid);

  complex overlap, dipole;
  double n1 = 0, n2 = 0, x1 = 0, x2 = 0;
  for (std::size_t k = 0; k < psi1.size(); ++k) {
    const double x = -1 + 0.5 * k;
    overlap += std::conj(psi1[k]) * psi2[k];
    dipole += std::conj(psi1[k]) * psi2[k] * x;
    n1 += std::norm(psi1[k]);
    n2 += std::norm(psi2[k]);
    x1 += std::norm(psi1[k]) * x;
    x2 += std::norm(psi2[k]) * x;
  }
  EXPECT_NEAR(sums.s_re, overlap.real(), 1e-15);
  EXPECT_NEAR(sums.s_im, overlap.imag(), 1e-15);
  EXPECT_NEAR(sums.occupation(), std::norm(overlap), 1e-15);
  EXPECT_NEAR(sums.n1, n1, 1e-15);
  EXPECT_NEAR(sums.n2, n2, 1e-15);
  EXPECT_NEAR(sums.d_re, dipole.real(), 1e-15);
  EXPECT_NEAR(sums.d_im, dipole.imag(), 1e-15);
  EXPECT_NEAR(sums.dipole_square(), std::norm(dipole), 1e-15);
  EXPECT_NEAR(sums.x1, x1, 1e-15);
  EXPECT_NEAR(sums.x2, x2, 1e-15);
}

TEST(OvintSums, MissingValuesOfTheSecondFileCountAsZero) {
  const WaveFileInfo grid = describe("1 0\n0 2\n0 1\n0\n2\n");
  std::istringstream first("1 0\n0 2\n0 1\n"), second("0 1\n3");
  const OverlapSums sums = sum_overlap(first, second, grid);
  EXPECT_EQ(sums.n1, 6);
  EXPECT_EQ(sums.n2, 10);  // (0,1) and (3,0); the third point is absent
  EXPECT_EQ(sums.s_re, 0);
  EXPECT_EQ(sums.s_im, -5);  // conj(1)*i + conj(2i)*3
  EXPECT_EQ(sums.x2, 9);    // x = 0, 1, 2
}
