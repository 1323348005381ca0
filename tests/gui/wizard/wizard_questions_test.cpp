// The wizard's two questions on the real boxes: Polish buttons whatever the
// locale, and the wizard as their parent and caption whichever window is
// active.
#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core_capture.h"
#include "main_form.h"
#include "plot_windows.h"
#include "polish_translation.h"
#include "time_plot_form.h"

namespace {

// What a question box showed before it was answered "No".
struct seen_question {
  QString caption;
  QWidget* parent = nullptr;
  QStringList buttons;
};

// Waits for the next modal question box, notes it and answers it with No.
seen_question answer_no(const std::function<void()>& ask) {
  seen_question seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll.stop();
    seen.caption = box->windowTitle();
    seen.parent = box->parentWidget();
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    seen.buttons.sort();
    box->button(QMessageBox::No)->click();
  });
  poll.start(10);
  ask();
  return seen;
}

class WizardQuestions : public testing::Test {
 protected:
  WizardQuestions() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  ~WizardQuestions() override {
    form.RunThread = nullptr;
    QLocale::setDefault(previous_locale);
  }

  seen_question deletion_question() {
    form.RadioButton5->setChecked(true);  // "pytaj po zakończeniu"
    return answer_no([&] { form.ThreadTerminated(nullptr); });
  }
  // A run that is going on, as far as closing the window is concerned.
  seen_question close_question() {
    form.RunThread = &idle_run;
    seen_question seen = answer_no([&] { EXPECT_FALSE(form.close()); });
    form.RunThread = nullptr;
    return seen;
  }

  QLocale previous_locale;
  core_capture scratch;
  TWavefunctionThread idle_run;
  TMainForm form;
};

TEST_F(WizardQuestions, ButtonsArePolishUnderAnEnglishLocale) {
  std::unique_ptr<QTranslator> qt_polish(install_polish_translation());
  if (!qt_polish) GTEST_SKIP() << "Qt's Polish translation (qt6-translations-l10n) is not installed";
  const QStringList qt_named{"&Nie", "&Tak"};
  EXPECT_EQ(deletion_question().buttons, qt_named);
  EXPECT_EQ(close_question().buttons, qt_named);
  qt_polish.reset();
  QCoreApplication::processEvents();  // the windows' language change, before the next box

  // Without Qt's translation the boxes name their buttons themselves.
  QTemporaryDir no_translations;
  ASSERT_EQ(install_polish_translation(no_translations.path()), nullptr);
  const QStringList self_named{"Nie", "Tak"};
  EXPECT_EQ(deletion_question().buttons, self_named);
  EXPECT_EQ(close_question().buttons, self_named);
}

TEST_F(WizardQuestions, BelongToTheWizardWhileTheTimeWindowIsActive) {
  create_plot_windows(form, form.VersionText());
  form.AttachPlotWindows();
  form.show();
  TimePlotForm->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(TimePlotForm));

  const seen_question deletion = deletion_question();
  EXPECT_EQ(deletion.caption, form.windowTitle());
  EXPECT_EQ(deletion.parent, &form);
  TimePlotForm->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(TimePlotForm));
  const seen_question closing = close_question();
  EXPECT_EQ(closing.caption, form.windowTitle());
  EXPECT_EQ(closing.parent, &form);
  EXPECT_TRUE(form.isVisible());  // "No": the window stays
  destroy_plot_windows();
}

}  // namespace
