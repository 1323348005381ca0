#include "equation_base.h"

#include <cmath>
#include <sstream>

#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "parameter_file.h"
#include "text_file.h"

using namespace atomic_units;

namespace {

// The grid's summary line, as the headers of the result files carry it.
std::string summary_line(const grid_parameters& grid) {
  std::ostringstream line;
  grid.write_summary_line(line);
  return line.str();
}

// Closes a result file; one that could not be written whole gets its error line.
bool closed_whole(text_file& file, const std::string& name) {
  if (file.close()) return true;
  error_line_with_file("Blad zapisu pliku", name);
  return false;
}

// Rising edge, plateau and falling edge shared by the trapezoid and the
// sine-squared envelope. Only reachable edges divide by T1, so T1 = 0 gives
// a plain rectangle.
template <class Rise, class Fall>
long double edged_envelope(long double t, long double T1, long double T2, Rise rise, Fall fall) {
  if (t <= 0) return 0;
  if (t <= T1) return rise(t);
  if (t <= T1 + T2) return 1;
  if (t <= 2 * T1 + T2) return fall(t);
  return 0;
}

long double sine_squared(long double angle) {
  const long double v = std::sin(angle);
  return v * v;
}

}  // namespace

equation_base::equation_base(const std::string& file_name, const grid_parameters& grid_, int level)
    : name(fit_file_name(file_name)), message_level(level), grid(grid_) {
  if (shows_startup(message_level)) message_stream() << "Inicjacja rownania Schrodingera (klasa bazowa) ...\n";
  kinetic_coefficient = i_unit * hbar / (2 * mass);
  status = read_file();
}

int equation_base::read_file() {
  parameter_file file;
  if (file.open(name, "rownania", version) != 0) return 1;
  file >> typ_potencjalu >> Vo >> a >> Ec >> Eo >> w >> k >> phi >> w2 >> w3 >> w4 >> typ_obwiedni >> T1 >> T2 >>
      pA_cechowanie_mieszane >> typ_pot_absorb >> Uo_abs >> a_abs >> Uor_abs >> Nr_abs >> Ni_abs >> nieliniowosc_SN;
  // A run on silently defaulted physics would be a wrong result reported as
  // success, so a missing or unreadable parameter is an error. Only the two
  // file switches may be absent; they then keep their defaults.
  if (!file.good()) {
    error_line_with_file("Nieprawidlowe parametry rownania!", name);
    return 1;
  }
  file >> v_save >> e_save >> d_save;

  if (!(a >= 0) || !(Eo >= 0) || !(w >= 0) || !(w2 >= 0) || !(T1 >= 0) || !(T2 >= 0))
    error_line_with_file("Parametry rownania sa podejrzane!", name);
  if (shows_summary(message_level)) print_summary();
  return 0;
}

void equation_base::print_summary() const {
  std::ostream& out = message_stream();
  out << "Parametry rownania pobrano z pliku: " << name << ", wersja " << version << "\n";
  out << "Potencjal wiazacy V(x,t): "
      << kind_name(potential_names, typ_potencjalu, "zle okreslony (brak potencjalu)") << ", Vo=" << Vo << ", a=" << a << "\n";
  out << "Pole zewnetrzne E(x,t): Ec=" << Ec << ", Eo=" << Eo << ", w=" << w << ", k=" << k << ", phi=" << phi
      << ", w2=" << w2 << ", w3=" << w3 << ", w4=" << w4 << "\n";
  out << "Obwiednia impulsu f(t): " << kind_name(envelope_names, typ_obwiedni, "zle okreslony (brak impulsu)")
      << ", T1=" << T1 << ", T2=" << T2 << "\n";
  if (pA_cechowanie_mieszane == 1)
    out << "Cechowanie mieszane wlaczone (ignorowane przy wyborze cechowania dE)\n";
  else
    out << "Cechowanie mieszane wylaczone\n";
  out << "Potencjal absorbujacy U_abs(x,t): "
      << kind_name(absorber_names, typ_pot_absorb, "zle okreslony (brak potencjalu)") << ", Uo_abs=" << Uo_abs
      << ", a_abs=" << a_abs << "\n";
  out << "(par. dod. w NIP/NCP-power: Uor_abs=" << Uor_abs << ", Nr_abs=" << Nr_abs << ", Ni_abs=" << Ni_abs
      << ")\n";
  out << "Nieliniowosc SN=" << nieliniowosc_SN << "\n";
}

long double equation_base::potential(double x, double) const {
  switch (typ_potencjalu) {
    case square_well: return std::fabs(x) <= a ? Vo : 0.0;
    case soft_core: return Vo / std::sqrt(static_cast<long double>(a) * a + static_cast<long double>(x) * x);
    case step_barrier: return x < 0 ? a : Vo;
    default: return 0;
  }
}

long double equation_base::envelope(double time) const {
  const long double t = time;
  switch (typ_obwiedni) {
    case rectangular_envelope: return 1;
    case trapezoid_envelope:
      return edged_envelope(
          t, T1, T2, [this](long double s) { return s / T1; },
          [this](long double s) { return (T1 + T2 - s) / T1 + 1; });
    case sine_squared_envelope: {
      const long double half_pi = static_cast<long double>(pi) / 2;
      return edged_envelope(
          t, T1, T2, [&](long double s) { return sine_squared(half_pi * s / T1); },
          [&](long double s) { return sine_squared(half_pi * (s - T2) / T1); });
    }
    case exponential_envelope:
      // Without a time constant there is no pulse (and no division by zero).
      if (T1 == 0) return 0;
      return 4 * (std::exp(-t / T1) - std::exp(-2 * t / T1));
    case pulse_train_envelope: {
      const long double period = static_cast<long double>(T1) + T2;
      if (t < 0 || period == 0) return 0;
      // The pulse number stays a real: it may lie far beyond the integer range.
      const long double n = std::floor(t / period);
      if (!std::isfinite(n) || n < 0) return 0;
      return n * period <= t && t < n * period + T1 ? 1 : 0;
    }
    default: return 0;
  }
}

long double carrier_wave::phase(double x, double time) const {
  const long double t = time;
  return w * t - k * static_cast<long double>(x) + phi + w2 * t * t + w3 * std::sin(w4 * t);
}

long double equation_base::field(double x, double time) const {
  return Ec + Eo * envelope(time) * std::cos(carrier().phase(x, time));
}

std::complex<double> equation_base::absorbing_potential(double x, double) const {
  if (a_abs == 0) return 0;
  const long double left = x - static_cast<long double>(grid.xmin);
  const long double right = grid.xmax - static_cast<long double>(x);
  // Zero parts stay +0, so that the potential file shows "0" and not "-0".
  switch (typ_pot_absorb) {
    case kosloff_absorber: {
      auto g = [this](long double d) -> long double {
        if (!(d <= 5 * static_cast<long double>(a_abs))) return 0;
        const long double c = std::cosh(d / a_abs);
        return 1 / (c * c);
      };
      const double strength = static_cast<double>(std::fabs(Uo_abs) * (g(left) + g(right)));
      return {0.0, 0.0 - strength};
    }
    case power_absorber: {
      auto h = [this](long double d) -> std::complex<long double> {
        if (!(d <= a_abs)) return 0;
        const double s = static_cast<double>((a_abs - d) / a_abs);
        return {std::fabs(Uor_abs) * real_power(s, Nr_abs), std::fabs(Uo_abs) * real_power(s, Ni_abs)};
      };
      const std::complex<long double> sum = h(left) + h(right);
      return {static_cast<double>(0 - sum.real()), static_cast<double>(0 - sum.imag())};
    }
    default: return 0;
  }
}

bool equation_base::announce_save(bool allowed, const char* blocked, const char* saving,
                                  const std::string& file_name) const {
  if (shows_summary(message_level))
    message_stream() << "Equation (" << label << "): " << (allowed ? saving : blocked) << " do pliku: " << file_name
                     << (allowed ? "\n" : " zablokowane.\n");
  return allowed;
}

bool equation_base::save_potential(const std::string& file_name, double t) const {
  if (!announce_save(v_save != 0, "Zapisanie potencjalu", "Zapisuje potencjal", file_name)) return true;
  text_file out(file_name);
  out << "#Potencjal w t=";
  out.number(t) << "\n#" << summary_line(grid) << "#\n#x V(x,t) Re(U_abs(x,t)) Im(U_abs(x,t))\n";
  for (int i = 1; i <= grid.xdim(); ++i) {
    const double x = static_cast<double>(grid.x(i));
    const std::complex<double> u = absorbing_potential(x, t);
    out.number(x) << "  ";
    out.number(static_cast<double>(potential(x, t))) << "  ";
    out.number(u.real()) << "  ";
    out.number(u.imag()) << "\n";
  }
  return closed_whole(out, file_name);
}

bool equation_base::save_field(const std::string& file_name) const {
  if (!announce_save(e_save != 0, "Zapisanie pola E(t,0)", "Zapisuje pole E(t,0)", file_name)) return true;
  text_file out(file_name);
  out << "#E(0,t)\n#" << summary_line(grid) << "#\n#t E(0,t) f(t)\n";
  // The first and the last time of the run are left out.
  for (int j = 1; j < grid.tdim; ++j) {
    const double t = static_cast<double>(grid.t(j));
    out.number(t) << "  ";
    out.number(static_cast<double>(field(0, t))) << "  ";
    out.number(static_cast<double>(envelope(t))) << "\n";
  }
  return closed_whole(out, file_name);
}

bool equation_base::coefficients_finite() const {
  auto finite = [](std::complex<double> z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); };
  auto finite_at = [&](double x, double t) {
    return finite(drift_coefficient(x, t)) && finite(potential_coefficient(x, t)) && finite(gauge_phase(x, t));
  };
  // Every point at the start, then the ends and the middle of the interval at
  // the middle and at the end of the run, where a field grows largest.
  for (int i = 1; i <= grid.xdim(); ++i) {
    if (!finite_at(static_cast<double>(grid.x(i)), grid.tmin)) return false;
  }
  const double middle_x = grid.xmin / 2 + grid.xmax / 2;
  for (const double t : {grid.tmin / 2 + grid.tmax / 2, grid.tmax}) {
    for (const double x : {grid.xmin, middle_x, grid.xmax}) {
      if (!finite_at(x, t)) return false;
    }
  }
  return std::isfinite(kinetic_coefficient.real()) && std::isfinite(kinetic_coefficient.imag());
}
