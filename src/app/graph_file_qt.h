// zentra-cli's --graph picture drawn by the graph window's painting code,
// without any window. Qt-free declaration: zentra-cli starts Qt only when it
// calls this.
#pragma once

#include <string>

#include "cli/graph_output.h"

// Draws the plot of `samples` for a drawing surface of the request's size,
// in the window's designed font, and writes it as PNG or SVG. Creates a
// QGuiApplication on the offscreen platform for the time of the call when
// none exists. False, with the message in `error`, when the file cannot be
// written; an existing file then stays as it was.
bool writeGraphFile(const zentra::cli::GraphRequest& request, const zentra::PlotSampler& sampler,
                    const zentra::PlotSamples& samples, std::string& error);
