#include "graph/plot_sampler.h"

#include <algorithm>
#include <cmath>

#include "front/symbol.h"
#include "graph/graph_text.h"
#include "vm/machine.h"

namespace zentra {

namespace {

// The swept slot, or -1 when no parameter is swept (then there is no x to put).
int sweptSlotOf(const Session& session) {
    const Compiler& c = session.compiler;
    if (c.plan.passCount <= 1 || c.plan.sweptSlot < 0 || c.plan.sweptSlot >= kStoreSize) return -1;
    return c.plan.sweptSlot;
}

// Puts the swept slot back as the run left it when sampling ends.
class SweptSlotKeeper {
public:
    explicit SweptSlotKeeper(Session& session) : slot_(sweptSlotOf(session)), store_(session.stores->constants) {
        if (slot_ >= 0) kept_ = store_[static_cast<std::size_t>(slot_)];
    }
    ~SweptSlotKeeper() {
        if (slot_ >= 0) store_[static_cast<std::size_t>(slot_)] = kept_;
    }
    SweptSlotKeeper(const SweptSlotKeeper&) = delete;
    SweptSlotKeeper& operator=(const SweptSlotKeeper&) = delete;

private:
    int slot_;
    ValueStore& store_;
    double kept_ = 0.0;
};

}  // namespace

std::optional<std::vector<GraphedVariable>> findGraphedVariables(const Compiler& compiler) {
    std::vector<GraphedVariable> found;
    const int count = compiler.symbols.count();
    for (const std::string& name : compiler.plan.graphList) {
        int slot = -1;
        for (int i = kFirstUserSymbol; i < count && slot < 0; ++i) {
            const Symbol& symbol = compiler.symbols[i];
            if (symbol.kind != Kind::VAR || symbol.scope != 0 || symbol.name != name) continue;
            const int at = symbol.code.slot();
            if (at < 0 || at >= kStoreSize) return std::nullopt;
            slot = at;
        }
        if (slot < 0) return std::nullopt;
        found.push_back({name, slot});
    }
    return found;
}

PlotSampler::PlotSampler(Session& session, std::vector<GraphedVariable> variables)
    : session_(session), variables_(std::move(variables)) {}

int PlotSampler::passAt(double x) {
    const int slot = sweptSlotOf(session_);
    if (slot >= 0) session_.stores->constants[static_cast<std::size_t>(slot)] = x;
    // The machine itself, not runPass(): that one shows a message box for
    // every failing pass, and a plot has hundreds of them.
    return session_.passMachine.runPass(*session_.code, *session_.stores, session_.machineSettings(),
                                        session_.random);
}

PassFailure PlotSampler::failureAt(int column, int code) const {
    return {column, code, runtimeErrorMessage(code, session_.loopLimit)};
}

PlotSamples PlotSampler::sample(int width, const KeepSampling& keepSampling) {
    PlotSamples samples;
    samples.width = std::max(width, 0);
    samples.curves.assign(variables_.size(), std::vector<std::optional<double>>(samples.width));
    const SweptSlotKeeper keeper(session_);
    const ValueStore& store = session_.stores->variables;
    for (int c = 0; c < samples.width; ++c) {
        if (keepSampling && !keepSampling(c, samples.width)) {
            samples.cancelled = true;
            break;
        }
        const int code = passAt(columnX(c, samples.width, xMinimum(), xMaximum()));
        if (code < 0) {
            // The variables hold what the pass reached before it failed: no value.
            ++samples.failedColumns;
            if (!samples.firstFailure) samples.firstFailure = failureAt(c, code);
            continue;
        }
        for (std::size_t j = 0; j < variables_.size(); ++j) {
            const double value = store[static_cast<std::size_t>(variables_[j].slot)];
            if (!std::isfinite(value)) continue;
            samples.curves[j][static_cast<std::size_t>(c)] = value;
            if (!samples.values) {
                samples.values = ValueRange{value, value};
            } else {
                samples.values->low = std::min(samples.values->low, value);
                samples.values->high = std::max(samples.values->high, value);
            }
        }
    }
    return samples;
}

ReadOut PlotSampler::readOut(int column, int width) {
    ReadOut result;
    const double x = columnX(column, width, xMinimum(), xMaximum());
    const SweptSlotKeeper keeper(session_);
    const int code = passAt(x);
    if (code < 0) {
        result.failure = failureAt(column, code);
        return result;
    }
    std::vector<std::string> names;
    std::vector<double> values;
    for (const GraphedVariable& variable : variables_) {
        names.push_back(variable.name);
        values.push_back(session_.stores->variables[static_cast<std::size_t>(variable.slot)]);
    }
    result.text = readOutText(session_.compiler.plan.sweptName, x, names, values);
    return result;
}

}  // namespace zentra
