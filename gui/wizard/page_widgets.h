// Small builders of the wizard's controls: each makes one widget or layout
// with the object name, style and ranges the pages give it.
#pragma once

#include <QLatin1String>
#include <QString>

class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSlider;
class QVBoxLayout;
class QWidget;

// The width of a number box on the wizard's pages.
constexpr int edit_width = 90;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QLabel* text_label(const QString& text, QWidget* parent = nullptr);
QLabel* bold_label(const QString& text, QWidget* parent = nullptr);
// A read-out label whose text the handlers replace.
QLabel* read_out(const char* name, const QString& design_text = QString());
QSlider* track_bar(const char* name, int minimum, int maximum, int tick, int position);
QLineEdit* edit_box(const char* name, const QString& text, int width = edit_width);
QFrame* panel(const char* name);
// Pages lay their controls out from the top; what is left stays empty below.
QVBoxLayout* page_layout(QWidget* page);
// Pages whose parts stand side by side, with the same margins.
QHBoxLayout* page_row(QWidget* page, int spacing);
