#include "thread_mode.h"

#include <gtest/gtest.h>

#include "dialog_recorder.h"

TEST(ThreadMode, FirstArgumentSwitchesToSingleThreadInAnyCase) {
  for (const char* argument : {"-NoMultiThread", "nomultithread", "/NOMULTITHREAD"}) {
    dialog_recorder boxes;
    EXPECT_FALSE(choose_multithread_mode({"tarn", argument})) << argument;
    EXPECT_EQ(boxes.messages, QStringList{"Program uruchomiony w trybie jednego wątku"});
  }
}

TEST(ThreadMode, AnythingElseKeepsTheWorkerThreadQuietly) {
  const QList<QStringList> cases = {
      {}, {"tarn"}, {"tarn", "inny", "-nomultithread"}, {"tarn", "-nomultithreads"}, {"tarn", "--nomultithread"}};
  for (const QStringList& arguments : cases) {
    dialog_recorder boxes;
    EXPECT_TRUE(choose_multithread_mode(arguments)) << arguments.join(' ').toStdString();
    EXPECT_TRUE(boxes.messages.isEmpty());
  }
}
