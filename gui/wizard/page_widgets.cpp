#include "page_widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

QLabel* text_label(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

QLabel* bold_label(const QString& text, QWidget* parent) {
  QLabel* label = text_label(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* read_out(const char* name, const QString& design_text) {
  return named(text_label(design_text), name);
}

QSlider* track_bar(const char* name, int minimum, int maximum, int tick, int position) {
  auto* bar = named(new QSlider(Qt::Horizontal), name);
  bar->setRange(minimum, maximum);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setTickInterval(tick);
  bar->setPageStep(tick);
  bar->setValue(position);
  return bar;
}

QLineEdit* edit_box(const char* name, const QString& text, int width) {
  auto* edit = named(new QLineEdit(text), name);
  if (width > 0) edit->setFixedWidth(width);
  return edit;
}

QFrame* panel(const char* name) {
  auto* frame = named(new QFrame, name);
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  return frame;
}

QVBoxLayout* page_layout(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(14, 12, 14, 8);
  layout->setSpacing(6);
  return layout;
}

QHBoxLayout* page_row(QWidget* page, int spacing) {
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(14, 12, 14, 8);
  row->setSpacing(spacing);
  return row;
}
