#include "ovint_main.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "command_line.h"
#include "help_texts.h"
#include "ovint_errors.h"
#include "overlap_sums.h"
#include "result_file.h"
#include "wave_file_info.h"

namespace {

constexpr int single_comparison = -1;

// Extension of the m-th second file in loop mode: ".x00" ... ".x10".
std::string loop_extension(int m) {
  return (m < 10 ? ".x0" : ".x") + std::to_string(m);
}

// One run after the command line was accepted.
class overlap_run {
 public:
  overlap_run(std::ostream& out, std::ostream& err, const OptionState& options, const ComparisonFiles& files)
      : out_(out), err_(err), options_(options), files_(files) {}

  int execute();

 private:
  void print_file_names();
  bool opened(const std::ifstream& file, const std::string& name);
  bool describe(const std::string& name, bool printed, WaveFileInfo& info);
  bool check_second(const std::string& name, bool printed, int& second_comments);
  bool compare(int index, const std::string& second_name, int second_comments);
  void print_report(const OverlapSums& sums);
  bool write_results(std::string_view text);

  std::ostream& out_;
  std::ostream& err_;
  OptionState options_;
  ComparisonFiles files_;
  result_file results_;
  WaveFileInfo first_;
};

int overlap_run::execute() {
  print_file_names();
  // The header goes out before any input is examined, so even a run that
  // fails on its first file leaves it; earlier results are never truncated.
  // A result file that cannot take the header would lose every row: the run
  // ends here rather than report results that are not kept.
  results_.open(files_.result);
  if (!write_results(result_header(files_.first))) return 1;
  if (!describe(files_.first, true, first_)) return 1;

  if (options_.loop_count == 0) {
    // With one name or "-f" the second file is read with the first's layout.
    int second_comments = first_.comment_lines;
    if (files_.name_count > 1 && !options_.structure_only &&
        !check_second(files_.second, true, second_comments))
      return 1;
    out_ << "\nCalkuje...\n";
    if (!compare(single_comparison, files_.second, second_comments)) return 1;
  } else {
    out_ << "\n";
    for (int m = 0; m < options_.loop_count; ++m) {
      const std::string second = files_.second + loop_extension(m);
      int second_comments = first_.comment_lines;
      if (!options_.structure_only && !check_second(second, false, second_comments)) return 1;
      if (!compare(m, second, second_comments)) return 1;
    }
  }
  out_ << "\nOK.\n\n";
  return 0;
}

void overlap_run::print_file_names() {
  out_ << "Plik pierwszy:  " << files_.first;
  if (files_.name_count > 1) {
    out_ << "\nPlik drugi:     " << files_.second;
    if (options_.loop_count > 0) out_ << ".x*";
  }
  out_ << "\nPlik wynikowy:  " << files_.result << "\n";
}

bool overlap_run::opened(const std::ifstream& file, const std::string& name) {
  if (!file.is_open()) {
    report_file_error(err_, "Brak pliku", name);
    return false;
  }
  // A device or a pipe never ends (or ends nowhere useful): only files are read.
  std::error_code error;
  if (!std::filesystem::is_regular_file(name, error)) {
    report_file_error(err_, "To nie jest zwykly plik", name);
    return false;
  }
  return true;
}

bool overlap_run::write_results(std::string_view text) {
  if (results_.append(text)) return true;
  report_file_error(err_, "Blad zapisu pliku", files_.result);
  return false;
}

bool overlap_run::describe(const std::string& name, bool printed, WaveFileInfo& info) {
  if (printed) out_ << "\nBadam plik " << name << "...\n";
  std::ifstream file(name);
  if (!opened(file, name)) return false;
  info = describe_wave_file(file);
  // Without a single pair of numbers there is no grid to report or compare;
  // a cut file would give a grid of nonsense.
  switch (info.fault) {
    case wave_file_fault::none: break;
    case wave_file_fault::no_data: report_file_error(err_, "Brak danych w pliku", name); return false;
    case wave_file_fault::cut: report_file_error(err_, "Niepelne dane w pliku", name); return false;
    case wave_file_fault::long_line: report_file_error(err_, "Za dluga linia w pliku", name); return false;
  }
  if (printed) {
    out_ << "Siec x: " << info.point_count << " (" << info.first_x << "," << info.last_x << "), dx=" << info.dx
         << "\n";
    out_ << "Linie komentarza (#): " << info.comment_lines << "\n";
  }
  return true;
}

// Describes a second file and makes sure it lies on the first file's grid.
bool overlap_run::check_second(const std::string& name, bool printed, int& second_comments) {
  WaveFileInfo second;
  if (!describe(name, printed, second)) return false;
  if (!same_grid(first_, second)) {
    report_error(err_, "Pliki zawieraja funkcje zapisane na innych siatkach");
    return false;
  }
  second_comments = second.comment_lines;
  return true;
}

bool overlap_run::compare(int index, const std::string& second_name, int second_comments) {
  std::ifstream first(files_.first), second(second_name);
  // A second file that cannot be opened is reported even under "-f":
  // comparing with nothing would pass zeros off as a result.
  if (!opened(first, files_.first) || !opened(second, second_name)) return false;
  skip_lines(first, first_.comment_lines);
  skip_lines(second, second_comments);
  const OverlapSums sums = sum_overlap(first, second, first_);
  if (options_.loop_count > 0)
    out_ << "Norma: " << sums.n2 << "\t   Obsadzenie: " << sums.occupation() << "\n";
  else
    print_report(sums);
  return write_results(result_row(index, sums));
}

void overlap_run::print_report(const OverlapSums& sums) {
  if (files_.name_count < 2) {
    out_ << "Norma <1|1>: " << sums.n1 << "\n";
    out_ << "Srednie polozenie <1|x|1>: " << sums.x1 << "\n";
    return;
  }
  out_ << "Calka/Suma <1|2>: (" << sums.s_re << "," << sums.s_im << ")\n";
  out_ << "Kwadrat modulu calki (obsadzenie): " << sums.occupation() << "\n\n";
  out_ << "Norma pierwszej funkcji <1|1>: " << sums.n1 << "\n";
  out_ << "Norma drugiej funkcji <2|2>:   " << sums.n2 << "\n\n";
  out_ << "Moment dipolowy <1|x|2>: (" << sums.d_re << "," << sums.d_im << ")\n";
  out_ << "Kwadrat modulu momentu dipolowego: " << sums.dipole_square() << "\n\n";
  out_ << "Srednie polozenie <1|x|1>: " << sums.x1 << "\n";
  out_ << "Srednie polozenie <2|x|2>: " << sums.x2 << "\n";
}

// A command-line error: the message, the bell, then the short help.
int command_line_error(std::ostream& out, std::ostream& err, const std::string& text,
                       const std::string& program_name) {
  report_error(err, text);
  write_short_help(out, program_name);
  return 1;
}

}  // namespace

int ovint_main(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  write_banner(out);
  const CommandLine line = split_command_line(argc, argv);
  const OptionState options = examine_options(line.options);
  if (options.verdict == option_verdict::help) {
    write_full_help(out, line.program_name);
    return 0;
  }
  if (options.verdict == option_verdict::bad_parameter)
    return command_line_error(out, err, "Bledny parametr: '" + options.bad_word + "'", line.program_name);
  if (line.names.empty()) return command_line_error(out, err, "Brak nazwy pliku", line.program_name);
  if (options.loop_count > 0 && line.names.size() == 1)
    return command_line_error(out, err, "Brak nazwy rdzenia plikow", line.program_name);
  return overlap_run(out, err, options, comparison_files(line.names)).execute();
}
