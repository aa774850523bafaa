// TextBlocks: many short texts held one after another in blocks of 64 KB, each found again by
// where it starts and its length. A block, once written, never moves, so the texts grow without
// being copied and a text read stays valid while the blocks live. The report lists and the
// recordsets hold their texts this way, a few bytes a text instead of a string each.
//
// A text fits whole in one block; a text longer than a block has a buffer of its own at the
// first of the block numbers it spans, the others left empty. A text is never changed or freed:
// one written again is stored anew and its old room kept until the blocks are dropped.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace qel {

class TextBlocks {
public:
    // Texts are at most 2 GB each and 4 GB in all: a start and a length fit 32 bits each (with a
    // bit to spare in the length for its holder's own use).
    static constexpr std::uint32_t kLongestText = 0x7FFF'FFFFu;

    TextBlocks() = default;
    TextBlocks(TextBlocks&&) noexcept = default;
    TextBlocks& operator=(TextBlocks&&) noexcept = default;
    TextBlocks(const TextBlocks& other) { copyFrom(other); }
    TextBlocks& operator=(const TextBlocks& other) {
        if (this != &other) {
            TextBlocks copy(other);
            *this = std::move(copy);
        }
        return *this;
    }

    // Copies the text in; returns where it starts (0 for an empty text, which takes no room).
    // Throws std::length_error past the limits above.
    std::uint32_t store(std::string_view text);
    // The text stored at `start`, of `length` bytes.
    std::string_view view(std::uint32_t start, std::uint32_t length) const {
        if (length == 0)
            return {};
        return {blocks_[start >> kBlockBits].get() + (start & (kBlockBytes - 1)), length};
    }
    // The bytes of the blocks and buffers.
    std::size_t heldBytes() const { return blocks_.capacity() * sizeof(blocks_[0]) + textBytes_; }

private:
    static constexpr unsigned kBlockBits = 16;
    static constexpr std::size_t kBlockBytes = std::size_t{1} << kBlockBits;

    struct Buffer {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        char* get() const { return bytes.get(); }
    };

    void copyFrom(const TextBlocks& other);

    std::vector<Buffer> blocks_; // one a block number; empty at the numbers a long text spans
    std::uint64_t textEnd_ = 0;  // where the next text may start
    std::size_t textBytes_ = 0;  // bytes of the blocks and buffers
};

inline std::uint32_t TextBlocks::store(std::string_view text) {
    if (text.empty())
        return 0;
    const std::size_t size = text.size();
    std::uint64_t start = textEnd_;
    const std::size_t used = start & (kBlockBytes - 1);
    // A text starts a block when the current one is full, lacks room for it, or is too small.
    if (used == 0 || used + size > kBlockBytes)
        start = (start + kBlockBytes - 1) >> kBlockBits << kBlockBits;
    const std::size_t spans = (size + kBlockBytes - 1) >> kBlockBits;
    if (size > kLongestText || start + spans * kBlockBytes > (std::uint64_t{1} << 32))
        throw std::length_error("texts held together are limited to 4 GB");
    const std::size_t index = start >> kBlockBits;
    if (index == blocks_.size()) {
        const std::size_t bytes = std::max(size, kBlockBytes);
        blocks_.resize(index + spans);
        blocks_[index] = Buffer{std::make_unique<char[]>(bytes), bytes};
        textBytes_ += bytes;
    }
    std::copy(text.begin(), text.end(), blocks_[index].get() + (start & (kBlockBytes - 1)));
    textEnd_ = size > kBlockBytes ? (index + spans) << kBlockBits : start + size;
    return static_cast<std::uint32_t>(start);
}

inline void TextBlocks::copyFrom(const TextBlocks& other) {
    blocks_.resize(other.blocks_.size());
    for (std::size_t i = 0; i < other.blocks_.size(); ++i) {
        const Buffer& from = other.blocks_[i];
        if (from.size == 0)
            continue;
        blocks_[i] = Buffer{std::make_unique_for_overwrite<char[]>(from.size), from.size};
        std::copy_n(from.get(), from.size, blocks_[i].get());
    }
    textEnd_ = other.textEnd_;
    textBytes_ = other.textBytes_;
}

} // namespace qel
