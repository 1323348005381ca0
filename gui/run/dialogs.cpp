#include "dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "control_messages.h"

namespace {

// A box carries the caption of the window it belongs to.
QString caption(const QWidget* window) {
  return window && !window->windowTitle().isEmpty() ? window->windowTitle() : QApplication::applicationName();
}

// Qt names the standard buttons through its translation; when the Polish one
// is not installed they get their Polish names here.
void name_buttons_in_polish(QMessageBox& box) {
  struct button_name {
    QMessageBox::StandardButton button;
    const char* qt_text;
    const char* polish;
  };
  static const button_name names[] = {{QMessageBox::Yes, "&Yes", "Tak"},
                                      {QMessageBox::No, "&No", "Nie"},
                                      {QMessageBox::Ok, "OK", "OK"},
                                      {QMessageBox::Cancel, "Cancel", "Anuluj"}};
  for (const button_name& name : names) {
    QAbstractButton* button = box.button(name.button);
    if (button && QCoreApplication::translate("QPlatformTheme", name.qt_text) == QLatin1String(name.qt_text))
      button->setText(QString::fromUtf8(name.polish));
  }
}

int run_box(QMessageBox::Icon icon, QWidget* window, const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption(window), text, buttons, window);
  name_buttons_in_polish(box);
  return box.exec();
}

class message_boxes : public dialog_handler {
 public:
  void show_message(const QString& text) override {
    run_box(QMessageBox::Information, QApplication::activeWindow(), text, QMessageBox::Ok);
  }
  bool ask_yes_no(QWidget* window, const QString& text) override {
    QWidget* owner = window ? window->window() : QApplication::activeWindow();
    return run_box(QMessageBox::Question, owner, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }
};

message_boxes real_boxes;
dialog_handler* current = &real_boxes;

}  // namespace

void show_message(const QString& text) { current->show_message(text); }
bool ask_yes_no(QWidget* window, const QString& text) { return current->ask_yes_no(window, text); }
void set_dialog_handler(dialog_handler* handler) {
  current = handler ? handler : &real_boxes;
  route_control_messages();
}

void route_control_messages() {
  set_control_message_handler([](const QString& text) { show_message(text); });
}
