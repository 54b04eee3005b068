// A pool of worker threads for a batch: every index of a list is handed to exactly one
// worker, in list order; the calling thread reports progress and receives the finished
// indexes in list order, so that what it prints does not depend on the number of
// workers.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

namespace qz {

struct TPoolCallbacks {
    // Called on the calling thread for each finished index, in ascending order.
    std::function<void(std::size_t index)> finished;
    // Called on the calling thread now and then with the number of finished indexes.
    std::function<void(std::size_t done)> progress;
    // When set, no index is started any more; those started are finished.
    const std::atomic<bool>* cancel = nullptr;
};

// The number of workers for `jobs` (0 = one per processor core) and `count` indexes:
// at least 1, at most `count`.
unsigned PoolSize(unsigned jobs, std::size_t count);

// Runs work(i) for i = 0 .. count-1 on PoolSize(jobs, count) threads. `work` must not
// throw. Returns how many indexes were run: `count`, or fewer after a cancel (always the
// first ones of the list).
std::size_t RunPool(std::size_t count, unsigned jobs, const std::function<void(std::size_t index)>& work,
                    const TPoolCallbacks& callbacks = {});

}  // namespace qz
