#pragma once
// What the help window shows: its contents list, its keyword index and the page that answers a
// help request. The topics are listed in a small text file beside the help pages, one topic a
// line: "file | title | context number | keyword; keyword; ...". Blank lines and lines starting
// with "#" are skipped, as is a line without a file or a title; a context that is not a whole
// number counts as 0 (none). The contents list keeps the file's order; the first topic is the
// one the contents command opens.

#include "shell/HelpDesk.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

// A catalogue is read only up to this size; a larger file is cut at the last whole line.
inline constexpr std::size_t MaxHelpCatalogueBytes = 256 * 1024;

struct HelpTopic {
    std::string file;
    std::string title;
    int context = 0;
    std::vector<std::string> keywords;

    bool operator==(const HelpTopic&) const = default;
};

struct HelpIndexEntry {
    std::string keyword;
    std::string file;

    bool operator==(const HelpIndexEntry&) const = default;
};

std::vector<HelpTopic> parseHelpCatalogue(std::string_view text);

// Every keyword of every topic, sorted without regard to case (ties keep the catalogue's order).
std::vector<HelpIndexEntry> helpIndex(const std::vector<HelpTopic>& topics);

enum class HelpPane { Contents, Index };

struct HelpView {
    HelpPane pane = HelpPane::Contents;
    std::string file; // the page shown, "" when the catalogue is empty
    std::string key;  // what the index search field holds

    bool operator==(const HelpView&) const = default;
};

// Contents opens the first topic, the keyword index opens on the first entry matching the key
// (the first entry of all for an empty key), and a context opens the topic with that number.
// A context no topic has, or an unknown command, falls back to the contents.
HelpView helpViewFor(const HelpRequest& request, const std::vector<HelpTopic>& topics);

} // namespace torval
