#include "power_files.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "messages.h"
#include "number_text.h"
#include "text_file.h"

namespace {

// Orders and frequencies need more than six digits on long records, whose
// bins lie closer than 1e-3 orders.
constexpr int axis_digits = 10;

std::string ip_text(const laser_parameters& laser) {
  if (!laser.ip_known) return "nieznane";
  std::ostringstream text;
  text << laser.ip;
  return text.str();
}

// The upper end of the picture's order axis: past the cutoff, or past the
// ponderomotive part of it when Ip is unknown, and within the spectrum.
double picture_orders(const harmonic_spectrum& spectrum, const laser_parameters& laser) {
  const double cutoff = laser.ip_known ? laser.cutoff_order() : 3.17 * laser.up / laser.w;
  const double wanted = std::max(std::ceil(1.4 * cutoff + 8), 20.0);
  return std::min(wanted, spectrum.order.back());
}

// The points of the picture as "order power" lines. A long record puts
// many frequencies on one pixel column; groups of them are then replaced by
// their lowest and highest point, which draws the same line.
std::string picture_points(const harmonic_spectrum& spectrum, const std::vector<std::size_t>& shown) {
  constexpr std::size_t columns = 2000;
  const std::size_t group = std::max<std::size_t>(1, shown.size() / columns);
  std::string data;
  auto add = [&](std::size_t k) {
    append_number(data, spectrum.order[k], axis_digits);
    data += ' ';
    append_number(data, spectrum.power[k]);
    data += '\n';
  };
  for (std::size_t first = 0; first < shown.size(); first += group) {
    const std::size_t last = std::min(first + group, shown.size());
    std::size_t low = first, high = first;
    for (std::size_t i = first; i < last; ++i) {
      if (spectrum.power[shown[i]] < spectrum.power[shown[low]]) low = i;
      if (spectrum.power[shown[i]] > spectrum.power[shown[high]]) high = i;
    }
    add(shown[std::min(low, high)]);
    if (low != high) add(shown[std::max(low, high)]);
  }
  return data;
}

bool run_gnuplot(const std::string& script) {
  // A gnuplot that is missing closes the pipe: the write must then fail,
  // not end the program.
  auto previous = std::signal(SIGPIPE, SIG_IGN);
  FILE* pipe = popen("gnuplot", "w");
  bool written = false;
  if (pipe) written = std::fwrite(script.data(), 1, script.size(), pipe) == script.size();
  const int status = pipe ? pclose(pipe) : -1;
  std::signal(SIGPIPE, previous);
  return written && status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int write_spectrum_table(const std::string& name, const harmonic_spectrum& spectrum, const laser_parameters& laser,
                         const spectrum_options& options) {
  std::ostringstream header;
  header << "#Widmo harmonicznych: forma " << form_name(options.form) << ", okno " << window_name(options.window)
         << "\n#w=" << laser.w << "  Eo=" << laser.Eo << "  Up=" << laser.up << "  Ip=" << ip_text(laser);
  if (laser.ip_known) header << "  rzad odciecia=" << laser.cutoff_order();
  header << "\n#\n#rzad  omega  moc\n";
  text_file file(name);
  file << header.str();
  for (std::size_t k = 0; k < spectrum.power.size(); ++k) {
    file.number(spectrum.order[k], axis_digits) << "  ";
    file.number(spectrum.omega[k], axis_digits) << "  ";
    file.number(spectrum.power[k]) << "\n";
  }
  if (!file.close()) {
    error_line_with_file("Blad: nieudany zapis pliku widma!", name);
    return 1;
  }
  return 0;
}

int draw_spectrum(const std::string& name, const harmonic_spectrum& spectrum, const laser_parameters& laser,
                  const spectrum_options& options) {
  const double last_order = picture_orders(spectrum, laser);
  std::vector<std::size_t> shown;
  double peak = 0, lowest = HUGE_VAL;
  for (std::size_t k = 1; k < spectrum.power.size() && spectrum.order[k] <= last_order; ++k) {
    const double power = spectrum.power[k];
    if (!(power > 0)) continue;  // no place on a log scale
    shown.push_back(k);
    peak = std::max(peak, power);
    lowest = std::min(lowest, power);
  }
  if (!(peak > 0)) {
    error_line_with_file("Blad: widmo zerowe, brak wykresu!", name);
    return 1;
  }
  const std::string data = picture_points(spectrum, shown);
  const std::string temporary = name + ".tmp";
  std::ostringstream script;
  script << "set terminal pngcairo size 1000,600 font ',11'\n"
         << "set output '" << temporary << "'\n"
         << "set title 'Widmo harmonicznych (forma: " << form_name(options.form)
         << ", okno: " << window_name(options.window) << ")'\n"
         << "set xlabel 'rząd harmonicznej ω/w'\nset ylabel 'moc'\n"
         << "set logscale y\nset format y '10^{%L}'\nset grid xtics ytics\nset mxtics 2\n"
         << "set xtics " << (last_order > 60 ? 10 : 2) << "\n"
         << "set xrange [0:" << last_order << "]\n"
         << "set yrange [" << std::max(lowest, peak * 1e-16) << ":" << peak * 10 << "]\n";
  if (laser.ip_known) {
    const double cutoff = laser.cutoff_order();
    script << "set arrow from " << cutoff << ", graph 0 to " << cutoff
           << ", graph 1 nohead lc rgb '#c00000' dt 2 lw 2\n"
           << "set label 'odcięcie (Ip + 3.17 Up)/w = " << std::round(cutoff * 10) / 10 << "' at " << cutoff
           << ", graph 0.93 offset 1,0 tc rgb '#c00000'\n";
  }
  script << "plot '-' using 1:2 with lines lc rgb '#1f4e9c' notitle\n" << data << "e\n";

  if (!run_gnuplot(script.str()) || std::rename(temporary.c_str(), name.c_str()) != 0) {
    std::remove(temporary.c_str());
    error_line_with_file("Blad: gnuplot nie narysowal widma!", name);
    return 1;
  }
  return 0;
}
