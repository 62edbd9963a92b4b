#pragma once
// Projections defined as the projection dialog's OK leaves them for its
// owner, for the dialog tests and the snapshots.

#include <QDialog>
#include <string>
#include <string_view>

#include "definition/projection_dlg.h"
#include "definition/type_rules.h"
#include "geodesy/catalogues.h"
#include "geodesy/projection_names.h"

namespace transform_dlg_test {

// A type chosen in the projection dialog, with natural coordinates.
inline definition::ProjectionDefinition definitionOf(std::string_view type, int strip = 2) {
    definition::ProjectionDefinition d;
    definition::applyProjectionType(d, std::string(type));
    d.strip = strip;
    definition::stripChanged(d);
    definition::applyNaturalCalibration(d, d.projectionName);
    return d;
}

// The equidistant cylinder on the sphere, the equator true to scale:
// X = R·lon, Y = R·lat (radians), in metres or in kilometres.
inline definition::ProjectionDefinition plateCarree(bool kilometres = false) {
    definition::ProjectionDefinition d = definitionOf(geodesy::kCylinderEquidistant);
    d.delta1 = 90.0;
    if (kilometres) d.units = d.unitX = d.unitY = std::string(geodesy::kUnitKilometre);
    return d;
}

// What the projection dialog's OK leaves for its owner.
inline int acceptDefinition(CProjectionDlg& dialog, const definition::ProjectionDefinition& d,
                            const std::string& datumName = "ED50") {
    dialog.m_dlgDatum.m_datum = geodesy::lookupDatum(datumName);
    dialog.m_strProjectionName = d.projectionName;
    dialog.m_nStrip = d.strip;
    dialog.m_dCentralMeridian = d.centralMeridian;
    dialog.m_strUnits = d.units;
    dialog.m_strUnitX = d.unitX;
    dialog.m_strUnitY = d.unitY;
    dialog.m_dResolution = d.resolution;
    dialog.m_params = definition::buildParams(d, dialog.m_dlgDatum.m_datum);
    return QDialog::Accepted;
}

}  // namespace transform_dlg_test
