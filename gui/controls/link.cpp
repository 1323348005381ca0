#include "link.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include <utility>

#include "control_messages.h"

namespace {

void open_with_desktop(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

link_opener current_opener = open_with_desktop;

const QColor navy(0, 0, 128);

// The defaults shown by the welcome page until the form sets its own.
const QString default_web_address = "http://tarn.example.org";
const QString default_mail_address = "tarn@example.org";

const QString web_prefix = "http://";
const QString mail_prefix = "mailto:";

}  // namespace

void set_link_opener(link_opener opener) {
  current_opener = opener ? std::move(opener) : link_opener(open_with_desktop);
}

TLink_base::TLink_base(QWidget* owner) : QLabel(owner), inactive_color_(navy), active_color_(Qt::black) {
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  set_text_color(inactive_color_);
  setCursor(Qt::PointingHandCursor);
  setWordWrap(false);
  setTextFormat(Qt::PlainText);  // addresses are shown as they are
}

void TLink_base::SetInactiveColor(const QColor& color) {
  inactive_color_ = color;
  set_text_color(color);
}

void TLink_base::SetDescription(const QString& description) {
  description_ = description;
  setText(description);
}

void TLink_base::set_text_color(const QColor& color) {
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, color);
  setPalette(colors);
}

void TLink_base::mousePressEvent(QMouseEvent* event) {
  set_text_color(active_color_);
  event->accept();
}

// A click is a left button released over the label after it was pressed there.
void TLink_base::mouseReleaseEvent(QMouseEvent* event) {
  set_text_color(inactive_color_);
  event->accept();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    current_opener(address_);
}

TLink::TLink(QWidget* owner) : TLink_base(owner) {
  SetDescription(default_web_address);
  store_address(Description());
  setToolTip("Link to " + Address());
}

void TLink::SetAddress(const QString& address) {
  store_address(address.startsWith(web_prefix) ? address : web_prefix + address);
}

TMail::TMail(QWidget* owner) : TLink_base(owner) {
  SetDescription(default_mail_address);
  store_address(mail_prefix + Description());
  setToolTip("Send a message to " + Description());
}

void TMail::SetAddress(const QString& address) {
  const QString prefixed = address.startsWith(mail_prefix) ? address : mail_prefix + address;
  if (prefixed.contains('@'))
    store_address(prefixed);
  else
    show_control_message("E-mail adress should include '@'.");
}
