// Every modal message box and Yes/No question of tarn goes through these
// functions, so that tests can replace the real boxes with a recorder that
// answers at once. Call them on the window thread only.
//
// The boxes are in Polish whatever the locale: with Qt's Polish translation
// installed (install_polish_translation) Qt names their buttons, and without
// it they are named here.
#pragma once

#include <QString>

class QWidget;

class dialog_handler {
 public:
  virtual ~dialog_handler() = default;
  // A modal box with the text and an OK button, on the active window.
  virtual void show_message(const QString& text) = 0;
  // A modal Yes/No question that belongs to the window: it is the box's
  // parent and gives it its caption, whichever window is active. True for Yes.
  virtual bool ask_yes_no(QWidget* window, const QString& text) = 0;
};

void show_message(const QString& text);
bool ask_yes_no(QWidget* window, const QString& text);

// Replaces the real boxes (nullptr puts them back). The handler is not owned.
// Also routes the controls' boxes here (see route_control_messages).
void set_dialog_handler(dialog_handler* handler);

// Sends the boxes of the graph and link controls through show_message, so
// that they reach the current handler like every other box of tarn. The
// program calls it at start-up.
void route_control_messages();
