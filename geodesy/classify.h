#pragma once
// The type of a projection from its name: a byte-for-byte comparison with
// the sixteen type names, inline because the engine makes it on every call.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "geodesy/projection_names.h"

namespace geodesy::detail {

// In the order of kProjectionNames; Unknown for any other text.
enum class ProjectionType : std::uint8_t {
    ConicEquidistant,
    ConicEqualArea,
    ConicConformal,
    AzimuthalEquidistant,
    AzimuthalEqualArea,
    AzimuthalConformal,
    CylinderEquidistant,
    CylinderEqualArea,
    CylinderConformal,
    Bonne,
    SwissGrid,
    GaussKruegerGermany,
    GaussKruegerAustria,
    GaussKruegerGeneral,
    Utm,
    Krassovsky,
    Unknown,
};

inline constexpr std::size_t kLongestName = 37;

// The names by length: at most two names share a length, and those two
// differ in their first byte, so that a name is found by its length and
// first byte and then confirmed byte for byte.
struct LengthSlot {
    std::int8_t first = -1;
    std::int8_t second = -1;
};

constexpr std::array<LengthSlot, kLongestName + 1> namesByLength() {
    std::array<LengthSlot, kLongestName + 1> table{};
    for (std::size_t i = 0; i < kProjectionNames.size(); ++i) {
        LengthSlot& slot = table[kProjectionNames[i].size()];
        (slot.first < 0 ? slot.first : slot.second) = static_cast<std::int8_t>(i);
    }
    return table;
}
inline constexpr std::array<LengthSlot, kLongestName + 1> kNamesByLength = namesByLength();

constexpr bool lengthAndFirstByteDistinguish() {
    for (std::size_t i = 0; i < kProjectionNames.size(); ++i) {
        const std::string_view a = kProjectionNames[i];
        if (a.empty() || a.size() > kLongestName) return false;
        int sameLength = 0;
        for (const std::string_view b : kProjectionNames) {
            if (a.size() != b.size()) continue;
            ++sameLength;
            if (a != b && a[0] == b[0]) return false;
        }
        if (sameLength > 2) return false;
    }
    return static_cast<std::size_t>(ProjectionType::Unknown) == kProjectionNames.size();
}
static_assert(lengthAndFirstByteDistinguish());

// Byte equality of two texts of length n, eight bytes at a time; the last
// word overlaps the one before where n is not a multiple of eight.
inline bool sameBytes(const char* a, const char* b, std::size_t n) {
    std::uint64_t wordA, wordB;
    if (n < 8) {
        for (; n > 0; --n, ++a, ++b) {
            if (*a != *b) return false;
        }
        return true;
    }
    for (; n > 8; n -= 8, a += 8, b += 8) {
        std::memcpy(&wordA, a, 8);
        std::memcpy(&wordB, b, 8);
        if (wordA != wordB) return false;
    }
    std::memcpy(&wordA, a + n - 8, 8);
    std::memcpy(&wordB, b + n - 8, 8);
    return wordA == wordB;
}

// Byte-for-byte comparison with the sixteen type names.
inline ProjectionType classifyProjection(std::string_view name) {
    if (name.size() > kLongestName) return ProjectionType::Unknown;
    const LengthSlot slot = kNamesByLength[name.size()];
    for (const std::int8_t index : {slot.first, slot.second}) {
        if (index < 0) break;
        const std::string_view candidate = kProjectionNames[static_cast<std::size_t>(index)];
        if (name[0] == candidate[0]) {
            return sameBytes(name.data(), candidate.data(), name.size())
                       ? static_cast<ProjectionType>(index)
                       : ProjectionType::Unknown;
        }
    }
    return ProjectionType::Unknown;
}

}  // namespace geodesy::detail
