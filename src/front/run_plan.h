// What a compilation hands to the run: the sweep, the user functions it
// expanded, and the variables out() and graph() named.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zentra {

struct RunPlan {
    std::int32_t passCount = 1;  // one pass per value of the swept parameter
    std::int32_t sweptSlot = 0;  // the swept parameter's constant slot; 0: no sweep
    std::string sweptName;       // as prefixed ("_x"); empty: no sweep
    std::vector<std::string> userFunctions;  // callee before caller
    std::vector<std::string> outputSelection;
    std::vector<std::string> graphList;
};

}  // namespace zentra
