#pragma once

namespace vok {

// The values of one "Options" size preset of the main window.
struct SizePreset {
    int fontSize;
    int pieSize;
    int formWidth, formHeight;
    int pie1Left;
    int panelWidth, panelHeight;
    int dieSize;
};

// Large: the disk pie sits 204 pixels right of the memory pie (left 8), and the read-out spans
// both pies.
inline constexpr SizePreset kSmallVok{10, 100, 315, 188, 112, 289, 33, 2};
inline constexpr SizePreset kMediumVok{11, 150, 455, 228, 200, 350, 33, 3};
inline constexpr SizePreset kLargeVok{12, 200, 560, 320, 8 + 204, 200 + 200, 50, 4};

} // namespace vok
