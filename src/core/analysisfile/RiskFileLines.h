#pragma once
// How the risk data file writes its lines: every line ends in CR LF; a labelled line is the
// label followed directly by its value.

#include <string>
#include <string_view>

namespace torval {

inline void appendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

inline void appendLabelled(std::string& out, std::string_view label, std::string_view value) {
    out.append(label);
    appendLine(out, value);
}

} // namespace torval
