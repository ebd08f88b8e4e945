// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace corvane {

// Computes produce(i) for i = 0 .. count-1 on several threads and hands every result to
// consume(i, result) on the calling thread, strictly in index order, so the outcome is the same
// as one thread's. consume returns false to stop; so does idle() (polled while the next result
// is not ready). Workers stay at most a bounded number of items ahead of the consumer, and all
// of them have ended when this returns. Returns false when stopped early.
template <class Result, class Produce, class Consume, class Idle>
bool runInOrder(size_t count, Produce produce, Consume consume, Idle idle) {
    const size_t threadCount =
        std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::max<size_t>(count, 1));
    const size_t window = 64 * threadCount;
    std::vector<std::optional<Result>> slots(count);
    std::mutex mutex;
    std::condition_variable ready;     // a result was stored
    std::condition_variable consumed;  // the consumer moved on
    size_t next = 0;                   // the next index to compute
    size_t taken = 0;                  // the index the consumer waits for
    bool stop = false;

    auto work = [&] {
        for (;;) {
            size_t index = 0;
            {
                std::unique_lock lock(mutex);
                consumed.wait(lock, [&] { return stop || next >= count || next < taken + window; });
                if (stop || next >= count)
                    return;
                index = next++;
            }
            Result result = produce(index);
            std::lock_guard lock(mutex);
            slots[index].emplace(std::move(result));
            ready.notify_all();
        }
    };
    std::vector<std::thread> workers;
    for (size_t t = 0; t < threadCount; ++t)
        workers.emplace_back(work);

    bool completed = true;
    for (size_t i = 0; i < count && completed; ++i) {
        std::optional<Result> result;
        {
            std::unique_lock lock(mutex);
            while (!slots[i]) {
                if (ready.wait_for(lock, std::chrono::milliseconds(50)) ==
                        std::cv_status::timeout &&
                    !slots[i]) {
                    lock.unlock();
                    const bool keepGoing = idle();
                    lock.lock();
                    if (!keepGoing) {
                        completed = false;
                        break;
                    }
                }
            }
            if (!completed)
                break;
            result = std::move(slots[i]);
            slots[i].reset();
            taken = i + 1;
        }
        consumed.notify_all();
        if (!consume(i, std::move(*result)))
            completed = false;
    }
    {
        std::lock_guard lock(mutex);
        stop = true;
    }
    consumed.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    return completed;
}

}  // namespace corvane
