#include "resonancesolver.h"

namespace corvane {

ResonanceSolver::ResonanceSolver(CoreTable cores) : m_cores(std::move(cores)) {}
void ResonanceSolver::txt_LostFocus(int) {}
void ResonanceSolver::erase() {}
void ResonanceSolver::calcTurns() {}

} // namespace corvane
