// The engine state the main window owns for the life of the program: the
// settings a run reads, the compiler object, the code buffer, the three
// value stores and the histories. Allocated once; every Exec reuses it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "front/compiler.h"
#include "host/host.h"
#include "userfunc/function_store.h"
#include "vm/machine.h"
#include "vm/pass_machine.h"
#include "vm/value_stores.h"

namespace zentra {

inline constexpr double kDegreeUnitFactor = 57.29577951308232;

struct Session {
    explicit Session(Host& host);

    Host& host;

    // Persisted settings.
    int precision = 15;
    int radian = 0;
    int loopLimit = 1000;
    double unitFactor = kDegreeUnitFactor;

    std::unique_ptr<CodeBuffer> code;
    std::unique_ptr<ValueStores> stores;
    RandomSource random;
    // Runs the passes (runPass). Whatever writes the variable or local store
    // outside a pass must call passMachine.forgetStores().
    PassMachine passMachine;
    Compiler compiler;

    // The registered user functions, most recently registered first.
    FunctionStore functionStore;

    std::vector<std::string> programHistory;
    std::vector<std::string> parameterHistory;

    double graphMaximum = 0.0;
    double graphMinimum = 0.0;

    MachineSettings machineSettings() const { return {loopLimit, unitFactor}; }
};

}  // namespace zentra
