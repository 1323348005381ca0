#include "link.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include "control_message_recorder.h"

namespace {

QColor text_color(const QLabel& label) { return label.palette().color(QPalette::WindowText); }

void send_mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
  QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

// No test ever starts a browser: the opener only records.
struct link_test : testing::Test {
  link_test() {
    set_link_opener([this](const QString& address) { opened << address; });
  }
  ~link_test() override { set_link_opener({}); }
  QStringList opened;
  control_message_recorder boxes;
};

TEST_F(link_test, LooksLikeALinkWithItsDefaults) {
  TLink link;
  EXPECT_TRUE(link.font().underline());
  EXPECT_EQ(text_color(link), QColor(0, 0, 128));
  EXPECT_EQ(link.InactiveColor(), QColor(0, 0, 128));
  EXPECT_EQ(link.ActiveColor(), QColor(Qt::black));
  EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(link.wordWrap());
  EXPECT_FALSE(link.Description().isEmpty());
  EXPECT_EQ(link.Address(), link.Description());
  EXPECT_EQ(link.text(), link.Description());
  EXPECT_EQ(link.toolTip(), "Link to " + link.Address());

  TMail mail;
  EXPECT_TRUE(mail.Description().contains('@'));
  EXPECT_EQ(mail.Address(), "mailto:" + mail.Description());
  EXPECT_EQ(mail.toolTip(), "Send a message to " + mail.Description());
}

TEST_F(link_test, WebAddressGetsTheLowerCasePrefix) {
  TLink link;
  link.SetAddress("www.example.org/tarn");
  EXPECT_EQ(link.Address(), "http://www.example.org/tarn");
  link.SetAddress("http://example.org");
  EXPECT_EQ(link.Address(), "http://example.org");
  link.SetAddress("HTTP://example.org");
  EXPECT_EQ(link.Address(), "http://HTTP://example.org");
  link.SetAddress("");
  EXPECT_EQ(link.Address(), "http://");
}

TEST_F(link_test, MailAddressNeedsTheAtSign) {
  TMail mail;
  mail.SetAddress("someone@example.org");
  EXPECT_EQ(mail.Address(), "mailto:someone@example.org");
  mail.SetAddress("mailto:other@example.org");
  EXPECT_EQ(mail.Address(), "mailto:other@example.org");
  EXPECT_TRUE(boxes.messages.isEmpty());

  mail.SetAddress("nobody.example.org");
  mail.SetAddress("mailto:nobody");
  EXPECT_EQ(mail.Address(), "mailto:other@example.org");
  EXPECT_EQ(boxes.messages,
            QStringList({"E-mail adress should include '@'.", "E-mail adress should include '@'."}));
}

TEST_F(link_test, DescriptionChangesOnlyTheCaption) {
  TMail mail;
  mail.SetAddress("someone@example.org");
  const QString hint = mail.toolTip();
  mail.SetDescription("Napisz do nas");
  EXPECT_EQ(mail.text(), "Napisz do nas");
  EXPECT_EQ(mail.Description(), "Napisz do nas");
  EXPECT_EQ(mail.Address(), "mailto:someone@example.org");
  EXPECT_EQ(mail.toolTip(), hint);
}

TEST_F(link_test, PressAndReleaseColourTheTextAndAClickOpensTheAddress) {
  TLink link;
  link.resize(120, 20);
  link.SetAddress("example.org");
  link.SetActiveColor(Qt::red);
  EXPECT_EQ(text_color(link), QColor(0, 0, 128));  // stored only

  send_mouse(link, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
  EXPECT_EQ(text_color(link), QColor(Qt::red));
  EXPECT_TRUE(opened.isEmpty());
  send_mouse(link, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton);
  EXPECT_EQ(text_color(link), QColor(0, 0, 128));
  EXPECT_EQ(opened, QStringList{"http://example.org"});

  // Released away from the label, or with another button: colours only.
  send_mouse(link, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
  send_mouse(link, QEvent::MouseButtonRelease, {500, 5}, Qt::LeftButton);
  send_mouse(link, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
  EXPECT_EQ(text_color(link), QColor(Qt::red));
  send_mouse(link, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
  EXPECT_EQ(opened.size(), 1);

  link.SetInactiveColor(Qt::darkGreen);
  EXPECT_EQ(text_color(link), QColor(Qt::darkGreen));
  send_mouse(link, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
  send_mouse(link, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton);
  EXPECT_EQ(text_color(link), QColor(Qt::darkGreen));
}

}  // namespace
