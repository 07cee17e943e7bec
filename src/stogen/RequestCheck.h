#pragma once
// Decides whether a request can be honoured before anything is drawn, so a refused request
// neither writes a value nor advances the engine. The checks run in a fixed order and the first
// one failing gives the status; the order is part of the interface (GeneratorRequest.h).

#include "stogen/GeneratorRequest.h"

namespace torval::stogen {

GeneratorStatus checkRequest(const GeneratorRequest& request);

} // namespace torval::stogen
