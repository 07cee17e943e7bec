#pragma once
// The help engine and the two fixed windows of the Help menus, as the main window and the
// analysis window reach them. The help is asked for in the commands it has always been called
// with; the program's help window (or a test's recorder) answers them.

#include <string>

namespace torval {

// The Help menu's item indexes, the same in the main window and the analysis window.
namespace HelpItem {
inline constexpr int Contents = 10;
inline constexpr int IndexOfTopics = 20;
inline constexpr int MonteCarloSimulation = 70;
inline constexpr int TechnicalSupport = 80;
inline constexpr int Disclaimer = 90;
inline constexpr int About = 100;
} // namespace HelpItem

// A request to the help engine.
struct HelpRequest {
    static constexpr int Contents = 15;          // the contents tab
    static constexpr int PartialKey = 261;       // the keyword index, searched with `key`
    static constexpr int Context = 1;            // the topic of `context`
    static constexpr int MonteCarloTopic = 5000; // the Monte Carlo simulation topic

    int command = Contents;
    std::string key;
    int context = 0;

    bool operator==(const HelpRequest&) const = default;
};

class HelpDesk {
public:
    virtual ~HelpDesk() = default;
    virtual void showHelp(const HelpRequest& request) = 0;
    virtual void showTechnicalSupport() = 0;
    virtual void showAbout() = 0;
};

} // namespace torval
