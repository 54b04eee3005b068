// The progress line of a batch on a terminal: a bar, the files done, files per second
// and the time left, redrawn a few times a second on standard error.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace qz::cli {

class TBatchProgress {
public:
    // Draws only when `visible` (standard error is a terminal).
    explicit TBatchProgress(bool visible);
    ~TBatchProgress() { Clear(); }
    TBatchProgress(const TBatchProgress&) = delete;
    TBatchProgress& operator=(const TBatchProgress&) = delete;

    void Update(std::size_t done, std::size_t total);
    // Removes the line, so that a message can be printed in its place.
    void Clear();

    // The line itself, for `seconds` since the start (exposed for tests).
    static std::string Line(std::size_t done, std::size_t total, double seconds);

private:
    bool visible_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDrawn_;
};

}  // namespace qz::cli
