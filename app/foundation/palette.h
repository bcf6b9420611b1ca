#pragma once

#include <array>
#include <cstdint>

// The 16-colour drawing palette; routines name colours by index.
struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},       // 0 black
    {128, 128, 128}, // 1 grey
    {0, 0, 128},     // 2 dark blue
    {0, 0, 255},     // 3 blue
    {128, 0, 0},     // 4 dark red
    {255, 0, 0},     // 5 red
    {128, 0, 128},   // 6 dark magenta
    {255, 0, 255},   // 7 magenta
    {0, 128, 0},     // 8 dark green
    {0, 255, 0},     // 9 green
    {0, 128, 128},   // 10 dark cyan
    {0, 255, 255},   // 11 cyan
    {128, 128, 0},   // 12 olive
    {255, 255, 0},   // 13 yellow
    {192, 192, 192}, // 14 light grey
    {255, 255, 255}, // 15 white
}};

namespace Colour {
inline constexpr int Black = 0;
inline constexpr int Blue = 3;
inline constexpr int Red = 5;
inline constexpr int DarkGreen = 8;
inline constexpr int LightGrey = 14;
inline constexpr int White = 15;
} // namespace Colour
