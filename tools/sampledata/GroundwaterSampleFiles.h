#pragma once
// The groundwater sample files: the shipped set, and the large three-dimensional file the
// loading benchmark reads.

#include <filesystem>

namespace torval::sampledata {

// One file for every body of the single-species reader (one, two, tri, var, u1d) and of the
// species reader (mc1, mc2, mc3, mcu), and Monte Carlo result files of both kinds.
void writeGroundwaterSamples(const std::filesystem::path& directory);

// A three-dimensional file of about `cells` grid values (ten depths, ten times, a square
// plan), printed to full precision so that it weighs as much as a model's own output.
void writeLargeGroundwaterFile(const std::filesystem::path& path, long cells);

} // namespace torval::sampledata
