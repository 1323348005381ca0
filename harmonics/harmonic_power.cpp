#include "harmonic_power.h"

#include <cmath>
#include <complex>
#include <fftw3.h>
#include <memory>

namespace {

constexpr double pi = 3.141592653589793;

struct fftw_deleter {
  void operator()(void* block) const { fftw_free(block); }
};

}  // namespace

void differentiate(std::vector<double>& values, double dt) {
  const std::size_t n = values.size();
  if (n < 2) return;
  std::vector<double> slope(n);
  slope[0] = (values[1] - values[0]) / dt;
  for (std::size_t j = 1; j + 1 < n; ++j) slope[j] = (values[j + 1] - values[j - 1]) / (2 * dt);
  slope[n - 1] = (values[n - 1] - values[n - 2]) / dt;
  values.swap(slope);
}

void apply_window(std::vector<double>& values, spectrum_window window) {
  const std::size_t n = values.size();
  if (window == spectrum_window::none || n < 2) return;
  const double step = 2 * pi / static_cast<double>(n - 1);
  for (std::size_t j = 0; j < n; ++j) {
    const double c = std::cos(step * static_cast<double>(j));
    const double weight =
        window == spectrum_window::hann ? 0.5 - 0.5 * c : 0.42 - 0.5 * c + 0.08 * (2 * c * c - 1);  // cos 2x
    values[j] *= weight;
  }
}

harmonic_spectrum power_spectrum(dipole_series series, spectrum_form form, spectrum_window window, double w) {
  std::vector<double>& values = series.values;
  if (form == spectrum_form::velocity) differentiate(values, series.dt);
  apply_window(values, window);

  const std::size_t n = values.size();
  const std::size_t bins = n / 2 + 1;
  std::unique_ptr<double[], fftw_deleter> in(static_cast<double*>(fftw_malloc(sizeof(double) * n)));
  std::unique_ptr<fftw_complex[], fftw_deleter> out(
      static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * bins)));
  if (!in || !out) throw std::bad_alloc();
  // The plan first: planning may overwrite the arrays.
  fftw_plan plan = fftw_plan_dft_r2c_1d(static_cast<int>(n), in.get(), out.get(), FFTW_ESTIMATE);
  for (std::size_t j = 0; j < n; ++j) in[j] = values[j];
  fftw_execute(plan);
  fftw_destroy_plan(plan);

  harmonic_spectrum spectrum;
  spectrum.order.resize(bins);
  spectrum.omega.resize(bins);
  spectrum.power.resize(bins);
  const double d_omega = 2 * pi / (static_cast<double>(n) * series.dt);
  for (std::size_t k = 0; k < bins; ++k) {
    const double omega = d_omega * static_cast<double>(k);
    spectrum.omega[k] = omega;
    spectrum.order[k] = omega / w;
    // The phase of the first time only turns the complex amplitude.
    spectrum.power[k] = std::norm(std::complex<double>(out[k][0], out[k][1]) * series.dt);
  }
  return spectrum;
}
