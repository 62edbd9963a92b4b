#include "definition/field_checks.h"

#include <cstdio>

namespace definition {
namespace {

std::string rangeMessage(const char* what, double low, double high) {
    char text[128];
    std::snprintf(text, sizeof text, "Wert für %s zwischen %.1f° und %.1f°", what, low, high);
    return text;
}

}  // namespace

std::string checkLatitude(double value) {
    if (value >= -90.0 && value <= 90.0) return {};
    return rangeMessage("Geographische Breite", -90.0, 90.0);
}

std::string checkLongitude(double value) {
    if (value >= -180.0 && value <= 180.0) return {};
    return rangeMessage("Geographische Länge", -180.0, 180.0);
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
