#pragma once

#include <string>
#include <vector>

namespace vertanum::app {

struct VersionEntry {
    std::string key;    // the entry's name in a version record ("CompanyName")
    std::string label;  // what the about dialog calls it
    std::string value;
};

// The 11 entries of the program's version record in the order the about dialog lists them:
// company name, file description, file version, internal name, legal notice, trademarks, file
// name, product name, product version, comments, build flags.
const std::vector<VersionEntry>& VersionRecord();

}  // namespace vertanum::app
