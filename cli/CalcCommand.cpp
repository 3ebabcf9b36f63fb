// kestrix-cli calc: placeholder until the command lands.
#include "Commands.h"

#include <cstdio>

namespace kestrix::cli {

int RunCalc(const std::vector<std::string>&) {
    std::fputs("kestrix-cli: 'calc' is not available yet\n", stderr);
    return 1;
}

} // namespace kestrix::cli
