// Test support: records every box and question of tarn and answers at once.
#pragma once

#include <QList>
#include <QStringList>

#include "dialogs.h"

class dialog_recorder : public dialog_handler {
 public:
  dialog_recorder() { set_dialog_handler(this); }
  ~dialog_recorder() override { set_dialog_handler(nullptr); }
  void show_message(const QString& text) override { messages << text; }
  bool ask_yes_no(QWidget* window, const QString& text) override {
    questions << text;
    question_windows << window;
    return answer;
  }
  QStringList messages;   // texts of the boxes shown, in order
  QStringList questions;  // texts of the questions asked, in order
  QList<QWidget*> question_windows;  // the window each question belonged to
  bool answer = true;     // what every question is answered
};
