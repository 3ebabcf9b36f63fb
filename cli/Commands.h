// The subcommands of kestrix-cli. Each returns the process exit status:
// 0 success, 2 usage error or unreadable input, 1 any other failure.
#pragma once

#include <string>
#include <vector>

namespace kestrix::cli {

int RunPsych(const std::vector<std::string>& args);
int RunCalc(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);
int RunChart(const std::vector<std::string>& args);

} // namespace kestrix::cli
