#pragma once
// The runtime's start-up list of initialisers.
#include <span>

namespace fw {

using Initializer = void (*)();

// Runs the framework's own initialisers (its class records), then the
// program's, in the order given.
void RuntimePerformInitializers(std::span<const Initializer> program);

}  // namespace fw
