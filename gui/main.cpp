// tarn: the windowed Schrödinger-equation wizard. Creates the application,
// the wizard window and the two plot windows, and runs the message loop.
#include <QApplication>
#include <exception>

#include "dialogs.h"
#include "fatal_ending.h"
#include "main_form.h"
#include "plot_windows.h"
#include "polish_translation.h"

namespace {

void report_escaped_exception(const std::exception& error) {
  show_message(QStringLiteral("Tarn: Awaryjne zakończenie programu - nieobsłużony wyjątek.\nInformacja: ") +
               QString::fromLocal8Bit(error.what()));
}

// No exception may unwind through Qt's event dispatch, so one escaping an
// event handler is caught here, on its way out of the message loop.
class tarn_application : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      report_escaped_exception(error);
      QCoreApplication::exit(1);
    } catch (const run_aborted&) {
      // A failed run not caught by its starter: the fatal-error ending has
      // already shown its box, saved the log and asked the loop to end.
    }
    return false;
  }
};

int run_windows() {
  TMainForm main_form;  // the first window created is the main window
  create_plot_windows(main_form, main_form.VersionText());
  struct plot_windows_owner {
    ~plot_windows_owner() { destroy_plot_windows(); }
  } plot_windows;  // destroyed before the wizard window, in reverse order
  main_form.AttachPlotWindows();
  main_form.show();
  main_form.activateWindow();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  tarn_application application(argc, argv);
  try {
    install_polish_translation();  // tarn speaks Polish, Qt's boxes and file dialog too
    route_control_messages();
    install_fatal_ending();
    return run_windows();  // 1 after the fatal-error ending or an escaped exception
  } catch (const std::exception& error) {
    report_escaped_exception(error);
  }
  return 1;
}
