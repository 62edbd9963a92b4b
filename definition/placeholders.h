#pragma once
// The texts that stand for "nothing chosen yet"; dialogs compare them exactly.

#include <string_view>

namespace definition {

inline constexpr std::string_view kUndefinedProjection = "(undefinierte Projektion)";
inline constexpr std::string_view kUndefinedDatum = "(undefiniertes Datum)";
inline constexpr std::string_view kUndefinedFile = "(undefinierte Datei)";

}  // namespace definition
