#include "result_file.h"

void write_result_header(std::ostream& file, std::string_view first_name) {
  file << "#Zapis wynikow z programu ovint (" << first_name << "):"
       << "\n#<2|2>   |<1|2>|^2  |<1|x|2>|^2   <2|x|2> \n#";
  file.flush();
}

void write_result_row(std::ostream& file, int index, const OverlapSums& sums) {
  file << "\n" << index << "  " << sums.n2 << "  " << sums.occupation() << "  " << sums.dipole_square()
       << "  " << sums.x2;
  file.flush();
}
