// A reader of compound files (version 3 and 4): header, sector allocation table (with its
// extension sectors), directory, and streams from regular sectors or from the mini stream.
#include "common/xlsreader/CompoundFile.h"
#include "common/xlsreader/LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace qel::xls {
namespace {

constexpr char kSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kHeaderTableEntries = 109;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kLastRegularSector = 0xFFFFFFFA;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kMiniSectorSize = 64;
constexpr std::uint32_t kMiniStreamCutoff = 4096;

constexpr std::uint8_t kStreamEntry = 2;
constexpr std::uint8_t kRootEntry = 5;

struct Entry {
    std::string name; // lower case; empty when it is not plain ASCII
    std::uint8_t type = 0;
    std::uint32_t start = 0;
    std::uint64_t size = 0;
};

class Reader {
public:
    explicit Reader(std::string_view file) : file_(file) {
        if (file.size() < kHeaderSize || file.substr(0, 8) != std::string_view(kSignature, 8))
            throw Malformed("it is not a compound file");
        const std::uint16_t major = u16(file, 26);
        const std::uint16_t shift = u16(file, 30);
        if (u16(file, 28) != 0xFFFE || !((major == 3 && shift == 9) || (major == 4 && shift == 12)) ||
            u16(file, 32) != 6)
            throw Malformed("its header is damaged");
        version_ = major;
        sectorSize_ = std::size_t{1} << shift;
        // Sectors after the header, the last one possibly cut short.
        sectorCount_ = file.size() <= sectorSize_ ? 0 : (file.size() - 1) / sectorSize_;
        if (u32(file, 56) != kMiniStreamCutoff)
            throw Malformed("its header is damaged");
        readAllocationTable();
    }

    std::optional<std::string> stream(std::initializer_list<std::string_view> names) {
        const std::vector<Entry> entries = directory();
        if (entries.empty() || entries.front().type != kRootEntry)
            throw Malformed("its directory has no root");
        for (std::string_view wanted : names) {
            std::string lower(wanted);
            std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
                return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            });
            for (const Entry& e : entries) {
                if (e.type != kStreamEntry || e.name != lower)
                    continue;
                if (e.size < kMiniStreamCutoff)
                    return miniStream(entries.front(), e);
                return chainBytes(e.start, e.size, fat_);
            }
        }
        return std::nullopt;
    }

private:
    // The bytes of a regular sector (the last one of the file may be cut short).
    std::string_view sector(std::uint32_t s) const {
        if (s > kLastRegularSector || s >= sectorCount_)
            throw Malformed("a sector number points outside the file");
        const std::size_t offset = (static_cast<std::size_t>(s) + 1) * sectorSize_;
        return file_.substr(offset, std::min(sectorSize_, file_.size() - offset));
    }

    std::string_view fullSector(std::uint32_t s) const {
        const std::string_view bytes = sector(s);
        if (bytes.size() != sectorSize_)
            throw Malformed("a table sector is cut short");
        return bytes;
    }

    void appendEntries(std::vector<std::uint32_t>& table, std::string_view bytes) const {
        for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4)
            table.push_back(u32(bytes, at));
    }

    void readAllocationTable() {
        const std::uint32_t fatSectors = u32(file_, 44);
        if (fatSectors == 0 || fatSectors > sectorCount_)
            throw Malformed("its allocation table has an impossible size");
        std::vector<std::uint32_t> sectors;
        for (std::size_t i = 0; i < kHeaderTableEntries && sectors.size() < fatSectors; ++i)
            sectors.push_back(u32(file_, 76 + 4 * i));
        // Further table sectors are listed in a chain of extension sectors, each ending in the
        // number of the next.
        std::uint32_t next = u32(file_, 68);
        const std::size_t perSector = sectorSize_ / 4 - 1;
        for (std::size_t hops = 0; sectors.size() < fatSectors; ++hops) {
            if (hops >= sectorCount_)
                throw Malformed("the list of its allocation table loops");
            const std::string_view bytes = fullSector(next);
            for (std::size_t i = 0; i < perSector && sectors.size() < fatSectors; ++i)
                sectors.push_back(u32(bytes, 4 * i));
            next = u32(bytes, 4 * perSector);
        }
        fat_.reserve(sectors.size() * (sectorSize_ / 4));
        for (std::uint32_t s : sectors)
            appendEntries(fat_, fullSector(s));
    }

    // The sectors of a chain, from `start` until its end, or until `wanted` sectors are found.
    std::vector<std::uint32_t> chain(std::uint32_t start, const std::vector<std::uint32_t>& table,
                                     std::size_t wanted) const {
        std::vector<std::uint32_t> out;
        std::vector<bool> seen(table.size());
        for (std::uint32_t s = start; s != kEndOfChain && out.size() < wanted;) {
            if (s >= table.size())
                throw Malformed("a chain of sectors is broken");
            if (seen[s])
                throw Malformed("a chain of sectors loops");
            seen[s] = true;
            out.push_back(s);
            s = table[s];
        }
        return out;
    }

    std::string chainBytes(std::uint32_t start, std::uint64_t size,
                           const std::vector<std::uint32_t>& table) const {
        if (size > file_.size())
            throw Malformed("a stream is larger than the file");
        const std::size_t wanted = (static_cast<std::size_t>(size) + sectorSize_ - 1) / sectorSize_;
        std::string out;
        out.reserve(static_cast<std::size_t>(size));
        for (std::uint32_t s : chain(start, table, wanted))
            out.append(sector(s));
        if (out.size() < size)
            throw Malformed("a stream is shorter than its size");
        out.resize(static_cast<std::size_t>(size));
        return out;
    }

    std::vector<Entry> directory() const {
        std::vector<Entry> entries;
        for (std::uint32_t s : chain(u32(file_, 48), fat_, fat_.size())) {
            const std::string_view bytes = fullSector(s);
            for (std::size_t at = 0; at + kEntrySize <= bytes.size(); at += kEntrySize) {
                const std::string_view raw = bytes.substr(at, kEntrySize);
                Entry e;
                e.type = static_cast<std::uint8_t>(raw[66]);
                const std::uint16_t nameBytes = u16(raw, 64);
                if (nameBytes >= 2 && nameBytes <= 64 && nameBytes % 2 == 0) {
                    for (std::size_t i = 0; i + 1 < nameBytes / 2u; ++i) {
                        const std::uint16_t c = u16(raw, 2 * i);
                        if (c == 0 || c > 0x7F) {
                            e.name.clear();
                            break;
                        }
                        e.name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
                    }
                }
                e.start = u32(raw, 116);
                // Version 3 files may leave garbage in the high half of the size.
                e.size = u32(raw, 120) | (version_ == 4 ? std::uint64_t{u32(raw, 124)} << 32 : 0);
                entries.push_back(std::move(e));
            }
        }
        return entries;
    }

    std::string miniStream(const Entry& root, const Entry& e) const {
        const std::string container = chainBytes(root.start, root.size, fat_);
        std::vector<std::uint32_t> miniFat;
        const std::uint32_t miniFatSectors = u32(file_, 64);
        if (miniFatSectors > sectorCount_)
            throw Malformed("its mini allocation table has an impossible size");
        for (std::uint32_t s : chain(u32(file_, 60), fat_, miniFatSectors))
            appendEntries(miniFat, fullSector(s));
        const std::size_t wanted = (static_cast<std::size_t>(e.size) + kMiniSectorSize - 1) / kMiniSectorSize;
        std::string out;
        for (std::uint32_t m : chain(e.start, miniFat, wanted)) {
            const std::size_t offset = static_cast<std::size_t>(m) * kMiniSectorSize;
            if (offset >= container.size())
                throw Malformed("a mini sector lies outside the mini stream");
            out.append(container, offset, kMiniSectorSize);
        }
        if (out.size() < e.size)
            throw Malformed("a stream is shorter than its size");
        out.resize(static_cast<std::size_t>(e.size));
        return out;
    }

    std::string_view file_;
    int version_ = 3;
    std::size_t sectorSize_ = 512;
    std::size_t sectorCount_ = 0;
    std::vector<std::uint32_t> fat_;
};

} // namespace

std::optional<std::string> compoundStream(std::string_view file,
                                          std::initializer_list<std::string_view> names) {
    return Reader(file).stream(names);
}

} // namespace qel::xls
