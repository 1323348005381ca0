// Numbers typed key by key into the wizard's boxes: texts on their way to a
// number raise nothing, and a box cannot be left holding one.
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "main_form.h"

namespace {

class NumberBoxes : public testing::Test {
 protected:
  NumberBoxes() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    form.show();
    form.Notebook1->setCurrentIndex(6);  // "Wybór parametrów sieci"
    form.activateWindow();
    active = QTest::qWaitForWindowActive(&form);
  }
  ~NumberBoxes() override { QLocale::setDefault(previous_locale); }

  // Types over the box's text, as a user does after selecting it.
  void retype(QLineEdit* box, const char* keys) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(keys));
  }
  // The focus goes on, then the checks queued by leaving run.
  void tab_out() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
  }

  QLocale previous_locale;
  core_capture scratch;  // the summary page writes the working files
  dialog_recorder boxes;
  TMainForm form;
  WizardParameters& p = form.Parameters;
  bool active = false;
};

TEST_F(NumberBoxes, TypedKeyByKeyTheyTakeTheirValuesWithoutABox) {
  ASSERT_TRUE(active);
  retype(form.Edit8, "1e-3");
  retype(form.Edit2, "-50");
  retype(form.Edit7, "2,5e-2");
  tab_out();
  EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.messages.join(" | ").toStdString();
  EXPECT_EQ(form.Edit8->text(), "1e-3");
  EXPECT_DOUBLE_EQ(p.dt, 0.001);
  EXPECT_DOUBLE_EQ(p.xmin, -50.0);
  EXPECT_DOUBLE_EQ(p.dx, 150.0 / 1023.0);
  EXPECT_DOUBLE_EQ(p.tmin, 0.025);
  EXPECT_DOUBLE_EQ(p.tmax, 1000 * 0.001 + 0.025);
}

TEST_F(NumberBoxes, ABoxLeftUnfinishedIsRefusedUntilItHoldsANumber) {
  ASSERT_TRUE(active);
  retype(form.Edit8, "1e");
  EXPECT_TRUE(boxes.messages.isEmpty());
  EXPECT_DOUBLE_EQ(p.dt, 1.0);  // the last number the box held
  tab_out();
  EXPECT_EQ(boxes.messages, QStringList("'1e' nie jest poprawną wartością liczbową"));
  EXPECT_EQ(QApplication::focusWidget(), form.Edit8);

  form.Button2->click();  // "Dalej >" refuses too
  EXPECT_EQ(form.Notebook1->currentIndex(), 6);
  EXPECT_EQ(boxes.messages.size(), 2);
  EXPECT_EQ(QApplication::focusWidget(), form.Edit8);

  QTest::keyClicks(form.Edit8, "-2");
  EXPECT_DOUBLE_EQ(p.dt, 0.01);
  form.Button2->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), 7);

  // The absorber's range takes its value on leaving: the same refusal.
  form.RadioButton6->setChecked(true);
  retype(form.Edit13, "-");
  tab_out();
  EXPECT_EQ(boxes.messages.size(), 3);
  EXPECT_EQ(QApplication::focusWidget(), form.Edit13);
  EXPECT_DOUBLE_EQ(p.a_abs, 5.0);
  form.Button2->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), 7);
}

}  // namespace
