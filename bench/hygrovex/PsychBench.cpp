// One Calculate of the Hygrovex object per moisture form (target: under 1 µs
// each), and the passes the wet-bulb iteration takes on typical states.
#include "hygrovex/clsHygrovex.h"
#include "modPsych.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using hygrovex::_clsHygrovex;

struct Form {
    const char* name;
    std::int16_t code;
    double moisture;
};

// 95 °F with the same moist air in every form.
constexpr Form kForms[] = {
    {"Calculate/dew_point", hygrovex::kDewPoint, 66.8},
    {"Calculate/wet_bulb", hygrovex::kWetBulb, 75},
    {"Calculate/grains", hygrovex::kGrains, 98.46},
    {"Calculate/relative_humidity", hygrovex::kRelHum, 39.82},
    {"Calculate/lb_per_lb", hygrovex::kLbPerLb, 0.014066},
};

void NoMessage(void*, const hygrovex::Message&) {}

void BM_Calculate(benchmark::State& state, const Form& form) {
    std::unique_ptr<_clsHygrovex, decltype(&HygrovexReleaseObject)> psych(
        HygrovexCreateObject(hygrovex::kClassId), &HygrovexReleaseObject);
    HygrovexSetMessageHandler(&NoMessage, nullptr);
    psych->SI(false);
    psych->StandardUnitsI(true);
    psych->ElevationI(0);
    psych->VolumeI(1000);
    psych->TemperatureI(95);
    psych->MoistUnitsI(form.code);
    psych->MoistureI(form.moisture);
    for (auto _ : state) {
        psych->Calculate();
        benchmark::DoNotOptimize(psych->WBTempO());
    }
    if (psych->LastCalculateFailed())
        state.SkipWithError("the state ended in the range message");
    HygrovexSetMessageHandler(nullptr, nullptr);
}

// Passes of the wet-bulb secant over the states the program meets: dry bulb
// 40–110 °F, relative humidity 10–95 %, at sea level and 5000 ft.
void ReportWetBulbPasses() {
    int histogram[hygrovex::kWetBulbMaxPasses + 1] = {};
    int states = 0;
    int failures = 0;
    for (double elevation : {0.0, 5000.0}) {
        const double p = hygrovex::PsyPressure(elevation);
        for (double t = 40; t <= 110; t += 1) {
            for (double rh = 10; rh <= 95; rh += 5) {
                const double pw = rh / 100 * hygrovex::PsySatPressure(t);
                const double w = 0.62198 * pw / (p - pw);
                int passes = 0;
                ++states;
                try {
                    hygrovex::PsyWetBulb(t, w, p, &passes);
                    ++histogram[passes];
                } catch (const hygrovex::PsyArithmeticError&) {
                    ++failures;
                }
            }
        }
    }
    std::printf(
        "Wet-bulb iteration over %d typical states (40-110 F, 10-95 %% RH, 0 and 5000 ft):\n",
        states);
    for (int n = 0; n <= hygrovex::kWetBulbMaxPasses; ++n) {
        if (histogram[n])
            std::printf("  %3d pass%s: %d states\n", n, n == 1 ? "" : "es", histogram[n]);
    }
    std::printf("  range error: %d states\n", failures);
}

} // namespace

int main(int argc, char** argv) {
    ReportWetBulbPasses();
    for (const Form& form : kForms)
        benchmark::RegisterBenchmark(form.name, BM_Calculate, form);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
