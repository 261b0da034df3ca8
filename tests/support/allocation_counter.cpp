#include "tests/support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> counting{false};
std::atomic<long> counted{0};

}  // namespace

void StartCountingAllocations() {
    counted = 0;
    counting = true;
}

void StopCountingAllocations() { counting = false; }

long CountedAllocations() { return counted; }

// Every operator new of the process passes here.
void* operator new(std::size_t size) {
    if (counting) ++counted;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
