#include "definition/field_checks.h"

namespace definition {

// The bounds in the messages are fixed, so the texts are written out rather
// than formatted: formatted output would follow the user's locale and show
// "-90,0" on a German system.

std::string checkLatitude(double value) {
    if (value >= -90.0 && value <= 90.0) return {};
    return "Wert für Geographische Breite zwischen -90.0° und 90.0°";
}

std::string checkLongitude(double value) {
    if (value >= -180.0 && value <= 180.0) return {};
    return "Wert für Geographische Länge zwischen -180.0° und 180.0°";
}

std::string checkDelta(double value) {
    if (value >= 0.0 && value <= 180.0) return {};
    return "Wert für Delta zwischen 0° und +180°";
}

std::string checkPositive(double value) {
    if (value > 0.0) return {};
    return "Wert über 0";
}

std::string checkAngle(double value) {
    if (value >= -360.0 && value <= 360.0) return {};
    return "Wert für Winkel zwischen -360° und +360°";
}

}  // namespace definition
