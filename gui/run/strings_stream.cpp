#include "strings_stream.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextCursor>
#include <QThread>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <locale>
#include <mutex>
#include <string>
#include <utility>

#include "messages.h"

struct TStringsStream::shared_state {
  mutable std::mutex lock;
  std::string text;          // everything appended, UTF-8, '\n' between lines
  std::string pending;       // appended but not yet shown in the memo
  bool show_queued = false;  // a display update waits in the window thread's queue
  QPointer<QPlainTextEdit> memo;  // touched on the window thread only
  QObject* feeder = nullptr;      // the stream's memo_feeder while the stream lives
};

namespace {

// The decimal separator of the user's locale for the stream's reals; no
// digit grouping, so integers stay plain.
class locale_punctuation : public std::numpunct<char> {
 public:
  explicit locale_punctuation(char point) : point_(point) {}

 protected:
  char do_decimal_point() const override { return point_; }

 private:
  char point_;
};

// Pointers (the core's debug messages print block addresses) are written as
// their plain decimal value rather than the standard stream's hexadecimal.
class pointer_as_number : public std::num_put<char> {
 protected:
  iter_type do_put(iter_type out, std::ios_base& stream, char, const void* pointer) const override {
    stream.width(0);
    const std::string digits = std::to_string(reinterpret_cast<std::uintptr_t>(pointer));
    return std::copy(digits.data(), digits.data() + digits.size(), out);  // one sputn: one append
  }
  using std::num_put<char>::do_put;
};

char decimal_point_of(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  // A separator that is not one ASCII character cannot be a char facet's.
  if (point.size() == 1 && point[0].unicode() < 0x80) return static_cast<char>(point[0].unicode());
  return '.';
}

bool on_window_thread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

// Length of the text without a trailing, still incomplete UTF-8 sequence, so
// that a character written byte by byte reaches the memo whole.
std::size_t complete_utf8_length(const std::string& text) {
  const std::size_t size = text.size();
  for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
    const auto byte = static_cast<unsigned char>(text[size - back]);
    if ((byte & 0xC0) == 0x80) continue;  // continuation byte: look further back
    const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return needed > back ? size - back : size;
  }
  return size;
}

// Calls line(begin, end) for every line of the text; a final empty line
// after the last break does not count, and a CR before the break is dropped.
template <typename Visit>
void for_each_line(std::string_view text, Visit line) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view current = text.substr(0, end);
    if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
    line(current);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

void insert_at_end(QPlainTextEdit& memo, const QString& piece) {
  QScrollBar* bar = memo.verticalScrollBar();
  const bool follow = bar->value() == bar->maximum();
  QTextCursor cursor(memo.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(piece);
  if (follow) bar->setValue(bar->maximum());
}

// Shows in the memo what other threads have appended; lives on the window
// thread. They call it by the slot's name, so that the queued call carries
// only what Qt makes itself: a thread checker, which cannot see Qt's locks,
// then sees no memory of ours handed over behind them.
class memo_feeder : public QObject {
  Q_OBJECT
 public:
  explicit memo_feeder(std::function<void()> show) : show_(std::move(show)) {}
 public slots:
  void ShowPending() { show_(); }

 private:
  std::function<void()> show_;
};

// Deliberately never destroyed (see message_sink).
TStringsStream* program_sink = nullptr;

}  // namespace

class TStringsStream::writer : public std::ostream {
 public:
  writer(std::shared_ptr<shared_state> state, char decimal_point) : std::ostream(nullptr), buffer_(std::move(state)) {
    rdbuf(&buffer_);
    set_number_format(*this, decimal_point);
  }

 private:
  buffer buffer_;
};

TStringsStream::TStringsStream(QPlainTextEdit* memo, const QLocale& locale)
    : std::ostream(nullptr),
      state_(std::make_shared<shared_state>()),
      buffer_(state_),
      decimal_point_(decimal_point_of(locale)) {
  rdbuf(&buffer_);
  set_number_format(*this, decimal_point_);
  state_->memo = memo;
  if (memo) memo->clear();
  feeder_ = std::make_unique<memo_feeder>([state = state_] { show_pending(state); });
  state_->feeder = feeder_.get();
}

TStringsStream::~TStringsStream() {
  // No thread queues a show any more; the one queued goes with the feeder.
  const std::lock_guard guard(state_->lock);
  state_->feeder = nullptr;
}

void TStringsStream::set_number_format(std::ostream& stream, char decimal_point) {
  stream.imbue(std::locale(std::locale(std::locale::classic(), new locale_punctuation(decimal_point)),
                           new pointer_as_number));
  stream.precision(15);
  set_complex_style(stream, complex_style::compact);
}

std::unique_ptr<std::ostream> TStringsStream::make_writer() const {
  return std::make_unique<writer>(state_, decimal_point_);
}

namespace {

std::unique_ptr<std::ostream> own_writer(std::ostream& stream) {
  const auto* sink = dynamic_cast<const TStringsStream*>(&stream);
  return sink ? sink->make_writer() : nullptr;
}

}  // namespace

TThreadMessageStreams::TThreadMessageStreams() {
  std::ostream& messages = message_stream();
  std::ostream& errors = error_stream();
  messages_ = own_writer(messages);
  const bool one_sink = &errors == &messages;
  if (!one_sink) errors_ = own_writer(errors);
  std::ostream& own_messages = messages_ ? *messages_ : messages;
  std::ostream& own_errors = one_sink ? own_messages : errors_ ? *errors_ : errors;
  installed_.emplace(own_messages, own_errors);
}

void TStringsStream::append(const std::shared_ptr<shared_state>& state, std::string_view piece) {
  std::unique_lock guard(state->lock);
  state->text.append(piece);
  state->pending.append(piece);
  if (on_window_thread()) {
    guard.unlock();
    show_pending(state);
    return;
  }
  // Another thread never touches the memo: the window thread shows the text
  // when it gets to the queued update. One update at a time is enough, it
  // takes everything pending.
  if (state->show_queued || !state->feeder || !QCoreApplication::instance()) return;
  state->show_queued = true;
  QMetaObject::invokeMethod(state->feeder, "ShowPending", Qt::QueuedConnection);  // under the lock
}

void TStringsStream::show_pending(const std::shared_ptr<shared_state>& state) {
  std::string piece;
  {
    std::lock_guard guard(state->lock);
    const std::size_t length = complete_utf8_length(state->pending);
    piece = state->pending.substr(0, length);
    state->pending.erase(0, length);
    state->show_queued = false;
  }
  if (!state->memo || piece.empty()) return;
  insert_at_end(*state->memo, QString::fromUtf8(piece).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

TStringsStream::buffer::int_type TStringsStream::buffer::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  const char c = traits_type::to_char_type(ch);
  append(state_, std::string_view(&c, 1));
  return ch;
}

std::streamsize TStringsStream::buffer::xsputn(const char* text, std::streamsize count) {
  if (count > 0) append(state_, std::string_view(text, static_cast<std::size_t>(count)));
  return count;
}

QStringList TStringsStream::lines() const {
  QStringList result;
  std::lock_guard guard(state_->lock);
  for_each_line(state_->text, [&](std::string_view line) {
    result << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  });
  return result;
}

bool TStringsStream::save_to_file(const QString& name) const {
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  std::string content;
  {
    std::lock_guard guard(state_->lock);
    content.reserve(state_->text.size() + state_->text.size() / 16 + 2);
    for_each_line(state_->text, [&](std::string_view line) {
      content.append(line);
      content.append("\r\n");
    });
  }
  const auto size = static_cast<qint64>(content.size());
  return file.write(content.data(), size) == size && file.flush();
}

TStringsStream& create_message_sink(QPlainTextEdit* memo) {
  auto* sink = new TStringsStream(memo);
  set_message_streams(*sink, *sink);
  delete std::exchange(program_sink, sink);
  return *sink;
}

TStringsStream* message_sink() { return program_sink; }

#include "strings_stream.moc"
