#include "LargestAllocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> watching{false};
std::atomic<std::size_t> largest{0};
std::atomic<std::size_t> ceiling{0};

void* allocate(std::size_t size) noexcept {
    if (watching.load(std::memory_order_relaxed)) {
        std::size_t seen = largest.load(std::memory_order_relaxed);
        while (size > seen && !largest.compare_exchange_weak(seen, size))
            ;
        if (size > ceiling.load(std::memory_order_relaxed))
            return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

// The replaceable single-object forms, each of them, so that every block they hand out is
// freed by its own kind.
void* operator new(std::size_t size) {
    if (void* block = allocate(size))
        return block;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t& /*tag*/) noexcept {
    return allocate(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t& /*tag*/) noexcept {
    std::free(block);
}

namespace uitest {

LargestAllocation::LargestAllocation(std::size_t most) {
    largest = 0;
    ceiling = most;
    watching = true;
}

LargestAllocation::~LargestAllocation() {
    watching = false;
}

std::size_t LargestAllocation::bytes() const {
    return largest;
}

} // namespace uitest
