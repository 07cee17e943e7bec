// Writes the groundwater sample files shipped in data/PLUMEXData/grndwatr, or on demand the
// large three-dimensional file of the loading benchmark:
//
//     GroundwaterSamples DIRECTORY
//     GroundwaterSamples --large FILE CELLS

#include "GroundwaterSampleFiles.h"
#include "SampleFile.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace torval::sampledata;
    if (argc == 4 && std::string(argv[1]) == "--large") {
        try {
            writeLargeGroundwaterFile(argv[2], std::atol(argv[3]));
            return 0;
        } catch (const std::exception& failure) {
            std::cerr << argv[0] << ": " << failure.what() << '\n';
            return 1;
        }
    }
    return runGenerator(argc, argv, writeGroundwaterSamples);
}
