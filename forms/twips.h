#pragma once

namespace corvane {

// Layout lengths are kept in twips, 15 to a pixel at 96 dots per inch.
constexpr int twips(int length)
{
    return (length + 7) / 15;
}

} // namespace corvane
