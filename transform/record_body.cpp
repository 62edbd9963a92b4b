#include "transform/record_body.h"

#include <array>

namespace transform {
namespace {

constexpr std::size_t kCopyChunk = std::size_t{1} << 16;

}  // namespace

RecordBody::RecordBody(std::size_t memoryLimit) : memoryLimit_(memoryLimit) {}

RecordBody::~RecordBody() {
    if (spill_ != nullptr) std::fclose(spill_);
}

void RecordBody::spill() {
    if (!ok_) {
        text_.clear();
        return;
    }
    if (spill_ == nullptr) spill_ = std::tmpfile();
    if (spill_ == nullptr || std::fwrite(text_.data(), 1, text_.size(), spill_) != text_.size()) {
        ok_ = false;
    }
    spilled_ += text_.size();
    text_.clear();
}

bool RecordBody::moveTo(fileio::OutputFile& target) {
    if (spilled_ > 0 && ok_) {
        if (std::fflush(spill_) != 0 || std::fseek(spill_, 0, SEEK_SET) != 0) ok_ = false;
        std::array<char, kCopyChunk> chunk;
        std::size_t left = spilled_;
        while (ok_ && left > 0 && target.ok()) {
            const std::size_t want = left < chunk.size() ? left : chunk.size();
            if (std::fread(chunk.data(), 1, want, spill_) != want) {
                ok_ = false;
                break;
            }
            target.write(std::string_view(chunk.data(), want));
            left -= want;
        }
    }
    if (ok_) target.write(text_);
    const bool result = ok_;
    clear();
    return result;
}

void RecordBody::clear() {
    text_.clear();
    if (spill_ != nullptr) {
        std::fclose(spill_);
        spill_ = nullptr;
    }
    spilled_ = 0;
    ok_ = true;
}

}  // namespace transform
