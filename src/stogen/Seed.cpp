#include "Seed.h"

#include "stogen/SeedControl.h"

#include <charconv>
#include <cstdlib>
#include <mutex>

namespace torval::stogen {
namespace {

struct EngineState {
    std::mutex mutex;
    std::optional<std::mt19937_64> engine;
};

EngineState& engineState() {
    static EngineState state;
    return state;
}

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// 64 bits from the entropy source rather than a seed sequence: the whole state then follows
// from one number, the same kind of number TORVAL_SEED takes.
std::uint64_t seedFromEntropy() {
    std::random_device entropy;
    const std::uint64_t high = entropy();
    return (high << 32) | entropy();
}

// An empty TORVAL_SEED counts as unset, as `TORVAL_SEED= torval` is the usual way to clear it.
GeneratorStatus seedFromEnvironment(std::optional<std::mt19937_64>& engine) {
    const char* text = std::getenv("TORVAL_SEED");
    if (text == nullptr || withoutBlanks(text).empty()) {
        engine.emplace(seedFromEntropy());
        return GeneratorOk;
    }
    const std::optional<std::uint64_t> seed = parseSeed(text);
    if (!seed) {
        return GeneratorBadSeed;
    }
    engine.emplace(*seed);
    return GeneratorOk;
}

} // namespace

std::optional<std::uint64_t> parseSeed(std::string_view text) {
    const std::string_view digits = withoutBlanks(text);
    std::uint64_t seed = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, seed, 10);
    if (digits.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return seed;
}

GeneratorStatus withSeededEngine(const std::function<void(std::mt19937_64&)>& draw) {
    EngineState& state = engineState();
    const std::lock_guard lock(state.mutex);
    if (!state.engine) {
        const GeneratorStatus status = seedFromEnvironment(state.engine);
        if (status != GeneratorOk) {
            return status;
        }
    }
    draw(*state.engine);
    return GeneratorOk;
}

namespace internal {

void reseed(std::uint64_t seed) {
    EngineState& state = engineState();
    const std::lock_guard lock(state.mutex);
    state.engine.emplace(seed);
}

void forgetSeed() {
    EngineState& state = engineState();
    const std::lock_guard lock(state.mutex);
    state.engine.reset();
}

} // namespace internal

} // namespace torval::stogen
