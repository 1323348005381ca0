#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core_capture.h"
#include "grid_parameters.h"
#include "harmonics_main.h"
#include "wave_fixture.h"
#include "wavefunction.h"

namespace {

// The largest power of the spectrum rows within `half` orders of `order`.
double power_near(const std::vector<std::vector<double>>& rows, double order, double half) {
  double power = 0;
  for (const auto& row : rows)
    if (std::fabs(row[0] - order) <= half) power = std::max(power, row[2]);
  return power;
}

// The shipped harmonics example on a coarser grid (dx = 0.2, dt = 0.1, the
// same pulse and atom): the run's dipole record through mirelo-spectrum.
TEST(HarmonicExample, OddHarmonicsUpToTheCutoff) {
  if (std::system("command -v gnuplot >/dev/null 2>&1") != 0) GTEST_SKIP() << "gnuplot is not installed";
  core_capture capture;
  const std::filesystem::path example = std::filesystem::path(DEFAULT_EXAMPLES_DIR) / "harmonics";
  for (const char* name : {"1d-eq.par", "1d-psi.par"}) {
    std::filesystem::copy_file(example / name, name);
  }
  grid_file grid_values;
  grid_values.xdim = 640;
  grid_values.xmin = -63.9;
  grid_values.xmax = 63.9;
  grid_values.tdim = 11020;
  grid_values.dt = 0.1;
  grid_values.write();
  {
    grid_parameters grid("1d-grid.par", 2);
    wavefunction wave(grid, "1d-psi.par", 2);
    ASSERT_EQ(wave.status, 0) << capture.errors();
    for (int j = 1; j <= grid.tdim; ++j) ASSERT_EQ(wave.step_forward(), 0);
  }
  const char* arguments[] = {"mirelo-spectrum"};
  ASSERT_EQ(spectrum_main(1, arguments), 0) << capture.errors();
  const auto rows = data_rows("spectrum.dat");

  // Soft-core atom with a^2 = 2: Ip = 0.5; Up = Eo^2 / (4 w^2).
  const double w = 0.057, Eo = 0.05;
  const double cutoff = (0.5 + 3.17 * Eo * Eo / (4 * w * w)) / w;
  const std::string header = core_capture::read_file("spectrum.dat");
  const std::size_t at = header.find("rzad odciecia=");
  ASSERT_NE(at, std::string::npos) << header.substr(0, 200);
  EXPECT_NEAR(std::stod(header.substr(at + 14)), cutoff, 0.01);

  // In the plateau every odd harmonic stands at least ten times above the
  // even orders beside it.
  std::vector<double> plateau;
  for (int q = 5; q <= cutoff; q += 2) {
    const double odd = power_near(rows, q, 0.3);
    EXPECT_GT(odd, 10 * power_near(rows, q - 1, 0.1)) << "order " << q;
    EXPECT_GT(odd, 10 * power_near(rows, q + 1, 0.1)) << "order " << q;
    plateau.push_back(std::log10(odd));
  }
  // The plateau ends near the cutoff: the last odd harmonic within half a
  // decade of the plateau's median level.
  std::nth_element(plateau.begin(), plateau.begin() + plateau.size() / 2, plateau.end());
  const double level = plateau[plateau.size() / 2];
  int last = 0;
  for (int q = 5; q <= 3 * cutoff; q += 2)
    if (std::log10(power_near(rows, q, 0.3)) >= level - 0.5) last = q;
  EXPECT_NEAR(last, cutoff, 3) << "plateau level 10^" << level;
}

}  // namespace
