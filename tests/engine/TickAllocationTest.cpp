#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "engine/Callables.h"
#include "engine/Clock.h"
#include "engine/TaskHandler.h"

namespace
{
bool        g_counting    = false;          // operator new counts only while set
std::size_t g_allocations = 0;
} // namespace

// Counting replacements of the global allocation functions; the pairing of
// malloc and free inside them is deliberate.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    if (g_counting)
        ++g_allocations;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

TEST(TickAllocationTest, RepeatingTasksCycleWithoutAllocating)
{
    CTaskHandler handler;
    new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Repeat, void (*)()>(+[] {});
    new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Repeat, Function0>(Function0(UpdateTiming));
    CClock clock(1.0f);

    g_counting = true;
    for (int i = 0; i < 1000; ++i)
        handler.Tick();
    g_counting = false;
    EXPECT_EQ(g_allocations, 0u);
    EXPECT_EQ(handler.QueuedCount(), 3u);
}
