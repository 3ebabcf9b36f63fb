// clsHygrovex: the component's one class. It keeps its properties as plain
// values; Calculate copies the inputs into the shared calculation record, runs
// the output window's Calc and converts the results back to the caller's units.
#include "hygrovex/clsHygrovex.h"

#include "OutputRows.h"
#include "modPsych.h"

#include <cctype>
#include <new>

namespace hygrovex {

namespace {

struct UnitTexts {
    const char* temp;
    const char* humidRatio1;
    const char* humidRatio2;
    const char* enthalpy;
    const char* specVol;
    const char* airVolStand;
    const char* airVolAct;
};

constexpr UnitTexts kInchPoundUnits{"°F", "gr/lb", "lb/lb", "BTU/lb", "cu.ft/lb", "scfm", "cfm"};
constexpr UnitTexts kMetricUnits{"°C", "g/kg", "kg/kg", "kJ/kg", "cu.m/kg", "scmh", "cmh"};

// Metric volume factor, m³/h per cfm as the component uses it.
constexpr double kVolumeFactor = 1.699014;
// kJ/kg per Btu/lb, a plain factor (the two scales' zeros are not matched).
constexpr double kEnthalpyFactor = 2.33;
// lb/ft³ per kg/m³ equivalent: ft³/lb ÷ 16.0185 = m³/kg.
constexpr double kSpecVolFactor = 16.0185;

double Celsius(double fahrenheit) {
    return (fahrenheit - 32.0) / 1.8;
}

#define HYGROVEX_PROPERTY(Type, Name)                                                              \
public:                                                                                            \
    Type Name() const override {                                                                   \
        return m_##Name;                                                                           \
    }                                                                                              \
    void Name(Type v) override {                                                                   \
        m_##Name = v;                                                                              \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    Type m_##Name{};

#define HYGROVEX_TEXT_PROPERTY(Name)                                                               \
public:                                                                                            \
    std::string Name() const override {                                                            \
        return m_##Name;                                                                           \
    }                                                                                              \
    void Name(const std::string& v) override {                                                     \
        m_##Name = v;                                                                              \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    std::string m_##Name;

class clsHygrovex final : public _clsHygrovex {
    HYGROVEX_PROPERTY(double, MoistureI)
    HYGROVEX_PROPERTY(double, TemperatureI)
    HYGROVEX_PROPERTY(double, VolumeI)
    HYGROVEX_PROPERTY(std::int16_t, MoistUnitsI)
    HYGROVEX_PROPERTY(double, ElevationI)
    HYGROVEX_PROPERTY(bool, StandardUnitsI)
    HYGROVEX_PROPERTY(std::int16_t, PosX)
    HYGROVEX_PROPERTY(std::int16_t, PosY)
    HYGROVEX_PROPERTY(bool, SI)
    HYGROVEX_PROPERTY(double, DBTempO)
    HYGROVEX_PROPERTY(double, WBTempO)
    HYGROVEX_PROPERTY(double, DPTempO)
    HYGROVEX_PROPERTY(double, RHO)
    HYGROVEX_PROPERTY(double, HumidRatio1O)
    HYGROVEX_PROPERTY(double, HumidRatio2O)
    HYGROVEX_PROPERTY(double, EnthalpyO)
    HYGROVEX_PROPERTY(double, SpecVolO)
    HYGROVEX_PROPERTY(double, AirVolStandO)
    HYGROVEX_PROPERTY(double, AirVolActO)
    HYGROVEX_TEXT_PROPERTY(DBTempUnits)
    HYGROVEX_TEXT_PROPERTY(WBTempUnits)
    HYGROVEX_TEXT_PROPERTY(DPTempUnits)
    HYGROVEX_TEXT_PROPERTY(HumidRatio1Units)
    HYGROVEX_TEXT_PROPERTY(HumidRatio2Units)
    HYGROVEX_TEXT_PROPERTY(EnthalpyUnits)
    HYGROVEX_TEXT_PROPERTY(SpecVolUnits)
    HYGROVEX_TEXT_PROPERTY(AirVolStandUnits)
    HYGROVEX_TEXT_PROPERTY(AirVolActUnits)
    HYGROVEX_PROPERTY(bool, SuperSatFlag)

public:
    void Calculate() override;
    void ShowForm() override;
    void HideForm() override;
    bool LastCalculateFailed() const override { return m_lastCalculateFailed; }

private:
    bool m_lastCalculateFailed = false;
};

#undef HYGROVEX_PROPERTY
#undef HYGROVEX_TEXT_PROPERTY

void clsHygrovex::Calculate() {
    PsyStateRecord& s = PsyState;
    s.Moisture = m_MoistureI;
    s.Volume = m_VolumeI;
    s.DryBulb = m_TemperatureI;
    s.MoistUnits = m_MoistUnitsI;
    s.Elevation = m_ElevationI;
    s.Metric = m_SI ? 1 : 0;
    s.VolumeIsActual = m_StandardUnitsI ? 0 : 1;

    m_lastCalculateFailed = !OutputCalc();

    const bool metric = s.Metric == 1;
    const UnitTexts& units = metric ? kMetricUnits : kInchPoundUnits;
    m_DBTempO = metric ? Celsius(s.DryBulb) : s.DryBulb;
    m_WBTempO = metric ? Celsius(s.WetBulb) : s.WetBulb;
    m_DPTempO = metric ? Celsius(s.DewPoint) : s.DewPoint;
    m_RHO = s.RelHum * 100.0;
    m_HumidRatio1O = s.HumRatio * (metric ? 1000.0 : 7000.0);
    m_HumidRatio2O = s.HumRatio;
    m_EnthalpyO = metric ? kEnthalpyFactor * s.Enthalpy : s.Enthalpy;
    m_SpecVolO = metric ? s.SpecVol / kSpecVolFactor : s.SpecVol;
    m_AirVolStandO = metric ? s.StdVolume / kVolumeFactor : s.StdVolume;
    m_AirVolActO = metric ? s.ActVolume / kVolumeFactor : s.ActVolume;

    m_DBTempUnits = units.temp;
    m_WBTempUnits = units.temp;
    m_DPTempUnits = units.temp;
    m_HumidRatio1Units = units.humidRatio1;
    m_HumidRatio2Units = units.humidRatio2;
    m_EnthalpyUnits = units.enthalpy;
    m_SpecVolUnits = units.specVol;
    m_AirVolStandUnits = units.airVolStand;
    m_AirVolActUnits = units.airVolAct;
}

void clsHygrovex::ShowForm() {
    if (const auto show = GetOutputWindowHooks().show)
        show(m_PosX, m_PosY);
}

void clsHygrovex::HideForm() {
    if (const auto hide = GetOutputWindowHooks().hide)
        hide();
}

} // namespace

} // namespace hygrovex

namespace {

// Class identifiers compare without regard to the case of their hex digits.
bool SameClassId(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

} // namespace

extern "C" hygrovex::_clsHygrovex* HygrovexCreateObject(const char* classId) {
    if (!classId || !SameClassId(classId, hygrovex::kClassId))
        return nullptr;
    return new (std::nothrow) hygrovex::clsHygrovex();
}

extern "C" void HygrovexReleaseObject(hygrovex::_clsHygrovex* object) {
    delete object;
}
