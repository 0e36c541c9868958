// Twips, the unit the windows give positions and widths in: 1440 to the inch.
#pragma once

namespace platform {

constexpr int twipsPerInch = 1440;

} // namespace platform
