// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/InOrderWorkers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace corvane {
namespace {

size_t workerWindow(size_t count) {
    const size_t threads =
        std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::max<size_t>(count, 1));
    return 64 * threads;
}

TEST(InOrderWorkersTest, ResultsArriveInIndexOrderWhateverTheirFinishingOrder) {
    constexpr size_t kCount = 500;
    std::vector<size_t> seen;
    // Early indexes take longest, so later ones are ready first.
    const bool completed = runInOrder<size_t>(
        kCount,
        [](size_t i) {
            if (i % 7 == 0)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            return i * 3;
        },
        [&seen](size_t i, size_t result) {
            EXPECT_EQ(result, i * 3);
            seen.push_back(i);
            return true;
        },
        [] { return true; });
    EXPECT_TRUE(completed);
    ASSERT_EQ(seen.size(), kCount);
    for (size_t i = 0; i < kCount; ++i)
        EXPECT_EQ(seen[i], i);

    // Nothing to do is a completed run that consumes nothing.
    EXPECT_TRUE(runInOrder<int>(
        0, [](size_t) { return 0; }, [](size_t, int) { return false; }, [] { return false; }));
}

TEST(InOrderWorkersTest, AStopFromTheConsumerOrTheIdlePollEndsEveryWorker) {
    constexpr size_t kCount = 10000;
    std::atomic<size_t> produced{0};
    size_t consumed = 0;
    const bool completed = runInOrder<int>(
        kCount,
        [&produced](size_t) {
            ++produced;
            return 0;
        },
        [&consumed](size_t, int) { return ++consumed < 10; }, [] { return true; });
    EXPECT_FALSE(completed);
    EXPECT_EQ(consumed, 10u);
    // Workers may be at most one window ahead of what was consumed when the stop came.
    EXPECT_LE(produced.load(), 10 + workerWindow(kCount));

    // The first result never comes until the idle poll has said stop; the run must not wait
    // for it forever, and the worker holding it ends once it is released.
    std::atomic<bool> release{false};
    int idleCalls = 0;
    const bool waited = runInOrder<int>(
        4,
        [&release](size_t i) {
            while (i == 0 && !release)
                std::this_thread::yield();
            return 0;
        },
        [](size_t, int) {
            ADD_FAILURE() << "nothing may be consumed after the stop";
            return true;
        },
        [&] {
            ++idleCalls;
            release = true;
            return false;
        });
    EXPECT_FALSE(waited);
    EXPECT_EQ(idleCalls, 1);
}

TEST(InOrderWorkersTest, WorkersStayWithinTheirWindowAheadOfTheConsumer) {
    const size_t count = workerWindow(1000000) * 4;
    const size_t window = workerWindow(count);
    std::atomic<size_t> produced{0};
    std::atomic<size_t> consumed{0};
    std::atomic<size_t> largestLead{0};
    runInOrder<int>(
        count,
        [&](size_t i) {
            ++produced;
            const size_t lead = i - std::min(i, consumed.load());
            size_t seen = largestLead.load();
            while (lead > seen && !largestLead.compare_exchange_weak(seen, lead)) {
            }
            return 0;
        },
        [&](size_t i, int) {
            // Hold the first result until the workers have filled the window (one more once it
            // is taken), and give them a moment to overrun it if they could.
            if (i == 0) {
                while (produced.load() < window)
                    std::this_thread::yield();
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                EXPECT_LE(produced.load(), window + 1);
            }
            ++consumed;
            return true;
        },
        [] { return true; });
    EXPECT_EQ(consumed.load(), count);
    EXPECT_LE(largestLead.load(), window);
}

}  // namespace
}  // namespace corvane
