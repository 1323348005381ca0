#include "summary_plot.h"

#include <algorithm>
#include <map>

#include "number_text.h"

namespace {

// A gnuplot single-quoted string: quotes inside are doubled.
std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("''") : std::string(1, c);
  return result + "'";
}

}  // namespace

std::string plot_script(std::vector<plot_point> points, const std::string& x_label, const std::string& y_label,
                        bool log_x, const std::string& png_file) {
  std::map<std::string, std::vector<plot_point>> curves;
  std::vector<std::string> order;  // curves in the order of the sweep
  for (plot_point& point : points) {
    if (!curves.count(point.curve)) order.push_back(point.curve);
    curves[point.curve].push_back(std::move(point));
  }
  std::string script = "set terminal pngcairo size 900,600 noenhanced\nset output " + quoted(png_file) + "\n";
  script += "set xlabel " + quoted(x_label) + "\nset ylabel " + quoted(y_label) + "\nset grid\n";
  if (log_x) script += "set logscale x\n";
  if (order.size() > 1) script += "set key outside right\n";
  std::string plot = "plot";
  for (std::size_t c = 0; c < order.size(); ++c) {
    std::vector<plot_point>& curve = curves[order[c]];
    std::stable_sort(curve.begin(), curve.end(), [](const plot_point& a, const plot_point& b) { return a.x < b.x; });
    const std::string block = "$curve" + std::to_string(c + 1);
    script += block + " << EOD\n";
    for (const plot_point& point : curve) {
      append_number(script, point.x, 17);
      script += "  ";
      append_number(script, point.y, 17);
      script += "\n";
    }
    script += "EOD\n";
    plot += std::string(c ? "," : "") + " " + block + " using 1:2 with linespoints " +
            (order[c].empty() ? std::string("notitle") : "title " + quoted(order[c]));
  }
  if (order.empty()) return script + "set label 'brak wykonanych przebiegow' at graph 0.5, 0.5 center\nplot [0:1] NaN notitle\n";
  return script + plot + "\n";
}
