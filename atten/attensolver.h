#pragma once

namespace corvane {

// The T and Pi attenuator calculation on the attenuator window's eight field texts.
class AttenSolver
{
public:
    static constexpr int FieldCount = 8;
};

} // namespace corvane
