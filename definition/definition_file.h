#pragma once
// Projection definition files (".gwp"): one "key = value" per line, UTF-8,
// LF or CR LF line ends, "#" lines and blank lines ignored.
//
// Reading does what a user does in the projection dialog: it starts from the
// dialog's construction values and the datum "ED50", opens the dialog (the
// type's derived values), chooses the type of `projectionName`, then enters
// every given field in the dialog's tab order, whatever the order in the
// file, with that field's focus-loss check and dependent updates, ticks or
// clears the natural-coordinates box at its place in the tab order, and
// presses OK (every check, the record built, its offsets derived). The datum
// keys are entered in the datum dialog's tab order and end with its OK. A
// key whose field is hidden or disabled at that point is an error. Numbers go
// the way they go in the dialog: typed as text, and every value the dialog
// shows again comes back from its 15 significant digits at the next
// take-over (a computed strip meridian, a 17-digit entry followed by a
// handler that shows the fields). So a file and the dialog give the same
// record, bit for bit.
//
// Writing puts `projectionName` and every key whose field is shown and
// enabled, in tab order, each number in its shortest form that reads back
// to the same double.

#include <string>
#include <string_view>

#include "definition/type_rules.h"
#include "geodesy/projection.h"

namespace definition {

inline constexpr std::string_view kDefinitionSuffix = "gwp";

// What a definition file stands for: the dialog's members, the datum dialog's
// record and the record OK builds from them.
struct DefinitionFile {
    ProjectionDefinition definition;
    geodesy::DatumParams datum;
    geodesy::ProjectionParams params;
};

// The dialog's state before anything is entered: construction values and
// the datum "ED50".
DefinitionFile initialDefinition();

// Reads the text of a definition file; `path` only names it in messages.
// Returns an empty string when the definition is complete, else the German
// message that names the file, the line and the problem (the dialog's own
// check text where one applies); `out` is then left untouched. Opening and
// reading the file is the caller's part.
std::string parseDefinitionText(std::string_view text, const std::string& path,
                                DefinitionFile& out);

// The text of a definition file for the members and datum of a dialog.
std::string definitionText(const ProjectionDefinition& definition,
                           const geodesy::DatumParams& datum);

// The shortest decimal digits of a double that read back to it exactly:
// plain ("1000000", "0.0000002") up to 24 characters, else with an exponent
// ("1e+300").
std::string shortestNumber(double value);

}  // namespace definition
