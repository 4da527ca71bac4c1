#include "run/run_pass.h"

namespace zentra {

namespace {

struct SweepPosition {
    Host* host;
    int pass;
    int passCount;
};

bool askHost(void* context) {
    const auto* at = static_cast<const SweepPosition*>(context);
    return at->host->keepRunning(at->pass, at->passCount);
}

int runMachine(Session& session, const MachineSettings& settings) {
    return session.passMachine.runPass(*session.code, *session.stores, settings, session.random);
}

}  // namespace

bool runPass(Session& session) {
    const int result = runMachine(session, session.machineSettings());
    if (result >= 0) return false;
    session.host.messageBox(runtimeErrorMessage(result, session.loopLimit));
    return true;
}

PassEnd runSweepPass(Session& session, int pass, int passCount) {
    SweepPosition at{&session.host, pass, passCount};
    MachineSettings settings = session.machineSettings();
    settings.keepRunning = askHost;
    settings.keepRunningContext = &at;
    const int result = runMachine(session, settings);
    if (result >= 0) return PassEnd::Completed;
    if (result == kPassCancelled) return PassEnd::Cancelled;
    session.host.messageBox(runtimeErrorMessage(result, session.loopLimit));
    return PassEnd::Failed;
}

}  // namespace zentra
