#include "shell/ChemicalRiskValues.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace torval {
namespace {

// The reader forgives what hands write (case, blanks, CR LF, comments, a value that is no
// positive number); what the writer writes reads back the same.
TEST(ChemicalRiskValues, ReadsForgivinglyAndRoundTrips) {
    const ChemicalRiskValues read = ChemicalRiskValues::fromText(
        "; kept by TORVAL\r\n[ Benzene ]\r\nSlopeFactor = 0.055\r\nReferenceDose=abc\r\n"
        "[TCE]\nReferenceDose=-1\nSlopeFactor=0.0059\n[tce]\nReferenceDose=0.0005\n");
    EXPECT_EQ(read.valuesFor("benzene"), (RiskFactors{0.055, std::nullopt}));
    EXPECT_EQ(read.valuesFor("TCE"), (RiskFactors{std::nullopt, 0.0005})) << "the last section";
    EXPECT_EQ(read.valuesFor("Toluene"), RiskFactors{});
    EXPECT_EQ(read.text(), "[BENZENE]\nSlopeFactor=0.055\n[TCE]\nReferenceDose=0.0005\n");

    ChemicalRiskValues changed = read;
    changed.setValuesFor("benzene", {});
    changed.setValuesFor("PCE", {0.002, 0.01});
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "torval-risk-values-test.ini";
    changed.save(path.string());
    const ChemicalRiskValues loaded = ChemicalRiskValues::load(path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(loaded.text(), "[PCE]\nSlopeFactor=0.002\nReferenceDose=0.01\n[TCE]\n"
                             "ReferenceDose=0.0005\n");
    EXPECT_EQ(ChemicalRiskValues::load(path.string()).text(), "") << "a missing file";
    EXPECT_EQ(chemicalRiskValuesPath("/etc/torval/torval.ini"), "/etc/torval/torval-risk.ini");
}

} // namespace
} // namespace torval
