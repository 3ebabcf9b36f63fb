// kestrix-cli report: placeholder until the command lands.
#include "Commands.h"

#include <cstdio>

namespace kestrix::cli {

int RunReport(const std::vector<std::string>&) {
    std::fputs("kestrix-cli: 'report' is not available yet\n", stderr);
    return 1;
}

} // namespace kestrix::cli
