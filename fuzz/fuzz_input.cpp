#include "fuzz_input.h"

#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdlib>

#include "definition/type_rules.h"
#include "geodesy/catalogues.h"
#include "geodesy/projection_names.h"
#include "transform/file_transform.h"
#include "transform/modes.h"

namespace fuzz {
namespace {

struct Definition {
    std::string_view type;
    bool natural;
    std::string_view units;
    double scale;
    std::size_t datum;  // index into the datum catalogue
};

// Types of every family, in every unit, on several datums: the engine's
// branches, the unit conversions and the datum chain all get inputs.
constexpr std::array<Definition, 8> kDefinitions = {{
    {geodesy::kCylinderEquidistant, false, geodesy::kUnitPixel, 1.0, 0},
    {geodesy::kGaussKruegerGermany, true, geodesy::kUnitMetre, 1.0, 1},
    {geodesy::kUtm, true, geodesy::kUnitMetre, 1.0, 0},
    {geodesy::kSwissGrid, true, geodesy::kUnitMetre, 1.0, 2},
    {geodesy::kConicConformal, false, geodesy::kUnitMillimetre, 1000000.0, 3},
    {geodesy::kAzimuthalEqualArea, false, geodesy::kUnitCentimetre, 250000.0, 4},
    {geodesy::kBonne, false, geodesy::kUnitKilometre, 1.0, 5},
    {geodesy::kKrassovsky, true, geodesy::kUnitMetre, 1.0, 0},
}};

// The pairs of definitions a set-up can pick: the same one on both sides
// (the identity paths) and neighbours of different families and datums.
constexpr std::array<std::array<std::size_t, 2>, 8> kPairs = {{
    {0, 0},
    {0, 1},
    {1, 2},
    {2, 3},
    {3, 4},
    {4, 5},
    {5, 6},
    {6, 7},
}};

struct BuiltDefinition {
    geodesy::ProjectionParams params;
    std::string units;
};

BuiltDefinition build(const Definition& row) {
    definition::ProjectionDefinition d;
    d.natural = row.natural;
    definition::applyProjectionType(d, std::string(row.type));
    if (!row.natural) {
        d.units = std::string(row.units);
        d.scale = row.scale;
        d.resolution = 10.0;
    }
    const std::string datum(geodesy::kDatumNames[row.datum % geodesy::kDatumNames.size()]);
    return {definition::buildParams(d, geodesy::lookupDatum(datum)), d.units};
}

const std::array<BuiltDefinition, kDefinitions.size()>& builtDefinitions() {
    static const auto built = [] {
        std::array<BuiltDefinition, kDefinitions.size()> all;
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = build(kDefinitions[i]);
        return all;
    }();
    return built;
}

transform::TransformSnapshot snapshotOfPair(std::size_t pair) {
    const auto& built = builtDefinitions();
    const auto& [first, second] = kPairs[pair % kPairs.size()];
    transform::TransformSnapshot s;
    s.projection1 = built[first].params;
    s.units1 = built[first].units;
    s.projection2 = built[second].params;
    s.units2 = built[second].units;
    return s;
}

}  // namespace

FuzzInput splitInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {};
    return {data[0], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}

MemorySource::MemorySource() {
    fd_ = ::memfd_create("gitterwerk-fuzz-source", MFD_CLOEXEC);
    if (fd_ < 0) std::abort();
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemorySource::~MemorySource() {
    if (fd_ >= 0) ::close(fd_);
}

bool MemorySource::assign(std::string_view bytes) {
    if (::ftruncate(fd_, 0) != 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

MemorySource& memorySource() {
    static MemorySource source;
    return source;
}

transform::TransformSnapshot textSnapshot(std::uint8_t setup) {
    transform::TransformSnapshot s = snapshotOfPair(setup >> 5);
    s.projectionMode = std::string(transform::kProjectionModes[setup & 3u]);
    s.coordinateMode = std::string(transform::kCoordinateModes[(setup >> 2) & 3u]);
    s.angleFormat = std::string(transform::kAngleFormats[(setup >> 4) & 1u]);
    return s;
}

transform::TransformSnapshot vectorSnapshot(std::uint8_t setup) {
    transform::TransformSnapshot s = snapshotOfPair((setup >> 1) & 7u);
    s.projectionMode =
        std::string((setup & 1u) != 0 ? transform::kProjection2To1 : transform::kProjection1To2);
    s.coordinateMode = std::string(transform::kCartesianToCartesian);
    s.angleFormat = std::string(transform::kDecimalAngles);
    return s;
}

void CheckingFeedback::started() {
    if (starts_++ != 0 || stops_ != 0) std::abort();
}

void CheckingFeedback::setProgress(int position) {
    if (starts_ != 1 || stops_ != 0 || position < 0 || position > 100) std::abort();
}

void CheckingFeedback::stopped() {
    if (starts_ != 1 || stops_++ != 0) std::abort();
}

void CheckingFeedback::expectBalanced() const {
    if (starts_ != stops_) std::abort();
}

int runTransformation(fileio::FileFormatKind kind, const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = splitInput(data, size);
    MemorySource& source = memorySource();
    if (!source.assign(input.file)) return 0;
    transform::FileTransformRequest request;
    request.snapshot = kind == fileio::FileFormatKind::Text ? textSnapshot(input.setup)
                                                            : vectorSnapshot(input.setup);
    request.sourcePath = source.path();
    request.targetPath = kDiscardPath;
    CheckingFeedback feedback;
    const transform::FileTransformResult result = transform::transformFile(kind, request, feedback);
    feedback.expectBalanced();
    if (result.status != transform::FileTransformStatus::Finished || result.unmappedPoints < 0) {
        std::abort();
    }
    return 0;
}

}  // namespace fuzz
