#include "run/run_pass.h"

namespace zentra {

bool runPass(Session& session) {
    const int result = session.passMachine.runPass(*session.code, *session.stores,
                                                   session.machineSettings(), session.random);
    if (result >= 0) return false;
    session.host.messageBox(runtimeErrorMessage(result, session.loopLimit));
    return true;
}

}  // namespace zentra
