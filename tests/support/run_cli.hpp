#pragma once

#include <string>
#include <vector>

namespace vertanum::testing {

struct CliResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

// Runs vertanum-cli with the given words (each quoted for the shell) and collects what it says.
CliResult RunCli(const std::vector<std::string>& args);

}  // namespace vertanum::testing
