// Memory for small objects that a program makes by the tens of thousands, one at a time:
// log lines. Each thread keeps a free list per block size and carves new blocks from
// large chunks, so that making and dropping such an object costs a few instructions and
// no bookkeeping of the general allocator. Chunks stay with the program and are reused;
// the blocks a thread holds when it ends go to the threads that need blocks after it.
// Under AddressSanitizer every block comes from the general allocator, so that a use
// after free is still caught.
#pragma once

#include <cstddef>

namespace qz::blockpool {

// A block of `size` bytes, aligned for any object of that size.
void* Allocate(std::size_t size);
// Gives back a block that Allocate(size) returned, on any thread.
void Release(void* block, std::size_t size) noexcept;

}  // namespace qz::blockpool
