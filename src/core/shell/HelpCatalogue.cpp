#include "shell/HelpCatalogue.h"

#include "shell/Text.h"

#include <algorithm>
#include <charconv>

namespace torval {

namespace {

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(trimBlanksView(text.substr(start, end - start)));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

int contextOf(std::string_view text) {
    int context = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), context);
    return error == std::errc() && end == text.data() + text.size() ? context : 0;
}

std::vector<std::string> keywordsOf(std::string_view text) {
    std::vector<std::string> keywords;
    for (std::string_view keyword : splitOn(text, ';')) {
        if (!keyword.empty()) {
            keywords.emplace_back(keyword);
        }
    }
    return keywords;
}

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    return line;
}

} // namespace

std::vector<HelpTopic> parseHelpCatalogue(std::string_view text) {
    if (text.size() > MaxHelpCatalogueBytes) {
        text = text.substr(0, text.rfind('\n', MaxHelpCatalogueBytes));
    }
    std::vector<HelpTopic> topics;
    for (std::string_view rawLine : splitOn(text, '\n')) {
        const std::string_view line = withoutLineEnd(rawLine);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string_view> fields = splitOn(line, '|');
        if (fields.size() < 2 || fields[0].empty() || fields[1].empty()) {
            continue;
        }
        HelpTopic topic{std::string(fields[0]), std::string(fields[1]), 0, {}};
        if (fields.size() > 2) {
            topic.context = contextOf(fields[2]);
        }
        if (fields.size() > 3) {
            topic.keywords = keywordsOf(fields[3]);
        }
        topics.push_back(std::move(topic));
    }
    return topics;
}

std::vector<HelpIndexEntry> helpIndex(const std::vector<HelpTopic>& topics) {
    std::vector<HelpIndexEntry> entries;
    for (const HelpTopic& topic : topics) {
        for (const std::string& keyword : topic.keywords) {
            entries.push_back({keyword, topic.file});
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return lowerCase(a.keyword) < lowerCase(b.keyword);
    });
    return entries;
}

HelpView helpViewFor(const HelpRequest& request, const std::vector<HelpTopic>& topics) {
    HelpView view;
    if (topics.empty()) {
        return view;
    }
    view.file = topics.front().file;
    if (request.command == HelpRequest::PartialKey) {
        view.pane = HelpPane::Index;
        view.key = request.key;
        const std::string key = lowerCase(request.key);
        for (const HelpIndexEntry& entry : helpIndex(topics)) {
            if (lowerCase(entry.keyword).starts_with(key)) {
                view.file = entry.file;
                break;
            }
        }
    } else if (request.command == HelpRequest::Context) {
        const auto topic = std::find_if(topics.begin(), topics.end(), [&](const HelpTopic& t) {
            return t.context != 0 && t.context == request.context;
        });
        if (topic != topics.end()) {
            view.file = topic->file;
        }
    }
    return view;
}

} // namespace torval
