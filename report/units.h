// The one place where report lengths change unit: screen pixels (96 per inch), millimetres, points.
#pragma once

namespace dz::report {

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kPointsPerInch = 72.0;
// Layouts measured on screen count 96 pixels to the inch (1 pixel = 0.2646 mm).
inline constexpr double kDesignPixelsPerInch = 96.0;

constexpr double PxToMm(double px) { return px * kMmPerInch / kDesignPixelsPerInch; }
constexpr double MmToPx(double mm) { return mm * kDesignPixelsPerInch / kMmPerInch; }
constexpr double PtToMm(double pt) { return pt * kMmPerInch / kPointsPerInch; }
constexpr double MmToPt(double mm) { return mm * kPointsPerInch / kMmPerInch; }
// Millimetres to the dots of a device of `dpi` dots per inch, and back.
constexpr double MmToDots(double mm, double dpi) { return mm * dpi / kMmPerInch; }
constexpr double DotsToMm(double dots, double dpi) { return dots * kMmPerInch / dpi; }

}  // namespace dz::report
