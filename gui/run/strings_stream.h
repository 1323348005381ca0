// tarn's message sink: an output stream whose text ends up in the lines of a
// read-only memo. The core writes into it exactly as into any std::ostream.
// The stream object itself belongs to the window thread; another thread
// writes through a writer of its own (make_writer, TThreadMessageStreams),
// which shares the locked text but no formatting state.
#pragma once

#include <QLocale>
#include <QStringList>
#include <memory>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string_view>

#include "messages.h"

class QObject;
class QPlainTextEdit;

class TStringsStream : public std::ostream {
 public:
  // Binds the stream to the memo and empties it. The memo may be null (the
  // text is then only collected). Reals are written with up to 15
  // significant digits and the decimal separator of the given locale
  // (QLocale() is the system's unless the application set another default),
  // pointers as their decimal value.
  // Construct on the window thread.
  explicit TStringsStream(QPlainTextEdit* memo, const QLocale& locale = QLocale());
  ~TStringsStream() override;
  TStringsStream(const TStringsStream&) = delete;
  TStringsStream& operator=(const TStringsStream&) = delete;

  // The lines collected so far. A line break ends a line; a final empty
  // line after the last break is not counted, so "abc\n" is one line.
  QStringList lines() const;

  // Creates or replaces the file with every line followed by CR LF. No
  // append interleaves with the save. False when the file cannot be written.
  bool save_to_file(const QString& name) const;

  // A stream of its own over the same text, with the same number formats,
  // for another thread. It may outlive this object: the text stays alive
  // while a writer holds it.
  std::unique_ptr<std::ostream> make_writer() const;

 private:
  struct shared_state;
  class writer;
  static void set_number_format(std::ostream& stream, char decimal_point);
  static void append(const std::shared_ptr<shared_state>& state, std::string_view piece);
  static void show_pending(const std::shared_ptr<shared_state>& state);

  // Every insertion arrives here whole (a string or a formatted number is
  // one sputn), so each append is indivisible under the state's lock.
  class buffer : public std::streambuf {
   public:
    explicit buffer(std::shared_ptr<shared_state> state) : state_(std::move(state)) {}

   protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;

   private:
    std::shared_ptr<shared_state> state_;
  };

  std::shared_ptr<shared_state> state_;
  buffer buffer_;
  const char decimal_point_;
  std::unique_ptr<QObject> feeder_;  // shows other threads' text on the window thread
};

// While it lives, the calling thread writes the core's messages and errors
// through writers of its own over the TStringsStreams the core uses (one
// writer when both are the same sink); other streams stay as they are.
class TThreadMessageStreams {
 public:
  TThreadMessageStreams();
  TThreadMessageStreams(const TThreadMessageStreams&) = delete;
  TThreadMessageStreams& operator=(const TThreadMessageStreams&) = delete;

 private:
  std::unique_ptr<std::ostream> messages_, errors_;
  std::optional<thread_message_streams> installed_;
};

// The program's message stream: created once by the wizard window on its
// memo Memo1 and installed as both the core's message and error stream. A
// later call (a second wizard window in tests) replaces the previous stream.
TStringsStream& create_message_sink(QPlainTextEdit* memo);
// The current message stream, or null before create_message_sink. It lives
// until the process ends (only a replacement destroys its predecessor), so a
// writer late in the shutdown never meets a destroyed stream.
TStringsStream* message_sink();
