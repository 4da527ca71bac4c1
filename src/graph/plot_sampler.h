// The graph window's samples: one pass of the loaded program per pixel
// column, with that column's x in the swept slot, reading the graphed
// variables after each pass.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graph/graph_axes.h"
#include "session/session.h"

namespace zentra {

// Shown when a graphed name has no variable of the main program.
inline constexpr std::string_view kNoGraphSlotMessage = "メモリアドレスエラー";

struct GraphedVariable {
    std::string name;
    int slot = 0;  // in the variable store
};

// The variables of the graph list, in its order: for each name the first
// symbol from entry 40 on with that name, kind VAR and scope 0. Nothing
// when a name has none (show kNoGraphSlotMessage and close the window).
std::optional<std::vector<GraphedVariable>> findGraphedVariables(const Compiler& compiler);

// A pass that failed: its result code and the message box text for it.
struct PassFailure {
    int column = 0;
    int code = 0;
    std::string message;
};

struct PlotSamples {
    int width = 0;
    // curves[j][c]: variable j after the pass of column c; nothing where the
    // value is INF or NAN, where the pass failed, or past a cancellation.
    std::vector<std::vector<std::optional<double>>> curves;
    // The smallest and largest value of all curves; nothing when no value is finite.
    std::optional<ValueRange> values;
    int failedColumns = 0;
    std::optional<PassFailure> firstFailure;  // to be shown once for the whole plot
    bool cancelled = false;                   // the remaining columns were not sampled

    bool hasFiniteValues() const { return values.has_value(); }
};

// What the read-out at one column shows: the status text, or the failure.
struct ReadOut {
    std::optional<std::string> text;
    std::optional<PassFailure> failure;
};

// Runs passes for the graph window over the session's code buffer and
// stores. Afterwards the swept slot holds again what the run left there
// (the last sweep value); the machine's translation of the code stays
// valid. A failing pass shows no message box: the failure comes back as
// data, so that the window shows it once.
class PlotSampler {
public:
    // Asked before each column; false stops the sampling.
    using KeepSampling = std::function<bool(int column, int width)>;

    PlotSampler(Session& session, std::vector<GraphedVariable> variables);

    const std::vector<GraphedVariable>& variables() const { return variables_; }
    double xMinimum() const { return session_.graphMinimum; }
    double xMaximum() const { return session_.graphMaximum; }

    // One pass per column 0..width−1 at columnX(column, width, …).
    PlotSamples sample(int width, const KeepSampling& keepSampling = {});

    // The pass at one column (the cursor), formatted for the status bar.
    ReadOut readOut(int column, int width);

private:
    // Puts x into the swept slot (when a parameter is swept) and runs one
    // pass; the pass's result code.
    int passAt(double x);
    PassFailure failureAt(int column, int code) const;

    Session& session_;
    std::vector<GraphedVariable> variables_;
};

}  // namespace zentra
