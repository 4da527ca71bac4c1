#include "run/run_pass.h"

namespace zentra {

bool runPass(Session& session) {
    ValueStores& stores = *session.stores;
    stores.variables.fill(0.0);
    stores.locals.fill(0.0);
    const int result = execute(*session.code, stores, session.machineSettings(), session.random);
    if (result >= 0) return false;
    session.host.messageBox(runtimeErrorMessage(result, session.loopLimit));
    return true;
}

}  // namespace zentra
