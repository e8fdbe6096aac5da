#pragma once

#include <string>
#include <vector>

namespace vertanum::cli {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
};

// Every command of vertanum-cli.
const std::vector<Command>& Commands();

int RunModels(const std::vector<std::string>& args);
int RunNew(const std::vector<std::string>& args);
int RunDump(const std::vector<std::string>& args);
int RunResave(const std::vector<std::string>& args);
int RunExportHex(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunSet(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);
int RunProgram(const std::vector<std::string>& args);

}  // namespace vertanum::cli
