// The block pool behind log lines: blocks that are alive at the same time never share
// bytes, whichever thread made them, dropped them or ended in between.
#include "domain/blockpool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

namespace qz {
namespace {

struct TBlock {
    unsigned char* bytes;
    std::size_t size;
    unsigned char mark;
};

// Fills each block with its own mark, so that an overlap shows as a changed byte.
std::vector<TBlock> Make(std::size_t count, std::size_t size, unsigned char firstMark) {
    std::vector<TBlock> blocks;
    for (std::size_t i = 0; i < count; ++i) {
        auto* p = static_cast<unsigned char*>(blockpool::Allocate(size));
        const auto mark = static_cast<unsigned char>(firstMark + i);
        std::memset(p, mark, size);
        blocks.push_back({p, size, mark});
    }
    return blocks;
}

bool Intact(const std::vector<TBlock>& blocks) {
    return std::all_of(blocks.begin(), blocks.end(), [](const TBlock& b) {
        return std::all_of(b.bytes, b.bytes + b.size, [&](unsigned char c) { return c == b.mark; });
    });
}

void Drop(std::vector<TBlock>& blocks) {
    for (const TBlock& b : blocks) blockpool::Release(b.bytes, b.size);
    blocks.clear();
}

TEST(BlockPool, LiveBlocksNeverOverlapAcrossThreadsAndSizes) {
    // Sizes of every class, one beyond the pooled ones, and one far beyond.
    for (std::size_t size : {std::size_t{1}, std::size_t{8}, std::size_t{16}, std::size_t{17}, std::size_t{144},
                             std::size_t{256}, std::size_t{257}, std::size_t{4096}}) {
        SCOPED_TRACE(size);
        std::vector<TBlock> made;
        // Made on one thread that then ends, dropped on another that ends too: the
        // blocks go to later threads, which must hand out each once.
        std::thread([&] { made = Make(3000, size, 1); }).join();
        std::thread([&] { Drop(made); }).join();
        std::vector<TBlock> first, second;
        std::thread a([&] { first = Make(2000, size, 7); });
        std::thread b([&] { second = Make(2000, size, 11); });
        a.join();
        b.join();
        std::vector<TBlock> here = Make(2000, size, 13);
        EXPECT_TRUE(Intact(first));
        EXPECT_TRUE(Intact(second));
        EXPECT_TRUE(Intact(here));
        std::vector<std::uintptr_t> starts;
        for (const auto* list : {&first, &second, &here})
            for (const TBlock& blk : *list) starts.push_back(reinterpret_cast<std::uintptr_t>(blk.bytes));
        std::sort(starts.begin(), starts.end());
        EXPECT_EQ(std::adjacent_find(starts.begin(), starts.end()), starts.end());
        Drop(first);
        Drop(second);
        Drop(here);
    }
    blockpool::Release(nullptr, 144);  // as delete of a null pointer
}

}  // namespace
}  // namespace qz
