#include "showdown/villain_count.h"
#include "test_cards.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

// Every allocation of this test program is counted, so that a test can see whether a call allocates.
namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace tavolin::showdown {
namespace {

TEST(VillainCount, CountsWithoutAllocating) {
    const CardMask hero = testing::maskOf("Qs Js");
    const CardMask board = testing::maskOf("Ks Ts 4s 9h 2d");
    countBetterVillainHands(hero, board); // the first count builds the tables
    const long before = allocations.load();
    const VillainCount count = countBetterVillainHands(hero, board);
    EXPECT_EQ(allocations.load(), before);
    EXPECT_EQ(count.Tried, 990);
}

} // namespace
} // namespace tavolin::showdown
