// The command line: option table and order rules, names, program name, the
// two help texts and the command-line errors.
#include <gtest/gtest.h>

#include <filesystem>

#include "command_line.h"
#include "ovint_test_helpers.h"

namespace {

const std::string short_help =
    "Skladnia: ovint [-h|-f|-l|-p] plik_we1 [plik_we2 [plik_wy]]\n"
    "Pomoc: ovint -h\n";

const std::string full_help =
    "Program sluzy do obliczania calki nakrywania, normy, momentu dipolowego\n"
    "funkcji zapisanych w formacie tekstowym Lumo/mirelo.\n"
    "Dopuszczalna jest dowolna liczba linii komentarza (znak # w pierwszej\n"
    "kolumnie linii) jedynie na poczatku pliku.\n\n"
    "Skladnia: ovint [-h|-f|-l|-p] plik_we1 [plik_we2 [plik_wy]]\n\n"
    "Parametry:\n"
    "   -h   pomoc\n"
    "   -f   bada tylko strukture pierwszego pliku (przyjmuje strukture\n"
    "\tpierwszego za wzorzec w czytaniu kolejnych plikow)\n"
    "   -l   petla: do nazwy plik_we2 dodawane sa rozszerzenia od x00 do x10\n"
    "Przyklady:\n"
    "   ovint ad.x00 ad.x10\n"
    "   ovint -l ad.x00 ad\n"
    "\nUwaga! Jezeli obliczenia prowadzone sa w cechowaniu pA, wynik nie jest obsadzeniem ze wzgledu "
    "na koniecznosc transformacji funkcji w czasie\n";

void expect_command_line_error(const std::vector<std::string>& words, const std::string& message) {
  scratch_directory scratch;
  const ovint_outcome run = run_ovint(words);
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "\n\t*** " + message + "\n\n\n");
  EXPECT_EQ(run.bell, "\a");
  EXPECT_EQ(run.out, banner() + short_help);
  // Nothing was examined, so not even the header reached the result file.
  EXPECT_FALSE(std::filesystem::exists("ovint.dat"));
}

}  // namespace

TEST(OvintCommandLine, ProgramNameIsTheLowerCaseInvocationWithoutDirectory) {
  EXPECT_EQ(program_name_from("ovint"), "ovint");
  EXPECT_EQ(program_name_from("C:\\Programy\\OVINT.EXE"), "ovint.exe");
  EXPECT_EQ(program_name_from("/usr/bin/OvInt"), "ovint");
  EXPECT_EQ(program_name_from("a/b\\Narzedzie"), "narzedzie");
  EXPECT_EQ(program_name_from("dir/"), "");
}

TEST(OvintCommandLine, OptionsAnywhereNamesInOrderExtraWordsIgnored) {
  const char* argv[] = {"./bin/ovint", "a", "-f", "b", "-loop", "c", "d", "e"};
  const CommandLine line = split_command_line(8, argv);
  EXPECT_EQ(line.program_name, "ovint");
  EXPECT_EQ(line.options, (std::vector<std::string>{"-f", "-loop"}));
  const OptionState options = examine_options(line.options);
  EXPECT_EQ(options.verdict, option_verdict::run);
  EXPECT_TRUE(options.structure_only);
  EXPECT_EQ(options.loop_count, 11);
  const ComparisonFiles files = comparison_files(line.names);
  EXPECT_EQ(files.name_count, 2);
  EXPECT_EQ(files.first, "a");
  EXPECT_EQ(files.second, "b");
  EXPECT_EQ(files.result, "c");
}

TEST(OvintCommandLine, HelpWinsOnlyBeforeABadOption) {
  for (const auto& words : std::vector<std::vector<std::string>>{
           {"OVINT", "-h"}, {"ovint", "x", "-f", "-?", "-q"}, {"ovint", "-help"}, {"ovint", "-l", "-h"}}) {
    scratch_directory scratch;
    const ovint_outcome run = run_ovint(words);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, banner() + full_help);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.bell, "");
    EXPECT_FALSE(std::filesystem::exists("ovint.dat"));
  }
  expect_command_line_error({"ovint", "a", "-q", "-h"}, "Bledny parametr: '-q'");
}

TEST(OvintCommandLine, BadParametersQuoteTheWholeWord) {
  expect_command_line_error({"ovint", "a", "-"}, "Bledny parametr: '-'");
  expect_command_line_error({"ovint", "a", "-p"}, "Bledny parametr: '-p'");
  expect_command_line_error({"ovint", "a", "b", "-f", "-Hx"}, "Bledny parametr: '-Hx'");
}

TEST(OvintCommandLine, MissingNames) {
  expect_command_line_error({"ovint"}, "Brak nazwy pliku");
  expect_command_line_error({"ovint", "-f"}, "Brak nazwy pliku");
  expect_command_line_error({"ovint", "-l", "ad.x00"}, "Brak nazwy rdzenia plikow");
}
