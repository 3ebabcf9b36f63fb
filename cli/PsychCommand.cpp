// kestrix-cli psych: placeholder until the command lands.
#include "Commands.h"

#include <cstdio>

namespace kestrix::cli {

int RunPsych(const std::vector<std::string>&) {
    std::fputs("kestrix-cli: 'psych' is not available yet\n", stderr);
    return 1;
}

} // namespace kestrix::cli
