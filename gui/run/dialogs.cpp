#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "control_messages.h"

namespace {

// Boxes carry the caption of the window they belong to.
QString caption() {
  const QWidget* window = QApplication::activeWindow();
  return window && !window->windowTitle().isEmpty() ? window->windowTitle() : QApplication::applicationName();
}

class message_boxes : public dialog_handler {
 public:
  void show_message(const QString& text) override {
    QMessageBox::information(QApplication::activeWindow(), caption(), text);
  }
  bool ask_yes_no(const QString& text) override {
    return QMessageBox::question(QApplication::activeWindow(), caption(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }
};

message_boxes real_boxes;
dialog_handler* current = &real_boxes;

}  // namespace

void show_message(const QString& text) { current->show_message(text); }
bool ask_yes_no(const QString& text) { return current->ask_yes_no(text); }
void set_dialog_handler(dialog_handler* handler) {
  current = handler ? handler : &real_boxes;
  route_control_messages();
}

void route_control_messages() {
  set_control_message_handler([](const QString& text) { show_message(text); });
}
