// Passes of the machine in their fast form. A code buffer is translated into
// threaded code once and again only when its words change; the translation
// runs every later pass of a sweep and the graph's single passes. Buffers the
// translator declines run on the reference machine, execute().
#pragma once

#include <memory>
#include <vector>

#include "vm/machine.h"
#include "vm/threaded_code.h"
#include "vm/value_stores.h"

namespace zentra {

class PassMachine {
public:
    // What execute() does, with the same result codes, stores and draws.
    int execute(const CodeBuffer& code, ValueStores& stores, const MachineSettings& settings,
                RandomSource& random);

    // A pass as the run driver makes it: the variable and local stores read
    // 0.0 everywhere, then execute(). Only the slots that earlier passes run
    // here may have written are cleared; the rest are still 0.0 from the
    // last full clear, as long as nothing else writes these two stores.
    int runPass(const CodeBuffer& code, ValueStores& stores, const MachineSettings& settings,
                RandomSource& random);

    // For whoever writes the variable or local store outside a pass: the
    // next pass clears both stores in full.
    void forgetStores() { knownStores_ = nullptr; }

    // How many times a buffer has been translated (a reused translation is not counted).
    int translationCount() const { return translations_; }
    // Whether the current buffer runs in threaded form.
    bool threaded() const { return program_ != nullptr; }

private:
    void prepare(const CodeBuffer& code, ValueStores& stores);

    std::vector<CodeWord> key_;  // the words the translation depends on, from index 0
    const ValueStores* keyStores_ = nullptr;
    std::unique_ptr<ThreadedProgram> program_;  // none: the reference machine runs the buffer
    int translations_ = 0;

    // The stores whose variable and local slots from these ends upward are 0.0.
    const ValueStores* knownStores_ = nullptr;
    int variablesDirtyEnd_ = kStoreSize;
    int localsDirtyEnd_ = kStoreSize;
};

}  // namespace zentra
