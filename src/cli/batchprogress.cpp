#include "cli/batchprogress.h"

#include <cstdio>

#include "base/text.h"

namespace qz::cli {

TBatchProgress::TBatchProgress(bool visible)
    : visible_(visible), start_(std::chrono::steady_clock::now()), lastDrawn_(start_) {}

std::string TBatchProgress::Line(std::size_t done, std::size_t total, double seconds) {
    constexpr std::size_t kWidth = 30;
    const std::size_t filled = total ? done * kWidth / total : kWidth;
    std::string line = "[" + std::string(filled, '#') + std::string(kWidth - filled, ' ') + "] " +
                       std::to_string(done) + "/" + std::to_string(total) + " files";
    if (seconds > 0 && done > 0) {
        const double rate = static_cast<double>(done) / seconds;
        line += Format(", %.0f files/s", rate);
        const double left = static_cast<double>(total - done) / rate;
        line += left >= 60 ? Format(", %d min %02d s left", static_cast<int>(left) / 60, static_cast<int>(left) % 60)
                           : Format(", %d s left", static_cast<int>(left + 0.5));
    }
    return line;
}

void TBatchProgress::Update(std::size_t done, std::size_t total) {
    if (!visible_) return;
    const auto now = std::chrono::steady_clock::now();
    if (shown_ && done < total && now - lastDrawn_ < std::chrono::milliseconds(200)) return;
    lastDrawn_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    std::fputs(("\r" + Line(done, total, seconds) + "\033[K").c_str(), stderr);
    std::fflush(stderr);
    shown_ = true;
}

void TBatchProgress::Clear() {
    if (!shown_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    shown_ = false;
}

}  // namespace qz::cli
