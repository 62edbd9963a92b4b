#pragma once
// What the datum dialog does to a DatumParams record: its two lists, the
// lookups on a selection, which fields a selection leaves editable, and the
// checks. Qt-free, for the dialog and a command-line front end alike.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geodesy/projection.h"

namespace definition {

// "(individuell)" first, then the catalogue in its order.
std::vector<std::string_view> datumListEntries();
std::vector<std::string_view> ellipsoidListEntries();

// After the datum name changed: a catalogue datum brings its ellipsoid, axes
// and seven parameters (the selected name stays); "(individuell)" looks
// nothing up.
void datumSelected(geodesy::DatumParams& datum);

// After the ellipsoid name changed: a catalogue ellipsoid brings its axes;
// "(individuell)" keeps the typed ones.
void ellipsoidSelected(geodesy::DatumParams& datum);

// After a take-over of the shown fields (15 significant digits): a catalogue
// datum gets its catalogue values back, or with "(individuell)" a catalogue
// ellipsoid its axes, so that they stay the catalogue's own to the last bit.
void keepCatalogueValues(geodesy::DatumParams& datum);

// The fields of the datum dialog, in tab order.
enum class DatumField {
    DatumList,
    EllipsoidList,
    SemiMajorAxis,
    SemiMinorAxis,
    ShiftX,
    ShiftY,
    ShiftZ,
    RotationOmega,
    RotationPsi,
    RotationEpsilon,
    ScaleCorrection,
};

// A catalogue datum fixes everything but the datum list; a catalogue
// ellipsoid fixes a and b.
bool datumFieldEnabled(const geodesy::DatumParams& datum, DatumField field);

// The check of one field on its own (empty when it passes or has none).
std::string checkDatumField(const geodesy::DatumParams& datum, DatumField field);

struct DatumRefusal {
    DatumField field;
    std::string message;
};

// The checks of OK: every enabled field in tab order, then b not larger than a.
std::optional<DatumRefusal> checkDatum(const geodesy::DatumParams& datum);

}  // namespace definition
