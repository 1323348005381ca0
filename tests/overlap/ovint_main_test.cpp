// Whole runs: the console report, the result file's bytes, loop mode and the
// errors met after the command line was accepted.
#include <gtest/gtest.h>

#include <filesystem>

#include "ovint_test_helpers.h"

namespace {

// On the grid -1, 0, 1 every sum is exact: <1|2> = (0.25,-0.25),
// <1|x|2> = (-0.75,0.25), N1 = 1, N2 = 2.5, X1 = -0.25, X2 = -0.5.
const std::string first = psi_file_text({{0.5, 0.5}, {0.5, 0}, {0, 0.5}}, -1, 1);
const std::string second = psi_file_text({{1, 0}, {0, 1}, {0.5, -0.5}}, -1, 1, 100);

const std::string header_a =
    "#Zapis wynikow z programu ovint (a.dat):\n#<2|2>   |<1|2>|^2  |<1|x|2>|^2   <2|x|2> \n#";

std::string description(const std::string& name) {
  return "\nBadam plik " + name + "...\nSiec x: 3 (-1,1), dx=1\nLinie komentarza (#): 5\n";
}

class OvintRun : public testing::Test {
 protected:
  OvintRun() {
    write_file("a.dat", first);
    write_file("b.dat", second);
  }
  void expect_failure(const ovint_outcome& run, const std::string& message) {
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "\n\t*** " + message + "\n\n\n");
    EXPECT_EQ(run.bell, "\a");
    EXPECT_EQ(run.out.find("Skladnia"), std::string::npos);
    EXPECT_EQ(run.out.find("OK."), std::string::npos);
  }
  scratch_directory scratch_;
};

}  // namespace

TEST_F(OvintRun, TwoFilesFullReportAndRow) {
  const ovint_outcome run = run_ovint({"ovint", "a.dat", "b.dat"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.err + run.bell, "");
  EXPECT_EQ(run.out, banner() +
                         "Plik pierwszy:  a.dat\nPlik drugi:     b.dat\nPlik wynikowy:  ovint.dat\n" +
                         description("a.dat") + description("b.dat") +
                         "\nCalkuje...\n"
                         "Calka/Suma <1|2>: (0.25,-0.25)\n"
                         "Kwadrat modulu calki (obsadzenie): 0.125\n\n"
                         "Norma pierwszej funkcji <1|1>: 1\n"
                         "Norma drugiej funkcji <2|2>:   2.5\n\n"
                         "Moment dipolowy <1|x|2>: (-0.75,0.25)\n"
                         "Kwadrat modulu momentu dipolowego: 0.625\n\n"
                         "Srednie polozenie <1|x|1>: -0.25\n"
                         "Srednie polozenie <2|x|2>: -0.5\n"
                         "\nOK.\n\n");
  EXPECT_EQ(read_file("ovint.dat"), header_a + "\n-1  2.5  0.125  0.625  -0.5");
}

TEST_F(OvintRun, ResultsAccumulateWithoutFinalLineBreak) {
  write_file("ovint.dat", "stare");
  EXPECT_EQ(run_ovint({"ovint", "a.dat", "b.dat"}).code, 0);
  const ovint_outcome self = run_ovint({"ovint", "a.dat"});
  EXPECT_EQ(self.code, 0);
  EXPECT_EQ(self.out, banner() + "Plik pierwszy:  a.dat\nPlik wynikowy:  ovint.dat\n" + description("a.dat") +
                          "\nCalkuje...\nNorma <1|1>: 1\nSrednie polozenie <1|x|1>: -0.25\n\nOK.\n\n");
  // Compared with itself: N2 = N1, P = N1^2, Q = X1^2, X2 = X1.
  EXPECT_EQ(read_file("ovint.dat"),
            "stare" + header_a + "\n-1  2.5  0.125  0.625  -0.5" + header_a + "\n-1  1  1  0.0625  -0.25");
  EXPECT_EQ(run_ovint({"ovint", "b.dat", "a.dat", "wyniki.dat"}).code, 0);
  EXPECT_TRUE(read_file("wyniki.dat").starts_with("#Zapis wynikow z programu ovint (b.dat):"));
}

TEST_F(OvintRun, LoopStopsAtTheFirstMissingFile) {
  for (int m = 0; m < 7; ++m) write_file("ad.x0" + std::to_string(m), second);
  for (const char* structure : {"-l", "-f"}) {  // "-f" does not hide a missing file
    std::filesystem::remove("ovint.dat");
    const ovint_outcome run = run_ovint({"ovint", "-l", "a.dat", structure, "ad"});
    expect_failure(run, "Brak pliku (ad.x07)");
    std::string lines, rows;
    for (int m = 0; m < 7; ++m) {
      lines += "Norma: 2.5\t   Obsadzenie: 0.125\n";
      rows += "\n" + std::to_string(m) + "  2.5  0.125  0.625  -0.5";
    }
    EXPECT_EQ(run.out, banner() + "Plik pierwszy:  a.dat\nPlik drugi:     ad.x*\nPlik wynikowy:  ovint.dat\n" +
                           description("a.dat") + "\n" + lines);
    EXPECT_EQ(read_file("ovint.dat"), header_a + rows);
  }
  for (int m = 7; m < 11; ++m) write_file((m < 10 ? "ad.x0" : "ad.x") + std::to_string(m), second);
  const ovint_outcome complete = run_ovint({"ovint", "-l", "a.dat", "ad", "petla.dat"});
  EXPECT_EQ(complete.code, 0);
  EXPECT_TRUE(complete.out.ends_with("Obsadzenie: 0.125\n\nOK.\n\n"));
  EXPECT_TRUE(read_file("petla.dat").ends_with("\n9  2.5  0.125  0.625  -0.5\n10  2.5  0.125  0.625  -0.5"));
}

TEST_F(OvintRun, StructureOnlyReadsTheSecondFileWithTheFirstsLayout) {
  write_file("short.dat", "#1\n#2\n#3\n#4\n#5\n1 0\n");
  const ovint_outcome run = run_ovint({"ovint", "-f", "a.dat", "short.dat"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out.find("Badam plik short.dat"), std::string::npos);
  EXPECT_EQ(read_file("ovint.dat"), header_a + "\n-1  1  0.5  0.5  -1");
  expect_failure(run_ovint({"ovint", "-f", "a.dat", "brak.dat"}), "Brak pliku (brak.dat)");
}

TEST_F(OvintRun, InputErrorsKeepTheHeader) {
  write_file("inna.dat", psi_file_text({{1, 0}, {0, 1}, {0, 0}}, -1, 2));
  write_file("pusty.dat", "#tylko komentarz\n");
  expect_failure(run_ovint({"ovint", "brak.dat", "b.dat"}), "Brak pliku (brak.dat)");
  expect_failure(run_ovint({"ovint", "a.dat", "brak.dat"}), "Brak pliku (brak.dat)");
  expect_failure(run_ovint({"ovint", "a.dat", "inna.dat"}), "Pliki zawieraja funkcje zapisane na innych siatkach");
  expect_failure(run_ovint({"ovint", "pusty.dat"}), "Brak danych w pliku (pusty.dat)");
  std::string headers;
  for (const char* name : {"brak.dat", "a.dat", "a.dat", "pusty.dat"})
    headers += "#Zapis wynikow z programu ovint (" + std::string(name) +
               "):\n#<2|2>   |<1|2>|^2  |<1|x|2>|^2   <2|x|2> \n#";
  EXPECT_EQ(read_file("ovint.dat"), headers);
}

// A result file that cannot keep the rows fails the run: results that are
// only on the console would be taken for kept ones.
TEST_F(OvintRun, UnwritableResultFileFailsTheRun) {
  std::filesystem::create_directory("katalog");
  expect_failure(run_ovint({"ovint", "a.dat", "b.dat", "katalog"}), "Blad zapisu pliku (katalog)");
  // A full disk: the write itself fails.
  std::filesystem::create_symlink("/dev/full", "pelny.dat");
  expect_failure(run_ovint({"ovint", "a.dat", "b.dat", "pelny.dat"}), "Blad zapisu pliku (pelny.dat)");
}

TEST_F(OvintRun, CutAndEndlessInputsAreRefused) {
  write_file("cut.dat", first.substr(0, first.size() - 12));
  expect_failure(run_ovint({"ovint", "cut.dat", "b.dat"}), "Niepelne dane w pliku (cut.dat)");
  expect_failure(run_ovint({"ovint", "a.dat", "cut.dat"}), "Niepelne dane w pliku (cut.dat)");
  // Devices are not files: the structure-only run would otherwise read
  // /dev/full for ever.
  expect_failure(run_ovint({"ovint", "-f", "a.dat", "/dev/full"}), "To nie jest zwykly plik (/dev/full)");
  expect_failure(run_ovint({"ovint", "/dev/zero"}), "To nie jest zwykly plik (/dev/zero)");
}
