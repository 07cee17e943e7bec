#include "shell/HelpCatalogue.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

const std::string Catalogue = "# comment line\r\n"
                              "contents.html | Contents | 0 | overview\r\n"
                              "\n"
                              "pathways.html|Pathways|200|Tavg; body weight;;\n"
                              "broken line without title\n"
                              " | no file | 3 | x\n"
                              "montecarlo.html | Monte Carlo | 5000 | Monte Carlo; terms; average\n"
                              "odd.html | Odd context | 50x0";

TEST(HelpCatalogue, ReadsTopicsInOrderAndSkipsWhatIsNotATopic) {
    const std::vector<HelpTopic> topics = parseHelpCatalogue(Catalogue);
    const std::vector<HelpTopic> expected = {
        {"contents.html", "Contents", 0, {"overview"}},
        {"pathways.html", "Pathways", 200, {"Tavg", "body weight"}},
        {"montecarlo.html", "Monte Carlo", 5000, {"Monte Carlo", "terms", "average"}},
        {"odd.html", "Odd context", 0, {}},
    };
    EXPECT_EQ(topics, expected);

    const std::vector<HelpIndexEntry> index = helpIndex(topics);
    std::vector<std::string> keywords;
    for (const HelpIndexEntry& entry : index) {
        keywords.push_back(entry.keyword);
    }
    EXPECT_EQ(keywords, (std::vector<std::string>{"average", "body weight", "Monte Carlo",
                                                  "overview", "Tavg", "terms"}));
}

} // namespace
} // namespace torval
