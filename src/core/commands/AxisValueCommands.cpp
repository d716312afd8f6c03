#include "core/commands/Commands.h"

#include "core/common/NumberText.h"

namespace lineora {

void ApplyPolarMax(State& state, Views& views) {
    state.Cal.AxisPolarMax = ParseNumber(state.Texts.PolarMaxX);
    RefreshAll(state, views);
}

} // namespace lineora
