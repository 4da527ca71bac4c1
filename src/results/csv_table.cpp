#include "results/csv_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/number_format.h"
#include "results/result_output.h"

namespace zentra {

std::optional<CsvTable> sweepTable(const Session& session) {
    const Compiler& compiler = session.compiler;
    std::vector<std::string> names;
    const int count = compiler.symbols.count();
    for (int i = kFirstUserSymbol; i < count; ++i) {
        if (auto dumped = dumpedVariable(compiler, compiler.symbols[i])) {
            names.push_back(std::move(dumped->name));
        }
    }

    const int passes = std::max(compiler.plan.passCount, 1);
    const bool swept = passes > 1;
    const long long group = static_cast<long long>(names.size()) + (swept ? 1 : 0);
    const OutputModel& out = session.host.outputArea();
    const long long first = out.lineCount() - group * passes;
    if (first < 0) return std::nullopt;

    CsvTable table;
    if (swept) {
        const std::string& name = compiler.plan.sweptName;
        // Parameter-area names carry a "_" prefix the user never wrote.
        table.header.push_back(name.empty() ? std::string() : name.substr(1));
    }
    table.header.insert(table.header.end(), names.begin(), names.end());
    table.rows.reserve(static_cast<std::size_t>(passes));
    int at = static_cast<int>(first);
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<double> row;
        row.reserve(table.header.size());
        if (swept) {
            const OutputLine& line = out.at(at++);
            if (line.kind != OutputKind::SweepHeader) return std::nullopt;
            row.push_back(line.value);
        }
        for (const std::string_view name : names) {
            const OutputLine& line = out.at(at++);
            if (line.kind != OutputKind::Dump || line.variable() != name) return std::nullopt;
            row.push_back(line.value);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    quoted += '"';
    return quoted;
}

std::string csvNumber(double value) {
    if (!std::isfinite(value)) return formatGeneral(value, 15);
    if (value == 0.0) return "0";  // -0 too, as the dump shows it
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17).ptr;
    return std::string(buffer, end);
}

std::string csvText(const CsvTable& table) {
    if (table.header.empty()) return {};
    std::string text;
    auto record = [&text](const auto& fields, auto&& fieldText) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) text += ',';
            text += fieldText(fields[i]);
        }
        text += "\r\n";
    };
    record(table.header, [](const std::string& name) { return csvField(name); });
    for (const auto& row : table.rows) record(row, [](double value) { return csvNumber(value); });
    return text;
}

}  // namespace zentra
