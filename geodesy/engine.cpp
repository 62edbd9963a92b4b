#include "geodesy/engine.h"

#include <array>
#include <bit>
#include <cstdint>

#include "geodesy/chain_run.h"
#include "geodesy/projection_names.h"
#include "geodesy/sphere_turning.h"

namespace geodesy {

namespace {

using detail::ChainConstants;

// Every field of a record that the prepared chain depends on, bit for bit
// (so that NaN keys match themselves and -0 differs from +0).
constexpr std::size_t kKeyWords = 13;
using ChainKey = std::array<std::uint64_t, kKeyWords>;

std::uint64_t bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

ChainKey makeKey(const ProjectionParams& p, detail::ProjectionType type) {
    return {static_cast<std::uint64_t>(type) << 32 | static_cast<std::uint32_t>(p.stripNumber),
            bits(p.scaleDenominator),
            bits(p.datum.semiMajorAxis),
            bits(p.datum.semiMinorAxis),
            bits(p.sphereRadius),
            bits(p.mainPointLat),
            bits(p.mainPointLon),
            bits(p.delta1),
            bits(p.delta2),
            bits(p.offsetX),
            bits(p.offsetY),
            bits(p.rotationAngle),
            bits(p.unitMillimetres)};
}

// The key of the record compared field by field with a stored key, without
// building the record's key first (and without a library call): this runs on
// every call of the engine.
bool matches(const ChainKey& key, const ProjectionParams& p, detail::ProjectionType type) {
    const std::uint64_t difference =
        (key[0] ^
         (static_cast<std::uint64_t>(type) << 32 | static_cast<std::uint32_t>(p.stripNumber))) |
        (key[1] ^ bits(p.scaleDenominator)) | (key[2] ^ bits(p.datum.semiMajorAxis)) |
        (key[3] ^ bits(p.datum.semiMinorAxis)) | (key[4] ^ bits(p.sphereRadius)) |
        (key[5] ^ bits(p.mainPointLat)) | (key[6] ^ bits(p.mainPointLon)) |
        (key[7] ^ bits(p.delta1)) | (key[8] ^ bits(p.delta2)) | (key[9] ^ bits(p.offsetX)) |
        (key[10] ^ bits(p.offsetY)) | (key[11] ^ bits(p.rotationAngle)) |
        (key[12] ^ bits(p.unitMillimetres));
    return difference == 0;
}

// A few prepared chains per thread, keyed by the record's numbers and type:
// the per-record work (trigonometry of the main point, cone constants,
// series coefficients, calibration) is then done once per record instead of
// once per point, while every call still classifies the name. Several slots,
// because the coordinate transformation alternates between two records.
// Trivially constructed and destroyed: no allocation, no guard.
struct ChainCache {
    static constexpr unsigned kSlots = 4;
    std::array<ChainKey, kSlots> keys;
    std::array<ChainConstants, kSlots> chains;
    unsigned filled;
    unsigned next;
    unsigned last;
};

thread_local ChainCache tCache;

// The other slots, and preparing a new chain when none matches: kept out of
// line so that the common case, the record of the last call, stays short.
[[gnu::noinline]] const ChainConstants& otherChain(ChainCache& cache, const ProjectionParams& p,
                                                   detail::ProjectionType type) {
    for (unsigned i = 0; i < cache.filled; ++i) {
        if (matches(cache.keys[i], p, type)) {
            cache.last = i;
            return cache.chains[i];
        }
    }
    const unsigned slot = cache.next;
    cache.next = (slot + 1) % ChainCache::kSlots;
    if (cache.filled < ChainCache::kSlots) ++cache.filled;
    detail::prepareChain(p, cache.chains[slot]);
    cache.keys[slot] = makeKey(p, type);
    cache.last = slot;
    return cache.chains[slot];
}

inline const ChainConstants& cachedChain(const ProjectionParams& p) {
    ChainCache& cache = tCache;
    const detail::ProjectionType type = detail::classifyProjection(p.projectionName);
    if (cache.filled > 0 && matches(cache.keys[cache.last], p, type))
        return cache.chains[cache.last];
    return otherChain(cache, p, type);
}

}  // namespace

void projectForward(const ProjectionParams& p, double lat, double lon, double& x, double& y) {
    detail::runForward(cachedChain(p), lat, lon, x, y);
}

void projectInverse(const ProjectionParams& p, double x, double y, double& lat, double& lon) {
    detail::runInverse(cachedChain(p), x, y, lat, lon);
}

ProjectionParams& updateOffsets(ProjectionParams& p) {
    p.offsetX = 0.0;
    p.offsetY = 0.0;
    double x = 0.0;
    double y = 0.0;
    projectForward(p, p.refPointLat, p.refPointLon, x, y);
    p.offsetX = p.refPointX - x;
    p.offsetY = p.refPointY - y;
    return p;
}

bool isProjection(const std::string& name, std::string_view type) {
    return std::string_view(name) == type;
}

double stripCentralMeridian(int32_t strip, const std::string& name) {
    return detail::stripCentralMeridian(strip, detail::classifyProjection(name));
}

double unitMillimetres(std::string_view unit, double resolution) {
    if (unit == kUnitMillimetre) return 1.0;
    if (unit == kUnitCentimetre) return 10.0;
    if (unit == kUnitMetre) return 1000.0;
    if (unit == kUnitKilometre) return 1000000.0;
    if (unit == kUnitPixel) return 1.0 / resolution;
    return 1.0;
}

double calibrationFactor(const ProjectionParams& p) {
    return p.sphereRadius * 1000.0 / p.scaleDenominator / p.unitMillimetres;
}

void geographicToAspect(double lat, double lon, double lat0, double lon0, double& z,
                        double& alpha) {
    aspect::toAspect(aspect::makeMainPoint(lat0, lon0), lat, lon, z, alpha);
}

void aspectToGeographic(double z, double alpha, double lat0, double lon0, double& lat,
                        double& lon) {
    aspect::fromAspect(aspect::makeMainPoint(lat0, lon0), z, alpha, lat, lon);
}

PreparedProjection::PreparedProjection(const ProjectionParams& p) {
    detail::prepareChain(p, chain_);
}

void PreparedProjection::forward(double lat, double lon, double& x, double& y) const {
    detail::runForward(chain_, lat, lon, x, y);
}

void PreparedProjection::inverse(double x, double y, double& lat, double& lon) const {
    detail::runInverse(chain_, x, y, lat, lon);
}

}  // namespace geodesy
