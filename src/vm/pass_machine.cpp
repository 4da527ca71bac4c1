#include "vm/pass_machine.h"

#include <algorithm>
#include <cstring>

namespace zentra {

void PassMachine::prepare(const CodeBuffer& code, ValueStores& stores) {
    const bool same = keyStores_ == &stores && !key_.empty() &&
                      std::memcmp(code.data(), key_.data(), key_.size() * sizeof(CodeWord)) == 0;
    if (same) return;
    int reachableEnd = kCodeBufferSize;
    program_ = translateCode(code, stores, reachableEnd);
    key_.assign(code.begin(), code.begin() + std::max(reachableEnd, 1));
    keyStores_ = &stores;
    ++translations_;
}

int PassMachine::execute(const CodeBuffer& code, ValueStores& stores, const MachineSettings& settings,
                         RandomSource& random) {
    prepare(code, stores);
    int result;
    int variablesWritten = kStoreSize;
    int localsWritten = kStoreSize;
    if (program_) {
        program_->elementWriteEnd = 0;
        result = runThreaded(*program_, settings, random);
        variablesWritten = std::max(program_->variableWriteEnd, program_->elementWriteEnd);
        localsWritten = program_->localWriteEnd;
    } else {
        result = zentra::execute(code, stores, settings, random);
    }
    if (knownStores_ == &stores) {
        variablesDirtyEnd_ = std::max(variablesDirtyEnd_, variablesWritten);
        localsDirtyEnd_ = std::max(localsDirtyEnd_, localsWritten);
    }
    return result;
}

int PassMachine::runPass(const CodeBuffer& code, ValueStores& stores, const MachineSettings& settings,
                         RandomSource& random) {
    const bool known = knownStores_ == &stores;
    const auto variablesEnd = static_cast<std::ptrdiff_t>(known ? variablesDirtyEnd_ : kStoreSize);
    const auto localsEnd = static_cast<std::ptrdiff_t>(known ? localsDirtyEnd_ : kStoreSize);
    std::fill(stores.variables.begin(), stores.variables.begin() + variablesEnd, 0.0);
    std::fill(stores.locals.begin(), stores.locals.begin() + localsEnd, 0.0);

    // Both stores are 0.0 now; the pass widens what may be written.
    knownStores_ = &stores;
    variablesDirtyEnd_ = 0;
    localsDirtyEnd_ = 0;
    return execute(code, stores, settings, random);
}

}  // namespace zentra
