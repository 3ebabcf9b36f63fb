// What the psychrometric chart shows: the site's barometric pressure, the unit
// system in force and the four air states of the design case, with the values
// of each state's hover text. Plain data, no Qt; built from the design case
// after every calculation.
#pragma once

#include "engine/DesignCase.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kestrix::chart {

// The four air states, in the order of the main window's air-state pictures.
enum class StateId { OffCoil = 0, Supply = 1, ReturnMixed = 2, Exhaust = 3 };
inline constexpr int kStateCount = 4;

// One air state as the engine holds it (inch-pound).
struct AirState {
    StateId id = StateId::OffCoil;
    std::string name;   // the main window's frame caption, "Supply Air"
    double T = 0;       // dry bulb, °F
    double W = 0;       // moisture, gr/lb
    double WetBulb = 0; // wet bulb from the component, °F
    double Volume = 0;  // standard air volume, scfm
};

struct ChartModel {
    bool SIUnits = false;
    double Elev = 0;      // ft
    double Patm = 14.696; // psia
    std::array<AirState, kStateCount> states{};
    // False before the first completed calculation: the chart shows no states.
    bool hasStates = false;
    std::string caption; // the model caption of the run, "Model: RW48-100"
};

// The chart of the design case as it stands after a calculation.
ChartModel ModelFromCase(const DesignCase& dc);

// True when the pressure allows a chart (a finite, positive pressure that
// leaves room for water vapour over the chart's temperatures).
bool PressureUsable(double patm);

// Chart units: dry bulb in °F or °C, humidity ratio in gr/lb or g/kg, as the
// unit system in force shows them.
double ChartT(const ChartModel& m, double tF);
double ChartW(const ChartModel& m, double wGrlb);
double EngineT(const ChartModel& m, double chartT);
double EngineW(const ChartModel& m, double chartW);

// Enthalpy in the unit system in force: Btu/lb of dry air (zero at 0 °F dry
// air), or kJ/kg of dry air (zero at 0 °C dry air), the same correlation.
double ChartEnthalpy(const ChartModel& m, double hBtulb);
double EngineEnthalpy(const ChartModel& m, double chartH);

// The full state of one air stream as rows of (caption, value with unit), in
// the order and with the number patterns of the air-state popup: dry bulb, wet
// bulb, dew point, RH, humidity ratio in gr/lb (g/kg) and lb/lb (kg/kg),
// enthalpy, specific volume, standard and actual air volume.
std::vector<std::pair<std::string, std::string>> StateRows(const ChartModel& m, StateId id);

// The hover text of a state: its name, then one "caption: value" line per row.
std::string StateTooltip(const ChartModel& m, StateId id);

} // namespace kestrix::chart
