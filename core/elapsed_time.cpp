#include "elapsed_time.h"

#include "messages.h"

void report_elapsed_time(int seconds) {
  int days = 0, hours = 0, minutes = 0, rest = seconds;
  if (rest > 86400) {
    days = rest / 86400;
    rest -= 86400 * days;
  }
  if (rest > 3600) {
    hours = rest / 3600;
    rest -= 3600 * hours;
  }
  if (rest > 60) {
    minutes = rest / 60;
    rest -= 60 * minutes;
  }
  std::ostream& out = message_stream();
  out << "\nCzas trwania obliczen: ";
  if (days == 1) out << days << " dzien ";
  if (days > 1) out << days << " dni ";
  if (hours > 0) out << hours << " godz. ";
  if (minutes > 0) out << minutes << " min. ";
  out << rest << " sek.";
  if (seconds > 60) out << " (" << seconds << "s)";
  out << "\n";
}
