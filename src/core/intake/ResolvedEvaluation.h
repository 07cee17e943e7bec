#pragma once
// The working copy of one evaluation held as numbers: the fast twin of the RiskInput that
// ResolveEvaluationInput fills with texts. A Monte Carlo calculation resolves the same fields
// tens of thousands of times; an EvaluationPlan reads the fixed texts and the references once
// per calculation, and each evaluation then only fetches its generated values.
//
// Nothing changes for the user: every number is the double its text would have given
// (generated values pass through generalTextValue), a text that is not a number fails with the
// same code at the same moment of the equation, and a reference outside the generated tables
// leaves the working copy exactly as the text path leaves it.

#include "AppState.h"
#include "intake/RiskInput.h"
#include "shell/RunTimeError.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace torval {

// A number on its way into an equation, or the failure that converting its text raises when
// the equation reads it.
struct EvaluationNumber {
    double value = 0.0;
    int failure = ErrorCode::TypeMismatch; // 0 when value holds the number; "" is no number

    static EvaluationNumber ofText(std::string_view text);
    // A generated value as it reads back from its general text.
    static EvaluationNumber ofGenerated(double generated);

    double number() const {
        if (failure != 0) {
            throw RunTimeError(failure);
        }
        return value;
    }
};

struct ResolvedEvaluation {
    std::int16_t IntakeType = 0;
    EvaluationNumber Concentration;
    std::vector<EvaluationNumber> Parameters; // the current pathway's set, in set order
};

class EvaluationPlan {
public:
    // Reads the selected concentration and the current pathway's texts of `source`, and rounds
    // every generated value a reference can reach to its general text once, here, rather than
    // once per evaluation. The state must outlive the plan and its generated values must not
    // change while the plan is in use (the calculation locks the input while it runs).
    EvaluationPlan(const AppState& state, const RiskInput& source);

    // Fills `work` as ResolveEvaluationInput fills its working copy: the concentration, then the
    // parameters in order. Raises 9 for a reference outside the tables and 6 for a variant
    // number beyond 16 bits; the fields before the failing one are resolved and the later ones
    // keep what the previous evaluation left.
    void resolve(std::int16_t evaluation, ResolvedEvaluation& work) const;

    // The fields that take a value of the generated tables (or of the data file) in each
    // evaluation: the concentration first, when it is one, then the parameters in set order.
    struct VariedField {
        bool concentration = false;
        std::size_t position = 0; // in ResolvedEvaluation::Parameters
    };
    std::vector<VariedField> variedFields() const;

private:
    enum class Source { Text, Variant, FileValue };

    struct Field {
        Source source = Source::Text;
        EvaluationNumber text;    // Source::Text
        std::int16_t variant = 0; // Source::Variant
        int variantFailure = 0;   // raised instead when the variant number is unreadable
        int column = -1;          // the field's rounded values in columns_, if its table has any
    };

    // The generated values of one variant (or of the data file) as numbers, for the evaluations
    // first..first + size - 1 that lie inside their table.
    struct RoundedColumn {
        Source source = Source::Variant;
        std::int16_t variant = 0;
        std::int64_t first = 0;
        std::vector<EvaluationNumber> numbers;
    };

    const AppState& state_;
    std::int16_t intakeType_;
    bool concentrationSelected_ = false;
    Field concentration_;
    bool pathwayKnown_ = false;
    std::size_t pathwaySize_ = 0;
    std::vector<Field> parameters_;
    std::vector<RoundedColumn> columns_;

    static Field textOrVariant(std::string_view text);
    void attachColumn(Field& field);
    RoundedColumn roundedColumn(const Field& field) const;
    double generated(const Field& field, std::int16_t evaluation) const;
    void resolveInto(const Field& field, std::int16_t evaluation, EvaluationNumber& target) const;
};

} // namespace torval
