#pragma once

namespace corvane {

// Layouts are drawn up in twips, 15 to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

} // namespace corvane
