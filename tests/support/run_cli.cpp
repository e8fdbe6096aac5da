#include "support/run_cli.hpp"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "support/temp_folder.hpp"

namespace vertanum::testing {
namespace {

std::string Quote(const std::string& word) {
    std::string out = "'";
    for (char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args) {
    TempFolder dir;
    std::string command = Quote(VERTANUM_CLI);
    for (const auto& a : args) command += " " + Quote(a);
    command += " >" + Quote(dir.Path("out")) + " 2>" + Quote(dir.Path("err")) + " </dev/null";
    CliResult result;
    int status = std::system(command.c_str());
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = dir.Read("out");
    result.err = dir.Read("err");
    return result;
}

}  // namespace vertanum::testing
