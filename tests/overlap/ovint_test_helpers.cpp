#include "ovint_test_helpers.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iomanip>
#include <sstream>

#include "help_texts.h"
#include "ovint_main.h"

scratch_directory::scratch_directory() : previous_(std::filesystem::current_path()) {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  path_ = std::filesystem::temp_directory_path() /
          ("ovint_" + std::to_string(::getpid()) + "_" + test->test_suite_name() + "_" + test->name());
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
  std::filesystem::current_path(path_);
}

scratch_directory::~scratch_directory() {
  std::filesystem::current_path(previous_);
  std::filesystem::remove_all(path_);
}

void write_file(const std::string& name, const std::string& text) { std::ofstream(name) << text; }

std::string read_file(const std::string& name) {
  std::ifstream file(name);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string psi_file_text(const std::vector<std::complex<double>>& psi, double xmin, double xmax, int step) {
  std::ostringstream text;
  text << "#Funkcja falowa w t=" << 0.05 * step << " (" << step << ")\n"
       << "#Funkcja falowa (czesc rzeczywista i urojona)\n"
       << "#Parametry sieci  x: " << psi.size() << " (" << xmin << "," << xmax << "),  t: 100 (0,5)\n"
       << "#\n#Re(Psi(x)) Im(Psi(x)\n"
       << std::setprecision(19);
  for (const auto& value : psi) text << value.real() << "  " << value.imag() << "\n";
  text << xmin << "\n" << xmax << "\n";
  return text.str();
}

ovint_outcome run_ovint(const std::vector<std::string>& words) {
  std::vector<const char*> argv;
  for (const auto& word : words) argv.push_back(word.c_str());
  argv.push_back(nullptr);
  std::ostringstream out, err;
  testing::internal::CaptureStdout();
  ovint_outcome outcome;
  outcome.code = ovint_main(static_cast<int>(words.size()), argv.data(), out, err);
  outcome.bell = testing::internal::GetCapturedStdout();
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

std::string banner() {
  std::ostringstream text;
  write_banner(text);
  return text.str();
}
