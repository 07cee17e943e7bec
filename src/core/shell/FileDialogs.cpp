#include "shell/FileDialogs.h"

namespace torval {

namespace {

std::vector<std::string> splitAtBars(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t bar = text.find('|', from);
        parts.emplace_back(text.substr(from, bar == std::string_view::npos ? bar : bar - from));
        if (bar == std::string_view::npos) {
            return parts;
        }
        from = bar + 1;
    }
}

} // namespace

std::vector<FileFilter> fileFilters(std::string_view filterText) {
    std::vector<FileFilter> filters;
    if (filterText.empty()) {
        return filters;
    }
    const std::vector<std::string> parts = splitAtBars(filterText);
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        filters.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
    }
    return filters;
}

} // namespace torval
