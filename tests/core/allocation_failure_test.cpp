// Work arrays that the free store cannot give: the run gets the allocation
// message and a failed construction, not an escaping std::bad_alloc.
//
// This program replaces the global allocation functions so that a test can
// make requests of one size fail.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "wave_fixture.h"

// The replacements pair malloc with free themselves; the compiler only sees
// free called on what operator new returned.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {

// Requests of exactly refused_size bytes fail once allowed_count of them have
// been granted.
std::atomic<std::size_t> refused_size{0};
std::atomic<int> allowed_count{0};

void* allocate(std::size_t size) {
  if (size != 0 && size == refused_size && allowed_count-- <= 0) return nullptr;
  return std::malloc(size ? size : 1);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* block = allocate(size)) return block;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace {

using AllocationFailure = wave_run;

TEST_F(AllocationFailure, ShootingWorkArraysFailLikeTheWavefunctionsOwn) {
  grid_values = {300, -20, 20, 5, 0, 0.01};
  equation_values.typ_potencjalu = 2;  // soft-core, for the shooting state
  equation_values.Vo = -1;
  equation_values.a = 1;
  psi_values.typ_funkcji_pocz = 3;
  grid_values.write();
  equation_values.write();
  psi_values.write();
  grid = std::make_unique<grid_parameters>("1d-grid.par", 2);
  // One array of x values (the equation's sampler) and the shooting's state
  // are granted; the method's next work array is refused.
  refused_size = sizeof(double) * static_cast<std::size_t>(grid->x_count);
  allowed_count = 2;
  std::unique_ptr<wavefunction> failed;
  EXPECT_NO_THROW(failed = std::make_unique<wavefunction>(*grid, "1d-psi.par", 0));
  refused_size = 0;
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->status, 1);
  EXPECT_NE(capture.messages().find("Metoda strzalow: Minimum potencjalu"), std::string::npos);
  EXPECT_EQ(capture.errors(), "\n\t*** Blad: nieudana rezerwacja blokow pamieci dla funkcji falowej\n\n");
}

}  // namespace
