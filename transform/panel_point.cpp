#include "transform/panel_point.h"

#include <cmath>

#include "definition/field_checks.h"
#include "geodesy/angles.h"
#include "geodesy/engine.h"

namespace transform {
namespace {

double fieldValue(const PanelSide& s, PanelField field) {
    switch (field) {
        case PanelField::Latitude:
            return s.lat;
        case PanelField::Longitude:
            return s.lon;
        case PanelField::LatitudeDms:
            return s.latDms;
        case PanelField::LongitudeDms:
            return s.lonDms;
        case PanelField::X:
            return s.x;
        case PanelField::Y:
            return s.y;
        case PanelField::Height:
            break;
    }
    return s.height;
}

bool isFinite(const PanelSide& s) {
    for (double v : {s.lat, s.lon, s.latDms, s.lonDms, s.x, s.y, s.height}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

void dmsFromDecimal(PanelSide& s) {
    s.latDms = geodesy::degreesToPackedDms(s.lat);
    s.lonDms = geodesy::degreesToPackedDms(s.lon);
}

void decimalFromDms(PanelSide& s) {
    s.lat = geodesy::packedDmsToDegrees(s.latDms);
    s.lon = geodesy::packedDmsToDegrees(s.lonDms);
}

void forward(const geodesy::ProjectionParams& p, PanelSide& s) {
    geodesy::projectForward(p, s.lat, s.lon, s.x, s.y);
}

// Carries latitude, longitude and height from side `from` to the other side.
void chain(PanelSides& sides, const PanelProjections& projections, int from, PanelResult& result) {
    const int to = 1 - from;
    const PanelSide& source = sides[from];
    const geodesy::DatumParams& fromDatum = projections[from]->datum;
    const geodesy::DatumParams& toDatum = projections[to]->datum;
    const GeoPoint point = DatumChain(fromDatum, toDatum)
                               .apply({source.lat, source.lon, source.height}, &result.wgs84);
    result.chained = true;
    sides[to].lat = point.lat;
    sides[to].lon = point.lon;
    sides[to].height = point.height;
}

// The other side after a change of side `from`: chain, X/Y and dd.mmssss.
void follow(PanelSides& sides, const PanelProjections& projections, int from, PanelResult& result) {
    const int to = 1 - from;
    if (projections[to] == nullptr) return;
    chain(sides, projections, from, result);
    forward(*projections[to], sides[to]);
    dmsFromDecimal(sides[to]);
}

// Puts the work copy in place when both sides are finite.
PanelResult commit(PanelSides& sides, PanelSides& work, int first, PanelResult result) {
    for (int side : {first, 1 - first}) {
        if (!isFinite(work[side]))
            return {PanelOutcome::Unmappable, unmappableText(side), {}, false};
    }
    for (PanelSide& s : work) roundForDisplay(s);
    sides = work;
    result.outcome = PanelOutcome::Recomputed;
    return result;
}

}  // namespace

std::string checkPanelField(PanelField field, double value) {
    switch (field) {
        case PanelField::Latitude:
            return definition::checkLatitude(value);
        case PanelField::Longitude:
            return definition::checkLongitude(value);
        case PanelField::LatitudeDms: {
            std::string message = definition::checkLatitude(value);
            if (message.empty())
                message = definition::checkLatitude(geodesy::packedDmsToDegrees(value));
            return message;
        }
        case PanelField::LongitudeDms: {
            std::string message = definition::checkLongitude(value);
            if (message.empty()) {
                message = definition::checkLongitude(geodesy::packedDmsToDegrees(value));
            }
            return message;
        }
        case PanelField::X:
        case PanelField::Y:
        case PanelField::Height:
            break;
    }
    return {};
}

std::string unmappableText(int side) {
    return "Dieser Punkt ist in Projektion " + std::to_string(side + 1) + " nicht abbildbar";
}

PanelResult recomputeAfterEdit(PanelSides& sides, const PanelProjections& projections, int edited,
                               PanelField field) {
    const int other = 1 - edited;
    const geodesy::ProjectionParams* projection = projections[edited];
    if (field == PanelField::Height) {
        if (projection == nullptr || projections[other] == nullptr) return {};
        PanelSides work = sides;
        PanelResult result;
        chain(work, projections, edited, result);
        return commit(sides, work, edited, result);
    }
    if (projection == nullptr) return {};

    std::string message = checkPanelField(field, fieldValue(sides[edited], field));
    if (!message.empty()) return {PanelOutcome::OutOfRange, std::move(message), {}, false};

    PanelSides work = sides;
    PanelSide& side = work[edited];
    switch (field) {
        case PanelField::Latitude:
        case PanelField::Longitude:
            dmsFromDecimal(side);
            forward(*projection, side);
            break;
        case PanelField::LatitudeDms:
        case PanelField::LongitudeDms:
            decimalFromDms(side);
            forward(*projection, side);
            break;
        case PanelField::X:
        case PanelField::Y:
            geodesy::projectInverse(*projection, side.x, side.y, side.lat, side.lon);
            dmsFromDecimal(side);
            break;
        case PanelField::Height:
            break;
    }
    PanelResult result;
    follow(work, projections, edited, result);
    return commit(sides, work, edited, result);
}

PanelResult recomputeAfterDefinition(PanelSides& sides, const PanelProjections& projections,
                                     int redefined) {
    const geodesy::ProjectionParams* projection = projections[redefined];
    if (projection == nullptr) return {};
    const int other = 1 - redefined;
    PanelSides work = sides;
    PanelResult result;
    if (projections[other] != nullptr) {
        PanelSide& fixed = work[other];
        geodesy::projectInverse(*projections[other], fixed.x, fixed.y, fixed.lat, fixed.lon);
        dmsFromDecimal(fixed);
        chain(work, projections, other, result);
    }
    dmsFromDecimal(work[redefined]);
    forward(*projection, work[redefined]);
    return commit(sides, work, redefined, result);
}

void roundForDisplay(PanelSide& s) {
    for (double* angle : {&s.lat, &s.lon, &s.latDms, &s.lonDms}) {
        *angle = geodesy::roundToDecimals(*angle, kAngleDecimals);
    }
    s.x = geodesy::roundToDecimals(s.x, kMapDecimals);
    s.y = geodesy::roundToDecimals(s.y, kMapDecimals);
    s.height = geodesy::roundToDecimals(s.height, kHeightDecimals);
}

}  // namespace transform
