#pragma once

#include <array>

namespace corvane {

// One straight stroke of the attenuator window's network drawings, in twips
// relative to the top-left corner of the frame that holds it.
// Frame 2 is "T Attenuator", frame 3 "Pi Attenuator".
struct SchematicLine { int frame, x1, y1, x2, y2; };

namespace schematic {

// A resistor is a zigzag of six strokes of 120 twips along its axis from its
// start, swinging 120 up (horizontal) or left (vertical).
struct Resistor { int frame, x, y; bool vertical; };

// In the order of Line1..Line36, six strokes each.
inline constexpr Resistor resistors[] = {
    { 3, 1560, 1680, true },  // Pi R1, left shunt
    { 3, 3120, 1680, true },  // Pi R1, right shunt
    { 2, 1560, 1680, true },  // T R4, shunt
    { 3, 2040, 1320, false }, // Pi R2, series
    { 2, 1920, 1320, false }, // T R3, right series
    { 2, 480, 1320, false },  // T R3, left series
};

// Line37..Line50.
inline constexpr SchematicLine wires[] = {
    { 3, 1560, 1680, 1560, 1320 }, // Line37 drop to the left shunt
    { 3, 1560, 1320, 2040, 1320 }, // Line38 wire to R2
    { 3, 2760, 1320, 3120, 1320 }, // Line39 wire from R2
    { 3, 3120, 1320, 3120, 1680 }, // Line40 drop to the right shunt
    { 3, 1560, 2400, 1560, 2640 }, // Line41 left ground lead
    { 3, 3120, 2400, 3120, 2640 }, // Line42 right ground lead
    { 3, 1200, 1320, 1560, 1320 }, // Line43 input wire
    { 3, 3480, 1320, 3120, 1320 }, // Line44 output wire
    { 2, 1560, 1320, 1200, 1320 }, // Line45 wire from the left R3
    { 2, 1560, 1680, 1560, 1320 }, // Line46 drop to the shunt
    { 2, 1920, 1320, 1560, 1320 }, // Line47 wire to the right R3
    { 2, 1560, 2640, 1560, 2400 }, // Line48 ground lead
    { 2, 3000, 1320, 2640, 1320 }, // Line49 output wire
    { 2, 120, 1320, 480, 1320 },   // Line50 input wire
};

constexpr std::array<SchematicLine, 50> allLines()
{
    std::array<SchematicLine, 50> lines {};
    std::size_t n = 0;
    for (const Resistor &r : resistors) {
        for (int k = 0; k < 6; ++k) {
            // From corner k to corner k + 1; the odd corners swing aside.
            const int along = 120 * k;
            const int swing = 120 * (k % 2);
            lines[n++] = r.vertical
                ? SchematicLine { r.frame, r.x - swing, r.y + along, r.x - (120 - swing), r.y + along + 120 }
                : SchematicLine { r.frame, r.x + along, r.y - swing, r.x + along + 120, r.y - (120 - swing) };
        }
    }
    for (const SchematicLine &wire : wires)
        lines[n++] = wire;
    return lines;
}

} // namespace schematic

// Line1..Line50 of the attenuator window, in that order (entry i is Line i+1).
inline constexpr std::array<SchematicLine, 50> schematicLines = schematic::allLines();

} // namespace corvane
