// Hyperlink labels: underlined navy text that opens its address with the
// desktop's default handler when clicked. TLink opens a web address, TMail a
// mail address; TLink_base holds what they share and is never created itself.
//
// Pressing a mouse button over the label paints the text in ActiveColor,
// releasing it paints it in InactiveColor; a left click (press and release
// over the label) opens Address. The hint (tool tip) is set by the
// constructors only; later changes of the address or the description leave it.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

#include <functional>

// Opens an address. The default hands it to QDesktopServices::openUrl and
// ignores the result; tests replace it so that no browser is started.
using link_opener = std::function<void(const QString& address)>;
// Replaces the opener; an empty one puts the desktop's handler back.
void set_link_opener(link_opener opener);

class TLink_base : public QLabel {
  Q_OBJECT

 public:
  explicit TLink_base(QWidget* owner = nullptr);

  const QString& Address() const { return address_; }           // what is opened
  const QString& Description() const { return description_; }   // what is shown
  const QColor& InactiveColor() const { return inactive_color_; }
  const QColor& ActiveColor() const { return active_color_; }

  virtual void SetAddress(const QString& address) = 0;
  // Stores the colour and paints the text in it at once.
  virtual void SetInactiveColor(const QColor& color);
  // Stores the text and shows it as the caption; the address stays.
  virtual void SetDescription(const QString& description);
  // Only stores the colour: it is used at the next press.
  void SetActiveColor(const QColor& color) { active_color_ = color; }

 protected:
  void store_address(const QString& address) { address_ = address; }
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void set_text_color(const QColor& color);

  QString address_;
  QString description_;
  QColor inactive_color_;
  QColor active_color_;
};

// A web address: "http://" is put in front of any address that does not begin
// with exactly that (lower-case) prefix.
class TLink : public TLink_base {
  Q_OBJECT

 public:
  explicit TLink(QWidget* owner = nullptr);
  void SetAddress(const QString& address) override;
};

// A mail address: "mailto:" is put in front of any address that does not begin
// with it; an address without '@' is refused with a box and the old one kept.
class TMail : public TLink_base {
  Q_OBJECT

 public:
  explicit TMail(QWidget* owner = nullptr);
  void SetAddress(const QString& address) override;
};
