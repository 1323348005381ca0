#include "strings_stream.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <complex>
#include <cstdint>
#include <gtest/gtest.h>
#include <latch>
#include <thread>

#include "core_capture.h"
#include "messages.h"

namespace {

QString written(const QLocale& locale, double value) {
  TStringsStream stream(nullptr, locale);
  stream << value;
  return stream.lines().join('\n');
}

}  // namespace

TEST(StringsStream, PiecesContinueTheLastLineAndBreaksStartNewOnes) {
  QPlainTextEdit memo(QStringLiteral("left over"));
  TStringsStream stream(&memo);
  EXPECT_TRUE(memo.toPlainText().isEmpty());
  EXPECT_TRUE(stream.lines().isEmpty());

  stream << "abc";
  stream << "def";
  EXPECT_EQ(stream.lines(), QStringList{"abcdef"});
  stream << "\nOK\n\n";
  EXPECT_EQ(stream.lines(), (QStringList{"abcdef", "OK", ""}));
  // Written on the window thread, the memo shows the text at once.
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("abcdef\nOK\n\n"));
  stream << "dalej " << 42 << " ok";
  EXPECT_EQ(stream.lines(), (QStringList{"abcdef", "OK", "", "dalej 42 ok"}));
}

TEST(StringsStream, RealsUseTheLocaleSeparatorAndFifteenDigits) {
  EXPECT_EQ(written(QLocale::c(), 0.1), "0.1");
  EXPECT_EQ(written(QLocale(QLocale::English, QLocale::UnitedStates), 0.1), "0.1");
  const QLocale polish(QLocale::Polish, QLocale::Poland);
  EXPECT_EQ(written(polish, 0.1), "0,1");
  EXPECT_EQ(written(polish, 1.0 / 3.0), "0,333333333333333");
  EXPECT_EQ(written(polish, 2.5e20), "2,5e+20");
  EXPECT_EQ(written(polish, 1500.0), "1500");

  TStringsStream stream(nullptr, polish);
  stream << 1234567 << ' ' << as_text({0.5, -1.25}) << ' ' << std::complex<double>(2, 0.5);
  EXPECT_EQ(stream.lines(), QStringList{"1234567 (0,5,-1,25) (2,0,5)"});
  // Another thread's writer formats alike and continues the same text.
  const auto writer = stream.make_writer();
  *writer << ' ' << 1.0 / 3.0 << ' ' << as_text({0.5, -1.25});
  EXPECT_EQ(stream.lines(), QStringList{"1234567 (0,5,-1,25) (2,0,5) 0,333333333333333 (0,5,-1,25)"});

  // Block addresses in the core's debug lines: the pointer's decimal value.
  TStringsStream addresses(nullptr, polish);
  const int block = 0;
  addresses << "adres " << static_cast<const void*>(&block);
  EXPECT_EQ(addresses.lines(),
            QStringList{"adres " + QString::number(reinterpret_cast<std::uintptr_t>(&block))});
}

TEST(StringsStream, ConcurrentAppendsStayWholeAndReachTheMemo) {
  QPlainTextEdit memo;
  TStringsStream stream(&memo);
  constexpr int pieces = 3000;
  // Strings with their line break, and numbers: each insertion is one piece.
  // Each thread writes through a stream of its own, as the simulation thread
  // does; only the text is shared.
  std::latch start(2);  // both writers begin together
  auto writer = [&](const char* name, int number) {
    const auto out = stream.make_writer();
    start.arrive_and_wait();
    for (int i = 0; i < pieces; ++i) {
      *out << (std::string(name) + std::to_string(i) + "\n");
      *out << number;
      *out << "\n";
    }
  };
  std::thread first(writer, "pierwszy ", 111111111);
  std::thread second(writer, "drugi ", 222222222);
  first.join();
  second.join();

  // The text must split into the pieces written, each whole, with each
  // thread's numbered pieces in order.
  const QStringList lines = stream.lines();
  const QString text = lines.join('\n') + '\n';
  int next[2] = {0, 0}, numbers = 0, breaks = 0;
  for (qsizetype at = 0; at < text.size();) {
    QString piece;
    if (text[at] == 'p' || text[at] == 'd') {
      const int writer = text[at] == 'p' ? 0 : 1;
      piece = QString(writer == 0 ? "pierwszy %1\n" : "drugi %1\n").arg(next[writer]++);
    } else if (text[at] == '1' || text[at] == '2') {
      piece = QString(9, text[at]);
      ++numbers;
    } else {
      piece = "\n";
      ++breaks;
    }
    ASSERT_EQ(text.mid(at, piece.size()).toStdString(), piece.toStdString()) << "at " << at;
    at += piece.size();
  }
  EXPECT_EQ(next[0], pieces);
  EXPECT_EQ(next[1], pieces);
  EXPECT_EQ(numbers, 2 * pieces);
  EXPECT_EQ(breaks, 2 * pieces);

  // The other threads never touched the memo; the window thread shows it all.
  QCoreApplication::processEvents();
  EXPECT_EQ(memo.toPlainText(), lines.join('\n') + '\n');
}

TEST(StringsStream, SavedFileHasCrLfLineEndsAndReplacesTheOldOne) {
  core_capture capture;
  core_capture::write_file("komunikaty.txt", "old content that is longer than the new one\n");
  TStringsStream stream(nullptr);
  stream << "abc\nline two\n\nzażółć";
  ASSERT_TRUE(stream.save_to_file("komunikaty.txt"));
  EXPECT_EQ(core_capture::read_file("komunikaty.txt"), "abc\r\nline two\r\n\r\nzażółć\r\n");

  TStringsStream empty(nullptr);
  ASSERT_TRUE(empty.save_to_file("komunikaty.txt"));
  EXPECT_EQ(core_capture::read_file("komunikaty.txt"), "");
  EXPECT_FALSE(empty.save_to_file("no/such/dir/file.txt"));
}

TEST(StringsStream, ProgramSinkCarriesBothCoreStreams) {
  core_capture capture;
  QPlainTextEdit memo;
  TStringsStream& sink = create_message_sink(&memo);
  EXPECT_EQ(message_sink(), &sink);
  message_stream() << "Inicjacja ...\n";
  error_line("Ostrzezenie: test\n\n", false);
  message_stream() << as_text({1, 2}) << "\n";
  EXPECT_EQ(sink.lines(), (QStringList{"Inicjacja ...", "", "\t*** Ostrzezenie: test", "", "(1,2)"}));
}

TEST(StringsStream, ThreadStreamsAreTheCallingThreadsOwnAndEndWithTheirScope) {
  core_capture capture;
  TStringsStream sink(nullptr);
  set_message_streams(sink, sink);
  std::latch installed(2), checked(2);
  std::thread other([&] {
    {
      const TThreadMessageStreams own;
      EXPECT_NE(&message_stream(), &sink);
      EXPECT_EQ(&error_stream(), &message_stream());  // one sink, one writer: lines stay in order
      installed.arrive_and_wait();
      message_stream() << "z watku " << 0.5 << "\n";
      error_line("Blad: test\n", false);
      checked.arrive_and_wait();
    }
    EXPECT_EQ(&message_stream(), &sink);
  });
  installed.arrive_and_wait();
  // The window thread keeps the sink itself meanwhile.
  EXPECT_EQ(&message_stream(), &sink);
  checked.arrive_and_wait();
  other.join();
  EXPECT_EQ(sink.lines(), (QStringList{"z watku 0.5", "", "\t*** Blad: test"}));
}
