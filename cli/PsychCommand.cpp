// kestrix-cli psych: one Calculate of a fresh Hygrovex object, printed as JSON
// or as the rows of the component's output window.
#include "Commands.h"
#include "Json.h"

#include "common/NumberText.h"
#include "hygrovex/OutputText.h"
#include "hygrovex/clsHygrovex.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrix::cli {

namespace {

constexpr const char* kPsychUsage =
    "usage: kestrix-cli psych [--si] --db T (--wb V | --dp V | --rh V | --gr V | --w V)\n"
    "                         [--elev FT] [--volume V] [--format json|text]\n"
    "\n"
    "Computes the moist-air state of one air sample with the Hygrovex component.\n"
    "  --si           metric inputs and outputs (°C, g/kg, kg/kg, m³/h)\n"
    "  --db T         dry-bulb temperature, °F (°C with --si)\n"
    "  --wb V         wet-bulb temperature, °F (°C)\n"
    "  --dp V         dew-point temperature, °F (°C)\n"
    "  --rh V         relative humidity, %\n"
    "  --gr V         humidity ratio, gr/lb (g/kg)\n"
    "  --w V          humidity ratio, lb/lb (kg/kg)\n"
    "  --elev FT      site elevation in feet, in both unit systems (default 0)\n"
    "  --volume V     standard air volume, scfm (m³/h) (default 1000)\n"
    "  --format F     json (default) or text\n"
    "\n"
    "Exit status: 0 when the state was computed; 1 when the component reports its\n"
    "range message (the output is still printed, JSON with an \"error\" member,\n"
    "and the outputs hold what the component left in them); 2 on a usage error.\n";

struct PsychOptions {
    bool si = false;
    double dryBulb = 0;
    std::int16_t moistCode = 0;
    const char* moistOption = nullptr;
    double moisture = 0;
    double elevation = 0;
    double volume = 1000;
    bool json = true;
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "kestrix-cli psych: %s\n", message.c_str());
    return 2;
}

// The moisture options and the component's moisture codes.
struct MoistOption {
    const char* name;
    std::int16_t code;
};
constexpr MoistOption kMoistOptions[] = {
    {"--dp", hygrovex::kDewPoint}, {"--wb", hygrovex::kWetBulb}, {"--gr", hygrovex::kGrains},
    {"--rh", hygrovex::kRelHum},   {"--w", hygrovex::kLbPerLb},
};

// Records the component's range message instead of printing it.
void RecordMessage(void* context, const hygrovex::Message& message) {
    *static_cast<std::optional<std::string>*>(context) = message.text;
}

} // namespace

int RunPsych(const std::vector<std::string>& args) {
    PsychOptions options;
    bool haveDryBulb = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kPsychUsage, stdout);
            return 0;
        }
        if (arg == "--si") {
            options.si = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0)
            return UsageError("unexpected argument '" + arg + "'");
        if (i + 1 >= args.size())
            return UsageError("option " + arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--format") {
            if (value != "json" && value != "text")
                return UsageError("option --format must be json or text, not '" + value + "'");
            options.json = value == "json";
            continue;
        }
        const std::optional<double> number = common::ParseNumberText(value);
        const auto readNumber = [&](double& into) {
            if (!number)
                return false;
            into = *number;
            return true;
        };
        const MoistOption* moist = nullptr;
        for (const MoistOption& m : kMoistOptions) {
            if (arg == m.name)
                moist = &m;
        }
        bool known = true;
        if (arg == "--db") {
            haveDryBulb = true;
            readNumber(options.dryBulb);
        } else if (arg == "--elev")
            readNumber(options.elevation);
        else if (arg == "--volume")
            readNumber(options.volume);
        else if (moist) {
            if (options.moistOption)
                return UsageError("options " + std::string(options.moistOption) + " and " + arg +
                                  " both give the moisture; give one");
            options.moistOption = moist->name;
            options.moistCode = moist->code;
            readNumber(options.moisture);
        } else
            known = false;
        if (!known)
            return UsageError("unknown option " + arg);
        if (!number)
            return UsageError("option " + arg + " needs a number, not '" + value + "'");
    }
    if (!haveDryBulb)
        return UsageError("option --db (dry-bulb temperature) is required");
    if (!options.moistOption)
        return UsageError("one of --wb, --dp, --rh, --gr or --w (moisture) is required");

    std::unique_ptr<hygrovex::_clsHygrovex, decltype(&HygrovexReleaseObject)> psych(
        HygrovexCreateObject(hygrovex::kClassId), &HygrovexReleaseObject);
    if (!psych) {
        std::fputs("kestrix-cli psych: the Hygrovex object could not be created\n", stderr);
        return 1;
    }
    std::optional<std::string> error;
    HygrovexSetMessageHandler(&RecordMessage, &error);
    psych->SI(options.si);
    psych->MoistUnitsI(options.moistCode);
    psych->MoistureI(options.moisture);
    psych->TemperatureI(options.dryBulb);
    psych->StandardUnitsI(true);
    psych->ElevationI(options.elevation);
    psych->VolumeI(options.volume);
    psych->Calculate();
    HygrovexSetMessageHandler(nullptr, nullptr);

    if (options.json) {
        const std::pair<const char*, double> numbers[] = {
            {"DBTempO", psych->DBTempO()},           {"WBTempO", psych->WBTempO()},
            {"DPTempO", psych->DPTempO()},           {"RHO", psych->RHO()},
            {"HumidRatio1O", psych->HumidRatio1O()}, {"HumidRatio2O", psych->HumidRatio2O()},
            {"EnthalpyO", psych->EnthalpyO()},       {"SpecVolO", psych->SpecVolO()},
            {"AirVolStandO", psych->AirVolStandO()}, {"AirVolActO", psych->AirVolActO()},
        };
        const std::pair<const char*, std::string> texts[] = {
            {"DBTempUnits", psych->DBTempUnits()},
            {"WBTempUnits", psych->WBTempUnits()},
            {"DPTempUnits", psych->DPTempUnits()},
            {"HumidRatio1Units", psych->HumidRatio1Units()},
            {"HumidRatio2Units", psych->HumidRatio2Units()},
            {"EnthalpyUnits", psych->EnthalpyUnits()},
            {"SpecVolUnits", psych->SpecVolUnits()},
            {"AirVolStandUnits", psych->AirVolStandUnits()},
            {"AirVolActUnits", psych->AirVolActUnits()},
        };
        std::string out = "{\n";
        for (const auto& [name, value] : numbers)
            out += "  " + JsonString(name) + ": " + JsonNumber(value) + ",\n";
        for (const auto& [name, value] : texts)
            out += "  " + JsonString(name) + ": " + JsonString(value) + ",\n";
        if (error)
            out += "  \"error\": " + JsonString(*error) + ",\n";
        out.erase(out.size() - 2, 1); // the comma after the last member
        out += "}\n";
        std::fputs(out.c_str(), stdout);
    } else {
        for (const hygrovex::OutputRowText& row : hygrovex::LastOutputRows())
            std::printf("%-17s %s\n", row.caption.c_str(), row.value.c_str());
        if (error)
            std::fprintf(stderr, "kestrix-cli psych: %s\n", error->c_str());
    }
    return error ? 1 : 0;
}

} // namespace kestrix::cli
