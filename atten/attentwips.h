#pragma once

namespace corvane::attentwips {

// The attenuator window is drawn up in twips, 15 to a pixel at 96 dots per inch.
constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return twips / PerPixel;
}

} // namespace corvane::attentwips
