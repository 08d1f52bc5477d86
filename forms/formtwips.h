#pragma once

namespace corvane::formtwips {

// The companion windows are laid out in twips, 15 to a pixel at 96 dots per inch.
constexpr int toPixels(int twips)
{
    return (twips + 7) / 15;
}

} // namespace corvane::formtwips
