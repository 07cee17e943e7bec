#include "shell/FilePattern.h"

#include "shell/Text.h"

#include <string>

namespace torval {

namespace {

// Wildcard matching with one backtracking point: on a mismatch, let the last "*" swallow one
// more character. Linear in practice and never recursive, whatever the pattern.
bool matchesWildcards(std::string_view name, std::string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool matchesOne(std::string_view lowerName, std::string_view pattern) {
    const std::string lowerPattern = lowerCase(trimBlanksView(pattern));
    if (lowerPattern == "*.*") {
        return true;
    }
    return !lowerPattern.empty() && matchesWildcards(lowerName, lowerPattern);
}

} // namespace

bool matchesFilePattern(std::string_view name, std::string_view patterns) {
    if (trimBlanksView(patterns).empty()) {
        return true;
    }
    const std::string lowerName = lowerCase(name);
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = patterns.find(';', from);
        if (matchesOne(lowerName, patterns.substr(from, end - from))) {
            return true;
        }
        if (end == std::string_view::npos) {
            return false;
        }
        from = end + 1;
    }
}

} // namespace torval
