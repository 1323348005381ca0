#include "control_messages.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

void information_box(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

control_message_handler current = information_box;

}  // namespace

void show_control_message(const QString& text) { current(text); }

void set_control_message_handler(control_message_handler handler) {
  current = handler ? std::move(handler) : control_message_handler(information_box);
}
