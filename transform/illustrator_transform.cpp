#include "transform/illustrator_transform.h"

#include "fileio/illustrator_format.h"
#include "fileio/line_reader.h"
#include "fileio/number_format.h"
#include "fileio/number_reader.h"
#include "fileio/output_file.h"
#include "transform/file_run.h"

namespace transform {
namespace {

namespace illustrator = fileio::illustrator;

// Lines are classified by fields split at blanks and tabs; coordinates are
// read from fields split at blanks, commas and tabs.
constexpr fileio::DelimiterSet kOperatorDelimiters(fileio::kBlankDelimiters);
constexpr fileio::DelimiterSet kCoordinateDelimiters(fileio::kCoordinateDelimiters);
constexpr int kPointFieldIndex = 2;
constexpr int kCurveFieldIndex = 6;
constexpr int kShortCurveFieldIndex = 4;
constexpr int kOperatorFields = kCurveFieldIndex + 1;
constexpr int kDecimals = 4;
constexpr int kMaxPathPoints = 3;

// The operator when the field is exactly one of the characters, else 0.
char operatorIn(std::string_view field, std::string_view operators) {
    if (field.size() != 1 || operators.find(field[0]) == std::string_view::npos) return 0;
    return field[0];
}

int pointCount(IllustratorLineKind kind) {
    switch (kind) {
        case IllustratorLineKind::Point:
            return 1;
        case IllustratorLineKind::ShortCurve:
            return 2;
        case IllustratorLineKind::Curve:
            return 3;
        case IllustratorLineKind::Other:
            break;
    }
    return 0;
}

// The kind of a line from its first seven fields split at blanks and tabs.
IllustratorLine classifyFields(const std::string_view* fields) {
    if (const char op = operatorIn(fields[kPointFieldIndex], illustrator::kPointOperators)) {
        return {IllustratorLineKind::Point, op};
    }
    if (const char op = operatorIn(fields[kCurveFieldIndex], illustrator::kCurveOperators)) {
        return {IllustratorLineKind::Curve, op};
    }
    if (const char op = operatorIn(fields[kShortCurveFieldIndex], illustrator::kTwoPointCurves)) {
        return {IllustratorLineKind::ShortCurve, op};
    }
    return {};
}

// Rewrites the document line by line. After a point that could not be
// written, the next path line written starts a new subpath.
class IllustratorRewriter {
public:
    void line(FileRun& run, std::string_view text) {
        std::string_view fields[kOperatorFields];
        fileio::splitFields(text, kOperatorDelimiters, fields, kOperatorFields);
        const IllustratorLine kind = classifyFields(fields);
        if (kind.kind == IllustratorLineKind::Other) {
            copyLine(run.target(), text);
        } else {
            pathLine(run, text, fields, pointCount(kind.kind), kind.op);
        }
    }

private:
    static void copyLine(fileio::OutputFile& target, std::string_view text) {
        target.write(text);
        target.put('\n');
    }

    // blankFields: the fields split at blanks and tabs, which are the
    // coordinate fields as well unless the line holds a comma.
    void pathLine(FileRun& run, std::string_view text, const std::string_view* blankFields,
                  int count, char op) {
        std::string_view commaFields[2 * kMaxPathPoints];
        const std::string_view* fields = blankFields;
        if (text.find(',') != std::string_view::npos) {
            fileio::splitFields(text, kCoordinateDelimiters, commaFields, 2 * count);
            fields = commaFields;
        }
        double values[2 * kMaxPathPoints];
        for (int i = 0; i < 2 * count; ++i) {
            std::size_t length = 0;
            values[i] = fileio::readNumber(fields[i], length);
            if (length == 0) {
                // Not a point ("foo bar m"): copied like any other line.
                copyLine(run.target(), text);
                return;
            }
        }
        bool complete = true;
        for (int k = 0; k < count; ++k) {
            if (!transformPoint(run.points(), values[2 * k], values[2 * k + 1])) {
                run.countUnmapped();
                complete = false;
            }
        }
        if (!complete) {
            startSubpath_ = true;
            return;
        }
        if (startSubpath_) {
            // A curve after a gap becomes a move-to its end point.
            startSubpath_ = false;
            writePath(run.target(), values + 2 * (count - 1), 1, illustrator::kMoveTo);
            return;
        }
        writePath(run.target(), values, count, op);
    }

    // Points to the source unit, through the transformation, the target
    // unit back to points; false when the result may not be written.
    static bool transformPoint(const PointTransformer& points, double& x, double& y) {
        const double a = illustrator::pointsToUnits(x, points.sourceUnitMillimetres());
        const double b = illustrator::pointsToUnits(y, points.sourceUnitMillimetres());
        double r1 = 0.0;
        double r2 = 0.0;
        points.transform(a, b, r1, r2);
        x = illustrator::unitsToPoints(r1, points.targetUnitMillimetres());
        y = illustrator::unitsToPoints(r2, points.targetUnitMillimetres());
        return illustrator::isWritable(x) && illustrator::isWritable(y);
    }

    static void writePath(fileio::OutputFile& target, const double* values, int count, char op) {
        char* const start = target.reserve(2 * kMaxPathPoints * (fileio::kMaxFixedChars + 1) + 4);
        char* out = start;
        for (int i = 0; i < 2 * count; ++i) {
            out = fileio::formatFixed(out, values[i], kDecimals);
            *out++ = ' ';
        }
        *out++ = op;
        *out++ = '\n';
        target.commit(out);
    }

    bool startSubpath_ = false;
};

}  // namespace

IllustratorLine classifyIllustratorLine(std::string_view line) {
    std::string_view fields[kOperatorFields];
    fileio::splitFields(line, kOperatorDelimiters, fields, kOperatorFields);
    return classifyFields(fields);
}

FileTransformResult transformIllustratorFile(const FileTransformRequest& request,
                                             fileio::Feedback& feedback,
                                             const FileRunOptions& options) {
    IllustratorRewriter rewriter;
    return runFileTransform(
        request, feedback,
        {.skipByteOrderMark = false, .sourceDescriptor = options.sourceDescriptor},
        [&rewriter](FileRun& run, std::string_view line) { rewriter.line(run, line); });
}

}  // namespace transform
