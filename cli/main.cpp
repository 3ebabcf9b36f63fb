// kestrix-cli: the Kestrix engine without a display, for scripts and checks.
#include "Commands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs(
        "usage: kestrix-cli psych [--si] --db T (--wb V | --dp V | --rh V | --gr V | --w V)\n"
        "                         [--elev FT] [--volume V] [--format json|text]\n"
        "       kestrix-cli calc [PROJECT.pjt] [options] [--format json|text|excel|word]\n"
        "       kestrix-cli report [PROJECT.pjt] [calc options] --pdf FILE\n"
        "       kestrix-cli chart [PROJECT.pjt] [calc options] (--png FILE | --svg FILE)\n",
        out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "psych")
        return kestrix::cli::RunPsych(args);
    if (command == "calc")
        return kestrix::cli::RunCalc(args);
    if (command == "report")
        return kestrix::cli::RunReport(args);
    if (command == "chart") {
#ifdef KESTRIX_CLI_CHART
        return kestrix::cli::RunChart(args);
#else
        std::fputs("kestrix-cli: 'chart' is not in this build (it needs Qt)\n", stderr);
        return 1;
#endif
    }
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "kestrix-cli: unknown command '%s'\n", command.c_str());
    PrintUsage(stderr);
    return 2;
}
