#include "graticule/run_setup.h"

#include "fileio/file_formats.h"
#include "geodesy/projection_names.h"
#include "graticule/illustrator_writer.h"
#include "graticule/text_writer.h"

namespace graticule {

std::unique_ptr<GraticuleWriter> makeWriter(std::string_view fileFormat, const ObjectKeys& keys,
                                            const std::string& targetPath,
                                            double millimetresPerUnit, const std::tm& created) {
    const fileio::FileFormat* format = fileio::findFileFormat(fileFormat);
    if (format == nullptr) return nullptr;
    switch (format->kind) {
        case fileio::FileFormatKind::Text:
            return std::make_unique<TextWriter>();
        case fileio::FileFormatKind::Metafile:
            return std::make_unique<MetafileWriter>(keys);
        case fileio::FileFormatKind::Illustrator:
            return std::make_unique<IllustratorWriter>(targetPath, millimetresPerUnit, created);
    }
    return nullptr;
}

bool needsUnitQuestion(std::string_view fileFormat, std::string_view units) {
    return fileFormat == fileio::kMetafileFormat && units != geodesy::kUnitPixel;
}

}  // namespace graticule
