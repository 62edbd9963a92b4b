#pragma once
// The range checks that every dialog applies to its fields when they lose the
// focus. Each returns the message of a failed check, or an empty string when
// the value passes (NaN never passes).

#include <string>
#include <string_view>

namespace definition {

std::string checkLatitude(double value);   // -90 ≤ value ≤ 90
std::string checkLongitude(double value);  // -180 ≤ value ≤ 180
std::string checkDelta(double value);      // 0 ≤ value ≤ 180
std::string checkPositive(double value);   // value > 0
std::string checkAngle(double value);      // -360 ≤ value ≤ 360

}  // namespace definition
