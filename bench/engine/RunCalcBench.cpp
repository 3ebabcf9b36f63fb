// RunCalc over a headless form with the real Hygrovex object and the shipped
// catalogue: the start-up inputs sized automatically, a list pick, and the
// parts of a run measured on their own to show where the time goes.
#include "ComponentMessages.h"
#include "HeadlessForm.h"
#include "MoistAir.h"
#include "RotorForm.h"

#include <hygrovex/clsHygrovex.h>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace kestrix;

struct ComponentDeleter {
    void operator()(hygrovex::_clsHygrovex* p) const { HygrovexReleaseObject(p); }
};

struct Window {
    HeadlessForm port;
    std::unique_ptr<hygrovex::_clsHygrovex, ComponentDeleter> component{
        HygrovexCreateObject(hygrovex::kClassId)};
    RotorForm form{port, *component};
    Window() {
        port.SetEvents(&form);
        RouteComponentMessages(port);
        if (!form.Form_Load({}, KESTRIX_CATALOGUE_DIR))
            throw std::runtime_error("catalogue");
    }
};

// The start-up inputs with SelMode 0: sizing, list fill and selection, model,
// display. The volume field's handler is what sets SelMode 0 in the window.
void RunCalcWithSizing(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.form.Case().SelMode = 0;
        w.form.RunCalc();
        benchmark::DoNotOptimize(w.form.Case().Tsa);
    }
}
BENCHMARK(RunCalcWithSizing);

// A click on another list entry after a run that used the list: one RunCalc.
void ListPickRun(benchmark::State& state) {
    Window w;
    w.form.Case().SelMode = 1;
    w.form.RunCalc(); // the next pick runs at once
    int index = 0;
    for (auto _ : state) {
        index = 1 - index;
        w.port.SetListIndex("lstRotor", index);
        benchmark::DoNotOptimize(w.form.Case().Tsa);
    }
}
BENCHMARK(ListPickRun);

// The parts of a run.
void ModelOnly(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.form.Case().SelMode = 1;
        w.form.RotorModel();
        benchmark::DoNotOptimize(w.form.Case().Tsa);
    }
}
BENCHMARK(ModelOnly);

void DisplayOnly(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.form.ShowResults();
        benchmark::DoNotOptimize(w.port.Text("lblHeatT"));
    }
}
BENCHMARK(DisplayOnly);

void FourWetBulbs(benchmark::State& state) {
    Window w;
    hygrovex::_clsHygrovex& h = *w.component;
    for (auto _ : state) {
        for (int i = 0; i < 4; ++i) {
            h.SI(false);
            h.MoistUnitsI(hygrovex::kGrains);
            h.MoistureI(50 + i);
            h.TemperatureI(60 + i);
            h.StandardUnitsI(true);
            h.ElevationI(0);
            h.Calculate();
            benchmark::DoNotOptimize(h.WBTempO());
        }
    }
}
BENCHMARK(FourWetBulbs);

void TwoSaturationSearches(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(SatMoistAtEnthalpy(25.3, 14.696));
        benchmark::DoNotOptimize(SatMoistAtEnthalpy(20.9, 14.696));
    }
}
BENCHMARK(TwoSaturationSearches);

void CopyDesignCase(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        DesignCase copy = w.form.Case();
        benchmark::DoNotOptimize(copy.Tsa);
    }
}
BENCHMARK(CopyDesignCase);

} // namespace

BENCHMARK_MAIN();
