#pragma once

// The texts of differences and of a change's impact.

namespace orv::comparetext {

inline constexpr const char* kImpactLine = "%s: %s -> %s";
inline constexpr const char* kFixesPerYear = "Fix attempts per year";
inline constexpr const char* kTransmissionsPerYear = "Transmissions per year";
inline constexpr const char* kProjectedDays = "Projected battery life (days)";
// A figure of a budget that counted only part of the period.
inline constexpr const char* kPartialFigure = "%.0f (partial)";
// A configuration the simulation could not run.
inline constexpr const char* kUnknownFigure = "unknown";

}  // namespace orv::comparetext
