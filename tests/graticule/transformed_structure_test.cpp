// A graticule written in one projection and transformed into another is still
// a valid metafile and a valid Illustrator document: the structure the export
// writes survives the transformation, with every point moved.

#include <gtest/gtest.h>

#include <sstream>

#include "definition/definition_file.h"
#include "fileio/file_formats.h"
#include "graticule/generate.h"
#include "graticule/run_setup.h"
#include "test_support.h"
#include "tests/support/recording_feedback.h"
#include "transform/illustrator_transform.h"
#include "transform/metafile_transform.h"
#include "transform/modes.h"

namespace {

using graticule_test::readFile;

geodesy::ProjectionParams record(std::string_view text) {
    definition::DefinitionFile file;
    const std::string error = definition::parseDefinitionText(text, "test.gwp", file);
    EXPECT_EQ(error, "");
    return file.params;
}

// Every record header "type count key" is followed by `count` lines; point
// lines of the line records hold two numbers and a key. Returns the points.
int checkMetafileStructure(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    int points = 0;
    bool ended = false;
    while (std::getline(in, line)) {
        EXPECT_FALSE(ended) << "a record after the end record";
        std::istringstream header(line);
        int type = -1, count = -1;
        std::string key, extra;
        EXPECT_TRUE(header >> type >> count >> key && !(header >> extra)) << line;
        if (type == 0) ended = true;
        for (int i = 0; i < count; ++i) {
            if (!std::getline(in, line)) {
                ADD_FAILURE() << "record " << type << " runs past the end";
                return points;
            }
            if (type != 11) continue;
            std::istringstream point(line);
            double x, y;
            EXPECT_TRUE(point >> x >> y >> key && !(point >> extra)) << line;
            ++points;
        }
    }
    EXPECT_TRUE(ended);
    return points;
}

TEST(TransformedGraticule, KeepsTheStructureOfBothVectorFormats) {
    const geodesy::ProjectionParams strip = record(
        "projectionName = Gauß-Krüger (Deutschland)\nstripNumber = 3\ndatum = "
        "DHDN (Potsdam / Rauenberg)\nnatural = false\nunits = pixel\nresolution = 1\n");
    const geodesy::ProjectionParams utm = record(
        "projectionName = UTM\nstripNumber = 32\nnatural = false\nunits = pixel\n"
        "resolution = 2\n");
    const graticule::GraticuleExtent germany{47, 55, 5, 15, 1, 0.1, 0.1};
    struct Case {
        std::string_view format;
        const char* suffix;
    };
    for (const Case& c :
         {Case{fileio::kMetafileFormat, "met"}, Case{fileio::kIllustratorFormat, "ai"}}) {
        graticule_test::TempDir dir;
        const std::string source = dir.file(std::string("netz.") + c.suffix);
        const std::string target = dir.file(std::string("utm.") + c.suffix);
        const auto writer = graticule::makeWriter(c.format, {}, source, 1.0, std::tm{});
        RecordingFeedback feedback;
        ASSERT_EQ(graticule::generateGraticule(strip, {germany, source}, *writer, feedback).status,
                  graticule::GenerationStatus::Finished);

        transform::FileTransformRequest request;
        request.snapshot = {strip,
                            utm,
                            std::string(transform::kProjection1To2),
                            std::string(transform::kCartesianToCartesian),
                            std::string(transform::kDecimalAngles),
                            0.0,
                            "pixel",
                            "pixel"};
        request.sourcePath = source;
        request.targetPath = target;
        const transform::FileTransformResult result =
            c.format == fileio::kMetafileFormat
                ? transform::transformMetafile(request, feedback)
                : transform::transformIllustratorFile(request, feedback);
        ASSERT_EQ(result.status, transform::FileTransformStatus::Finished);
        EXPECT_EQ(result.unmappedPoints, 0);

        const std::string before = readFile(source), after = readFile(target);
        EXPECT_NE(before, after);
        if (c.format == fileio::kMetafileFormat) {
            EXPECT_EQ(checkMetafileStructure(after), checkMetafileStructure(before));
        } else {
            EXPECT_EQ(graticule_test::checkIllustratorStructure(after),
                      graticule_test::checkIllustratorStructure(before));
        }
    }
}

}  // namespace
