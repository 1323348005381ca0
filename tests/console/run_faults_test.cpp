// Runs that must not pass for successful ones: results that cannot be
// written, parameters that overflow, inputs that never end, and runs stopped
// by a signal. Each ends with a status other than 0, without "OK", and
// leaves no cut file under a final name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>

#include "core_capture.h"
#include "run.h"
#include "wave_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t unprivileged_id = 65534;  // "nobody"

// What a run in a child process ended with.
struct child_outcome {
  int code = -1;       // exit status, or -signal when a signal ended it
  std::string errors;  // the core's error stream
};

struct RunFaults : ::testing::Test {
  core_capture capture;
  grid_file grid_values{32, -8, 8, 10, 0, 0.01};
  equation_file equation_values;
  psi_file psi_values;

  void write_parameters() {
    grid_values.write();
    equation_values.write();
    psi_values.write();
  }
  // Runs in this process; returns the exit code.
  int run() {
    write_parameters();
    testing::internal::CaptureStdout();
    const int code = run_simulation(2, 0);
    bells = testing::internal::GetCapturedStdout();
    return code;
  }
  // Runs in a child process, as "nobody" when this process is root (whose
  // writes no permission stops); while it runs, watch(child) may act on it.
  child_outcome run_in_child(bool unprivileged, const std::function<void(pid_t)>& watch = {}) {
    write_parameters();
    int pipe_ends[2];
    EXPECT_EQ(pipe(pipe_ends), 0);
    const pid_t child = fork();
    if (child == 0) {
      close(pipe_ends[0]);
      if (unprivileged && getuid() == 0 && (setgid(unprivileged_id) != 0 || setuid(unprivileged_id) != 0)) _exit(99);
      testing::internal::CaptureStdout();
      const int code = run_simulation(2, 0);
      const std::string errors = capture.errors();
      if (write(pipe_ends[1], errors.data(), errors.size()) < 0) _exit(98);
      _exit(code);
    }
    close(pipe_ends[1]);
    if (watch) watch(child);
    child_outcome outcome;
    char buffer[4096];
    for (ssize_t n; (n = read(pipe_ends[0], buffer, sizeof buffer)) > 0;) outcome.errors.append(buffer, n);
    close(pipe_ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return outcome;
  }
  // No temporary is left, and every wavefunction file present is whole: its
  // last two lines are the closing pair of x values.
  static void expect_whole_files() {
    for (const auto& entry : fs::directory_iterator(".")) {
      const std::string name = entry.path().filename().string();
      EXPECT_FALSE(name.ends_with(".tmp")) << name;
      if (name.starts_with("psi") && entry.is_regular_file() && !entry.is_symlink()) {
        const auto rows = data_rows(name);
        ASSERT_GE(rows.size(), 2u) << name;
        EXPECT_EQ(rows[rows.size() - 1].size(), 1u) << name;
        EXPECT_EQ(rows[rows.size() - 2].size(), 1u) << name;
      }
    }
    if (fs::is_symlink("1d-timed.dat")) return;
    const std::string timed = core_capture::read_file("1d-timed.dat");
    if (!timed.empty()) {
      EXPECT_EQ(timed.back(), '\n');
    }
    for (const auto& row : data_rows("1d-timed.dat")) EXPECT_EQ(row.size(), 4u);
  }
  std::string bells;
};

TEST_F(RunFaults, ResultFileOnAFullDeviceFailsTheRun) {
  // The time-quantities file fails at step 0; the final file at the end.
  fs::create_symlink("/dev/full", "1d-timed.dat");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Blad zapisu pliku (1d-timed.dat)\n\n");
  EXPECT_EQ(bells, "\a");
  EXPECT_FALSE(fs::exists("psi_stop.dat"));
  EXPECT_TRUE(fs::is_symlink("1d-timed.dat"));

  fs::remove("1d-timed.dat");
  fs::create_symlink("/dev/full", "psi_stop.dat");
  capture.clear();
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Blad zapisu pliku (psi_stop.dat)\n\n");
  EXPECT_EQ(capture.messages().find("OK"), std::string::npos);
  EXPECT_EQ(data_rows("1d-timed.dat").size(), 11u);
  expect_whole_files();
}

TEST_F(RunFaults, PotentialOrFieldFileOnAFullDeviceFailsTheRun) {
  equation_values.v_save = 1;
  equation_values.e_save = 1;
  for (const std::string name : {"v(x).dat", "e(t).dat"}) {
    fs::create_symlink("/dev/full", name);
    capture.clear();
    EXPECT_EQ(run(), 1) << name;
    EXPECT_EQ(capture.errors(), "\n\t*** Blad zapisu pliku (" + name + ")\n\n");
    EXPECT_EQ(capture.messages().find("OK"), std::string::npos) << name;
    EXPECT_FALSE(fs::exists("psi_stop.dat")) << name;
    fs::remove(name);
  }
}

TEST_F(RunFaults, ReadOnlyFolderOrOldResultFailsTheRun) {
  if (getuid() != 0 && geteuid() == 0) GTEST_SKIP() << "set-user-id root: permissions cannot be dropped";
  fs::permissions(".", fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all);
  psi_values.co_ile_krokow_zapis_wykresu = 1;
  // An earlier run's final file, made read-only: it must not be replaced,
  // nor taken for this run's.
  const std::string old_text = "#stary wynik\n0  0\n-8\n8\n";
  core_capture::write_file("psi_stop.dat", old_text);
  fs::permissions("psi_stop.dat", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  child_outcome old_result = run_in_child(true);
  EXPECT_EQ(old_result.code, 1);
  EXPECT_EQ(old_result.errors, "\n\t*** Blad zapisu pliku (psi_stop.dat)\n\n");
  EXPECT_EQ(core_capture::read_file("psi_stop.dat"), old_text);
  expect_whole_files();

  // A folder nobody may write to: the first result file fails at step 0.
  for (const auto& entry : fs::directory_iterator(".")) {
    if (!entry.path().string().ends_with(".par")) fs::remove(entry.path());
  }
  write_parameters();
  fs::permissions(".", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                           fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  child_outcome folder = run_in_child(true);
  fs::permissions(".", fs::perms::owner_all);
  EXPECT_EQ(folder.code, 1);
  EXPECT_EQ(folder.errors, "\n\t*** Blad zapisu pliku (1d-timed.dat)\n\n");
  EXPECT_FALSE(fs::exists("1d-timed.dat"));
}

TEST_F(RunFaults, SignalStopsTheRunBetweenSteps) {
  grid_values = {256, -8, 8, 2000000, 0, 0.001};
  psi_values.co_ile_krokow_zapis_funkcji = 7;
  psi_values.co_ile_krokow_zapis_wykresu = 3;
  for (const int signal_number : {SIGTERM, SIGINT}) {
    for (const auto& entry : fs::directory_iterator(".")) {
      if (!entry.path().string().ends_with(".par")) fs::remove(entry.path());
    }
    // The signal comes once the steps are under way.
    const child_outcome outcome = run_in_child(false, [signal_number](pid_t child) {
      for (int wait = 0; wait < 2000 && data_rows("1d-timed.dat").size() < 20; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      kill(child, signal_number);
    });
    EXPECT_EQ(outcome.code, 128 + signal_number);
    EXPECT_EQ(outcome.errors.rfind("\n\t*** Blad: obliczenia przerwane sygnalem po kroku ", 0), 0u) << outcome.errors;
    EXPECT_FALSE(fs::exists("psi_stop.dat"));
    expect_whole_files();
    // The step named is the last line of the time-quantities file.
    const int step = std::stoi(outcome.errors.substr(outcome.errors.rfind(' ')));
    EXPECT_EQ(data_rows("1d-timed.dat").size(), static_cast<std::size_t>(step) + 1);
  }
}

TEST_F(RunFaults, OverflowingParametersAreRefused) {
  const grid_file overflowing[] = {{64, -10, 10, 3, 0, 1e-320}, {64, -1e308, 1e308, 3, 0, 0.05}, {64, -10, 10, 3, 0, 1e308}};
  for (const grid_file& grid : overflowing) {
    grid_values = grid;
    capture.clear();
    EXPECT_EQ(run(), 1) << grid.xmax << " " << grid.dt;
    EXPECT_EQ(capture.errors().rfind("\n\t*** Nieprawidlowe parametry sieci! (1d-grid.par)\n\n", 0), 0u);
  }
  grid_values = {32, -8, 8, 10, 0, 0.01};
  equation_values.Ec = 1e308;
  capture.clear();
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(capture.errors().rfind(
                "\n\t*** Blad: wspolczynniki rownania przekraczaja zakres liczb na tej siatce (1d-eq.par)\n\n", 0),
            0u)
      << capture.errors();
  EXPECT_FALSE(fs::exists("1d-timed.dat"));

  // A pulse that overflows only between the times the equation is checked
  // at is caught by the last guard, the norm of the step.
  equation_values.Ec = 0;
  equation_values.Eo = 5e307;
  equation_values.typ_obwiedni = 3;  // 4 (exp(-t/T1) - exp(-2t/T1)): 0 at the start, 1 at T1 ln 2
  equation_values.T1 = 0.0144;
  capture.clear();
  EXPECT_EQ(run(), 1);
  EXPECT_NE(capture.errors().find("\n\t*** Blad: norma funkcji falowej nie jest liczba skonczona (krok 1)\n\n"),
            std::string::npos)
      << capture.errors();
  EXPECT_FALSE(fs::exists("psi_stop.dat"));
}

TEST_F(RunFaults, InitialAndProjectionFilesOutOfRangeOrEndless) {
  const std::string huge = "1e155 0\n0 0\n0 0\n0 0\n-1\n1\n";
  core_capture::write_file("huge.dat", huge);
  grid_values = {4, -1, 1, 2, 0, 0.01};
  psi_values.typ_funkcji_pocz = 0;
  psi_values.nazwa_pliku = "huge.dat";
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(capture.errors(),
            "\n\t*** Blad: wartosci funkcji falowej w pliku przekraczaja zakres liczb (huge.dat)\n\n"
            "\n\t*** Blad: Funkcja falowa nie mogla byc prawidlowo zainicjowana\n\n");

  // A device never ends: reading it as one line would take all memory.
  psi_values.nazwa_pliku = "/dev/zero";
  capture.clear();
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(capture.errors().rfind("\n\t*** Blad: plik poczatkowej funkcji falowej nie jest zwyklym plikiem (/dev/zero)", 0), 0u);

  psi_values.typ_funkcji_pocz = 1;
  psi_values.rzutuj_na_plik = 1;
  psi_values.rzutuj_nazwa_pliku = "huge.dat";
  capture.clear();
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Blad: wartosci funkcji falowej w pliku przekraczaja zakres liczb (huge.dat)\n\n");
  EXPECT_FALSE(fs::exists("psi_stop.dat"));
}

}  // namespace
