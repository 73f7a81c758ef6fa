#pragma once

#include "diagrammodule.h"
#include "printmodule.h"

#include <string>

namespace vendrix::exporter {

// The print module's entry, loaded on first use from beside the executable (or from
// ../lib/vendrix/ or, on Debian, ../lib/<architecture>/vendrix/ once installed). Null when it cannot be
// loaded; `error` then says why.
PrintEntry loadPrintModule(std::string& error);

// The diagram entry of the same module.
DiagramEntry loadDiagramModule(std::string& error);

} // namespace vendrix::exporter
