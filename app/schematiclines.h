#pragma once

#include <array>

namespace corvane {

// One straight stroke of the attenuator window's network drawings, in twips
// relative to the top-left corner of the frame that holds it.
struct SchematicLine
{
    int frame; // 2: "T Attenuator", 3: "Pi Attenuator"
    int x1;
    int y1;
    int x2;
    int y2;
};

// Line1..Line50 of the attenuator window, in that order (entry i is Line i+1).
// Each resistor is a zigzag of six strokes of 120 along its axis, swinging 120
// up (horizontal) or left (vertical); the rest are wires.
inline constexpr std::array<SchematicLine, 50> schematicLines = { {
    // Line1..Line6: Pi R1, left shunt
    { 3, 1560, 1680, 1440, 1800 },
    { 3, 1440, 1800, 1560, 1920 },
    { 3, 1560, 1920, 1440, 2040 },
    { 3, 1440, 2040, 1560, 2160 },
    { 3, 1560, 2160, 1440, 2280 },
    { 3, 1440, 2280, 1560, 2400 },
    // Line7..Line12: Pi R1, right shunt
    { 3, 3120, 1680, 3000, 1800 },
    { 3, 3000, 1800, 3120, 1920 },
    { 3, 3120, 1920, 3000, 2040 },
    { 3, 3000, 2040, 3120, 2160 },
    { 3, 3120, 2160, 3000, 2280 },
    { 3, 3000, 2280, 3120, 2400 },
    // Line13..Line18: T R4, shunt
    { 2, 1560, 1680, 1440, 1800 },
    { 2, 1440, 1800, 1560, 1920 },
    { 2, 1560, 1920, 1440, 2040 },
    { 2, 1440, 2040, 1560, 2160 },
    { 2, 1560, 2160, 1440, 2280 },
    { 2, 1440, 2280, 1560, 2400 },
    // Line19..Line24: Pi R2, series
    { 3, 2040, 1320, 2160, 1200 },
    { 3, 2160, 1200, 2280, 1320 },
    { 3, 2280, 1320, 2400, 1200 },
    { 3, 2400, 1200, 2520, 1320 },
    { 3, 2520, 1320, 2640, 1200 },
    { 3, 2640, 1200, 2760, 1320 },
    // Line25..Line30: T R3, right series
    { 2, 1920, 1320, 2040, 1200 },
    { 2, 2040, 1200, 2160, 1320 },
    { 2, 2160, 1320, 2280, 1200 },
    { 2, 2280, 1200, 2400, 1320 },
    { 2, 2400, 1320, 2520, 1200 },
    { 2, 2520, 1200, 2640, 1320 },
    // Line31..Line36: T R3, left series
    { 2, 480, 1320, 600, 1200 },
    { 2, 600, 1200, 720, 1320 },
    { 2, 720, 1320, 840, 1200 },
    { 2, 840, 1200, 960, 1320 },
    { 2, 960, 1320, 1080, 1200 },
    { 2, 1080, 1200, 1200, 1320 },
    // Line37..Line44: Pi wires
    { 3, 1560, 1680, 1560, 1320 }, // Line37 drop to the left shunt
    { 3, 1560, 1320, 2040, 1320 }, // Line38 wire to R2
    { 3, 2760, 1320, 3120, 1320 }, // Line39 wire from R2
    { 3, 3120, 1320, 3120, 1680 }, // Line40 drop to the right shunt
    { 3, 1560, 2400, 1560, 2640 }, // Line41 left ground lead
    { 3, 3120, 2400, 3120, 2640 }, // Line42 right ground lead
    { 3, 1200, 1320, 1560, 1320 }, // Line43 input wire
    { 3, 3480, 1320, 3120, 1320 }, // Line44 output wire
    // Line45..Line50: T wires
    { 2, 1560, 1320, 1200, 1320 }, // Line45 wire from the left R3
    { 2, 1560, 1680, 1560, 1320 }, // Line46 drop to the shunt
    { 2, 1920, 1320, 1560, 1320 }, // Line47 wire to the right R3
    { 2, 1560, 2640, 1560, 2400 }, // Line48 ground lead
    { 2, 3000, 1320, 2640, 1320 }, // Line49 output wire
    { 2, 120, 1320, 480, 1320 },   // Line50 input wire
} };

} // namespace corvane
