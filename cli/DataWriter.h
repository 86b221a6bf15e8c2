#pragma once

#include "cli/Simulation.h"

namespace cli {

// Writes the samples of the runs in one output format, as they arrive.
class DataWriter : public RunObserver {
public:
    // What comes before the first run (a header row, the opening of a document).
    virtual void BeginDocument() = 0;
    // What comes after the last run; the output is then complete.
    virtual void EndDocument() = 0;
};

} // namespace cli
