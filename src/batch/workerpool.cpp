#include "batch/workerpool.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace qz {

unsigned PoolSize(unsigned jobs, std::size_t count) {
    if (jobs == 0) jobs = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::max<std::size_t>(1, std::min<std::size_t>(jobs, count)));
}

std::size_t RunPool(std::size_t count, unsigned jobs, const std::function<void(std::size_t)>& work,
                    const TPoolCallbacks& callbacks) {
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> taken{0};
    std::unique_ptr<std::atomic<bool>[]> done(new std::atomic<bool>[count]);
    for (std::size_t i = 0; i < count; ++i) done[i].store(false);
    std::mutex mutex;
    std::condition_variable wake;
    std::size_t finishedCount = 0;
    std::size_t running = 0;

    auto worker = [&] {
        for (;;) {
            if (callbacks.cancel && callbacks.cancel->load()) break;
            const std::size_t i = next.fetch_add(1);
            if (i >= count) break;
            taken.fetch_add(1);
            work(i);
            done[i].store(true, std::memory_order_release);
            std::lock_guard lock(mutex);
            ++finishedCount;
            wake.notify_one();
        }
        std::lock_guard lock(mutex);
        --running;
        wake.notify_one();
    };

    const unsigned size = PoolSize(jobs, count);
    std::vector<std::thread> threads;
    running = size;
    for (unsigned t = 0; t < size; ++t) threads.emplace_back(worker);

    // Hands finished indexes over in list order while the workers run.
    std::size_t delivered = 0;
    auto deliver = [&] {
        while (delivered < count && done[delivered].load(std::memory_order_acquire)) {
            if (callbacks.finished) callbacks.finished(delivered);
            ++delivered;
        }
    };
    for (;;) {
        std::size_t seen;
        bool allStopped;
        {
            std::unique_lock lock(mutex);
            wake.wait_for(lock, std::chrono::milliseconds(100));
            seen = finishedCount;
            allStopped = running == 0;
        }
        deliver();
        if (callbacks.progress) callbacks.progress(seen);
        if (allStopped) break;
    }
    for (auto& t : threads) t.join();
    deliver();
    return taken.load();
}

}  // namespace qz
