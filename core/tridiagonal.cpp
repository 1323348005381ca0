#include "tridiagonal.h"

#include <new>
#include <ostream>
#include <vector>

#include "messages.h"

namespace {

using complex = std::complex<double>;
namespace row = tridiagonal_row;
void dump_coefficients(std::ostream& out, const char* name, int n, const complex* values) {
  for (int i = 1; i < n; ++i) out << name << "[" << i << "]=" << as_text(values[i]) << "  ";
  out << "\n";
}

void dump_system(int n, const complex* A, const complex* B, const complex* C, const complex* D) {
  std::ostream& out = message_stream();
  out << "Rozwiazywanie trojprzekatniowego ukladu rownan liniowych:\n";
  dump_coefficients(out, "A", n, A);
  dump_coefficients(out, "B", n, B);
  dump_coefficients(out, "C", n, C);
  dump_coefficients(out, "D", n, D);
}

void dump_eliminated(int n, const complex* X, const complex* Y) {
  std::ostream& out = message_stream();
  out << "Przeskalowane macierze:\n";
  for (int k = 0; k + 1 < n; ++k) {
    out << "X[" << k << "]  (" << X[k].real() << "," << X[k].imag() << ") \tY[" << k << "]  ("
        << Y[k].real() << "," << Y[k].imag() << ")\n";
  }
}

void dump_solution(int n, const complex* f) {
  std::ostream& out = message_stream();
  out << "Rozwiazania:\n";
  for (int i = 1; i < n; ++i) out << "f[" << i << "]  (" << f[i].real() << "," << f[i].imag() << ")\n";
}

// Scratch rows X, Y of the elimination, kept per thread from call to call:
// a fresh pair per time step would make the allocator hand the memory back to
// the system and fault it in again at every step, which costs several times
// the sweep itself on large grids. Running out of memory leaves no
// meaningful result, so it ends the program.
struct elimination_rows {
  std::vector<complex> X, Y;
};

elimination_rows& scratch(int n) {
  thread_local elimination_rows rows;
  const std::size_t size = static_cast<std::size_t>(n);
  if (rows.X.size() >= size && rows.Y.size() >= size) return rows;
  bool allocated = true;
  try {
    rows.X.assign(size, 0.0);
    rows.Y.assign(size, 0.0);
  } catch (const std::bad_alloc&) {
    allocated = false;
  }
  if (!allocated) fatal_line("Blad: nieudana rezerwacja tymczasowych blokow pamieci (rozw3p)\n\n");
  return rows;
}

}  // namespace

int solve_tridiagonal(int n, const complex* A, const complex* B, const complex* C, const complex* D,
                      complex* f, int level) {
  const bool dumps = level < 1;
  if (dumps) dump_system(n, A, B, C, D);
  // With fewer than two nodes there is no row, and C[1] does not exist.
  if (n >= 2 && (A[n - 1] != 0.0 || C[1] != 0.0))
    error_line("Uwaga! Wartosci przekatnej A lub C poza zakresem sa niezerowe!\n\n", false);

  const int size = n > 0 ? n : 0;
  elimination_rows& rows = scratch(size);
  complex* X = rows.X.data();
  complex* Y = rows.Y.data();
  // The sweep reads only the last row's X and Y before writing the others.
  if (size > 0) X[size - 1] = Y[size - 1] = 0;
  // A failure leaves f all zero; a solution has f[0] = 0 and writes the rest.
  auto fail = [&](int status, const char* text) {
    for (int k = 0; k < size; ++k) f[k] = 0;
    error_line(text, false);
    return status;
  };

  // Homogeneous only when D is zero element by element: a sum of squared
  // moduli would also vanish for a right-hand side below about 1e-162.
  bool homogeneous = true;
  for (int i = 1; i < n && homogeneous; ++i) homogeneous = D[i] == 0.0;
  if (homogeneous) return fail(tridiagonal_homogeneous, "Rownanie jednorodne => Rozwiazanie trywialne\n\n");

  // Eliminate from the last row up, so that f[i] = X[i-1] f[i-1] + Y[i-1].
  // The row below is carried in registers, off the memory round trip.
  complex x_below = 0, y_below = 0;
  for (int i = n - 1; i >= 1; --i) {
    complex x, y;
    if (!row::eliminate(A[i], B[i], C[i], D[i], x_below, y_below, x, y))
      return fail(tridiagonal_zero_pivot, "Dzielenie przez zero => Uklad sprzeczny\n\n");
    X[i - 1] = x_below = x;
    Y[i - 1] = y_below = y;
  }
  if (dumps) dump_eliminated(n, X, Y);

  f[0] = 0;
  complex value = 0;
  for (int j = 0; j + 1 < n; ++j) f[j + 1] = value = row::substitute(X[j], value, Y[j]);
  if (dumps) dump_solution(n, f);
  return tridiagonal_solved;
}
