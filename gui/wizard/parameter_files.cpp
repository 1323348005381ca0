#include "parameter_files.h"

#include <QFile>

#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>
#include <system_error>

#include "dialogs.h"
#include "wizard_numbers.h"
#include "wizard_parameters.h"

namespace {

// One line of tokens separated by single blanks, as the core reads them.
class line_writer {
 public:
  line_writer() { text_.imbue(std::locale::classic()); }
  line_writer& real(double value) { return token(parameter_real(value)); }
  line_writer& integer(int value) { return token(std::to_string(value)); }
  line_writer& text(const QString& value) { return token(value.toStdString()); }
  line_writer& end_line() {
    text_ << '\n';
    first_ = true;
    return *this;
  }
  std::string str() const { return text_.str(); }

 private:
  line_writer& token(const std::string& value) {
    if (!first_) text_ << ' ';
    text_ << value;
    first_ = false;
    return *this;
  }
  std::ostringstream text_;
  bool first_ = true;
};

std::filesystem::path file_path(const QString& name) { return QFile::encodeName(name).toStdString(); }

void write_file(const QString& name, const std::string& text) {
  std::ofstream file(file_path(name), std::ios::binary | std::ios::trunc);
  file << text;
}

QString written_line(const QString& name, double version) {
  return name + QStringLiteral(" (wersja ") + RealToText(version) + QStringLiteral(")");
}

}  // namespace

std::string parameter_real(double value) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text.setf(std::ios::scientific, std::ios::floatfield);
  text.precision(14);
  text << value;
  return text.str();
}

std::string grid_file_text(const WizardParameters& values) {
  line_writer file;
  file.real(values.grid_version).end_line();
  file.integer(values.xdim).real(values.xmin).real(values.xmax).end_line();
  file.integer(values.tdim).real(values.tmin).real(values.dt).end_line();
  return file.str();
}

std::string wavefunction_file_text(const WizardParameters& values, bool use_well_parameters) {
  line_writer file;
  file.real(values.wavefunction_version).end_line();
  file.integer(values.typ_funkcji_pocz).text(values.nazwa_pliku).end_line();
  if (use_well_parameters)
    file.integer(0).real(values.a).real(values.Vo).integer(values.n).end_line();
  else
    file.real(values.x0).real(values.packet_width).real(values.k0).integer(values.n).end_line();
  file.integer(values.co_ile_krokow_zapis_wykresu)
      .integer(values.co_ile_krokow_zapis_funkcji)
      .integer(values.co_ile_krokow_zapis_fft)
      .integer(values.przesuniecie)
      .end_line();
  file.integer(values.cechowanie_hamiltonianu).end_line();
  file.integer(values.rzutuj_na_plik).text(values.rzutuj_nazwa_pliku).end_line();
  return file.str();
}

std::string equation_file_text(const WizardParameters& values) {
  line_writer file;
  file.real(values.equation_version).end_line();
  file.integer(values.typ_potencjalu).real(values.Vo).real(values.a).end_line();
  file.real(values.Ec).real(values.Eo).real(values.w).real(values.k).real(values.phi).end_line();
  file.real(values.w2).real(values.w3).real(values.w4).end_line();
  file.integer(values.typ_obwiedni).real(values.T1).real(values.T2).end_line();
  file.integer(values.pA_cechowanie_mieszane).end_line();
  file.integer(values.typ_pot_absorb).real(values.Uo_abs).real(values.a_abs).end_line();
  file.real(values.Uor_abs).real(values.Nr_abs).real(values.Ni_abs).end_line();
  file.real(values.nieliniowosc_SN).end_line();
  file.integer(values.v_save).integer(values.e_save).end_line();
  return file.str();
}

QStringList write_working_files(const WizardParameters& values, bool use_well_parameters) {
  write_file(working_grid_file, grid_file_text(values));
  write_file(working_wavefunction_file, wavefunction_file_text(values, use_well_parameters));
  write_file(working_equation_file, equation_file_text(values));
  return {QStringLiteral("Zapisuję parametry symulacji do plików roboczych:"),
          written_line(working_grid_file, values.grid_version),
          written_line(working_equation_file, values.equation_version),
          written_line(working_wavefunction_file, values.wavefunction_version)};
}

void copy_parameter_file(const QString& source, const QString& target, bool overwrite) {
  if (source == target) return;
  if (!overwrite && QFile::exists(target)) return;
  if (!QFile::exists(source)) {
    show_message(QStringLiteral("Błąd: plik ") + source + QStringLiteral(" nie istnieje"));
    return;  // the copy could not happen; the target stays as it was
  }
  // A failed copy (a directory, the same file under another name, no
  // permission) changes nothing and is not reported.
  std::error_code error;
  std::filesystem::copy_file(
      file_path(source), file_path(target),
      overwrite ? std::filesystem::copy_options::overwrite_existing : std::filesystem::copy_options::skip_existing,
      error);
}
