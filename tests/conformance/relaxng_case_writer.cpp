// relaxng-case-writer: writes each case of the RELAX NG test suite out to
// files that a validator following the document's own references can check,
// and the MANIFEST.tsv the conformance harness reads.
//
//   relaxng-case-writer FOLDER      (the unpacked relaxng-spectest folder)
//
// FOLDER/cases/NNN/ gets schema.rng, the files it includes, and for a correct
// schema valid-N.xml and invalid-N.xml, for an incorrect one
// incorrect-schema.xml; each instance names schema.rng by an xml-model
// instruction.

#include "tests/conformance/relaxng_cases.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: relaxng-case-writer UNPACKED_SUITE_FOLDER\n";
        return 64;
    }
    std::string error;
    const auto cases = WriteRelaxNgCases(argv[1], &error);
    if (!cases) {
        std::cerr << "relaxng-case-writer: " << error << '\n';
        return 1;
    }
    std::cout << "wrote " << *cases << " RELAX NG test cases into " << argv[1] << "/cases\n";
    return 0;
}
