#include "domain/blockpool.h"

#include <array>
#include <atomic>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace qz::blockpool {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooled = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPooled = false;
#else
constexpr bool kPooled = true;
#endif
#else
constexpr bool kPooled = true;
#endif

constexpr std::size_t kGrain = alignof(std::max_align_t);
constexpr std::size_t kClasses = 16;  // blocks of up to 16 grains
constexpr std::size_t kChunkBytes = std::size_t{1} << 16;

struct TFreeBlock {
    TFreeBlock* next;
};

bool Pooled(std::size_t size) { return kPooled && size > 0 && size <= kClasses * kGrain; }
std::size_t ClassOf(std::size_t size) { return (size - 1) / kGrain; }

// What all threads share: every chunk, kept for good (so that it is also reachable for
// leak checkers), and the free blocks and unused chunk ends of threads that have ended.
struct TShared {
    std::mutex lock;
    std::vector<void*> chunks;
    std::vector<std::pair<char*, std::size_t>> chunkEnds;
    std::array<TFreeBlock*, kClasses> orphans{};
    std::atomic<bool> anyOrphans{false};
};

TShared& Shared() {
    // Never destroyed: objects in blocks may be dropped during static destruction.
    static TShared* const shared = new TShared;
    return *shared;
}

// One thread's blocks. Plain data, so that it stays usable while the thread ends.
struct TCache {
    std::array<TFreeBlock*, kClasses> free{};
    char* chunk = nullptr;
    std::size_t left = 0;
};
thread_local TCache tCache;

// Hands a thread's free blocks and the rest of its chunk over when the thread ends.
struct THandOver {
    THandOver() = default;
    THandOver(const THandOver&) = delete;
    THandOver& operator=(const THandOver&) = delete;
    ~THandOver() {
        TShared& shared = Shared();
        std::lock_guard<std::mutex> guard(shared.lock);
        for (std::size_t c = 0; c < kClasses; ++c) {
            for (TFreeBlock* b = std::exchange(tCache.free[c], nullptr); b;) {
                TFreeBlock* next = b->next;
                b->next = shared.orphans[c];
                shared.orphans[c] = b;
                shared.anyOrphans.store(true, std::memory_order_relaxed);
                b = next;
            }
        }
        if (tCache.left >= kGrain) shared.chunkEnds.emplace_back(tCache.chunk, tCache.left);
        tCache.chunk = nullptr;
        tCache.left = 0;
    }
};

void EnsureHandOver() {
    thread_local THandOver handOver;
    (void)handOver;
}

// Takes the free blocks of ended threads; false when there are none of class `c`.
bool AdoptOrphans(std::size_t c) {
    TShared& shared = Shared();
    if (!shared.anyOrphans.load(std::memory_order_relaxed)) return false;
    std::lock_guard<std::mutex> guard(shared.lock);
    tCache.free[c] = std::exchange(shared.orphans[c], nullptr);
    return tCache.free[c] != nullptr;
}

void RefillChunk(std::size_t bytes) {
    TShared& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    while (!shared.chunkEnds.empty()) {
        const auto [end, left] = shared.chunkEnds.back();
        shared.chunkEnds.pop_back();
        if (left >= bytes) {
            tCache.chunk = end;
            tCache.left = left;
            return;
        }
    }
    shared.chunks.reserve(shared.chunks.size() + 1);
    tCache.chunk = static_cast<char*>(::operator new(kChunkBytes));
    tCache.left = kChunkBytes;
    shared.chunks.push_back(tCache.chunk);
}

[[gnu::noinline]] void* Carve(std::size_t c) {
    EnsureHandOver();
    TCache& cache = tCache;
    if (AdoptOrphans(c)) {
        TFreeBlock* b = cache.free[c];
        cache.free[c] = b->next;
        return b;
    }
    const std::size_t bytes = (c + 1) * kGrain;
    if (cache.left < bytes) RefillChunk(bytes);
    void* block = cache.chunk;
    cache.chunk += bytes;
    cache.left -= bytes;
    return block;
}

}  // namespace

void* Allocate(std::size_t size) {
    if (!Pooled(size)) return ::operator new(size);
    const std::size_t c = ClassOf(size);
    TCache& cache = tCache;
    if (TFreeBlock* b = cache.free[c]) {
        cache.free[c] = b->next;
        return b;
    }
    return Carve(c);
}

void Release(void* block, std::size_t size) noexcept {
    if (!block) return;
    if (!Pooled(size)) return ::operator delete(block);
    const std::size_t c = ClassOf(size);
    TCache& cache = tCache;
    if (!cache.free[c]) EnsureHandOver();
    auto* b = static_cast<TFreeBlock*>(block);
    b->next = cache.free[c];
    cache.free[c] = b;
}

}  // namespace qz::blockpool
