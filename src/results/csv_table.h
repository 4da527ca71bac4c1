// The results of a sweep as a table: one row per pass, the swept parameter
// first, then every variable the dump prints.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace zentra {

struct CsvTable {
    std::vector<std::string> header;        // names as the output area shows them
    std::vector<std::vector<double>> rows;  // one per pass, as wide as the header
};

// The table of the run that wrote the last lines of the output area, read
// back from its sweep headers and dump lines (they keep their values
// unrounded). Call it right after a run that completed; nothing when the
// output area does not end with that run's groups.
std::optional<CsvTable> sweepTable(const Session& session);

// The table as RFC 4180 text: CR LF after every record, a field quoted when
// it holds a comma, a double quote, CR or LF. A table without columns is
// the empty text.
std::string csvText(const CsvTable& table);

// One field, quoted when it needs to be.
std::string csvField(std::string_view text);

// 17 significant digits with "." as the decimal point, so that reading it
// back gives the same double; INF, -INF and NAN as the dump writes them.
std::string csvNumber(double value);

}  // namespace zentra
