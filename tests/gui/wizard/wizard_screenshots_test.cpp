// Saves a picture of every wizard page (and of the pages in a few chosen
// states) into $SCREENSHOT_DIR, so that a person can check the look.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include "dialog_recorder.h"
#include "main_form.h"

namespace {

QString screenshot_dir() {
  const QString dir = qEnvironmentVariable("SCREENSHOT_DIR", QStringLiteral("screenshots"));
  QDir().mkpath(dir);
  return dir;
}

void save_page(TMainForm& form, int page, const QString& name) {
  form.Notebook1->setCurrentIndex(page);
  QApplication::processEvents();
  const QString file = screenshot_dir() + QStringLiteral("/wizard_") + name + QStringLiteral(".png");
  const QPixmap shot = form.grab();
  EXPECT_EQ(shot.size(), QSize(553, 361));
  EXPECT_TRUE(shot.save(file)) << file.toStdString();
}

TEST(WizardScreenshots, EveryPageAtStartAndInChosenStates) {
  dialog_recorder boxes;
  TMainForm form;
  form.show();
  for (int page = 0; page <= TMainForm::LastPage; ++page)
    save_page(form, page, QStringLiteral("page%1").arg(page));

  form.RadioButton1->setChecked(true);
  save_page(form, 1, QStringLiteral("page1_from_files"));
  form.SpeedButton1->click();
  form.TrackBar7->setValue(35);
  form.TrackBar8->setValue(20);
  save_page(form, 2, QStringLiteral("page2_well"));
  form.ListBox1->setCurrentRow(0);
  save_page(form, 3, QStringLiteral("page3_file"));
  form.ListBox1->setCurrentRow(2);
  save_page(form, 3, QStringLiteral("page3_well_state"));
  form.TrackBar4->setValue(500);
  form.TrackBar5->setValue(100);
  save_page(form, 4, QStringLiteral("page4_pulse"));
  form.TrackBar9->setValue(3);
  form.TrackBar10->setValue(200);
  form.TrackBar11->setValue(300);
  save_page(form, 5, QStringLiteral("page5_modulated"));
  form.RadioButton6->setChecked(true);
  save_page(form, 7, QStringLiteral("page7_absorber"));
  EXPECT_TRUE(boxes.messages.isEmpty());
}

}  // namespace
