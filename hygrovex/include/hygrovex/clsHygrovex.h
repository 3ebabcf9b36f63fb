// The Hygrovex psychrometric object as callers see it: an interface of
// properties (set the inputs, Calculate, read the outputs) and the C entry
// points that create it by its class identifier and route its range message.
// Kestrix includes only this header and loads libhygrovex.so at run time.
#pragma once

#include <cstdint>
#include <string>

#if defined(__GNUC__)
#define HYGROVEX_EXPORT __attribute__((visibility("default")))
#else
#define HYGROVEX_EXPORT
#endif

namespace hygrovex {

// Class identifier of clsHygrovex; the factory answers to nothing else.
inline constexpr const char* kClassId = "{475ECD59-1E8A-40C1-8365-5068282A74A0}";
// Default interface identifier, kept as version identity.
inline constexpr const char* kInterfaceId = "{68A1F01A-A70E-4A15-AA0F-88808B96E7BD}";

// Moisture forms of MoistUnitsI.
enum MoistCode : std::int16_t {
    kDewPoint = 1,
    kWetBulb = 2,
    kGrains = 3,
    kRelHum = 4,
    kLbPerLb = 5,
};

// The default interface of clsHygrovex, properties in interface order.
// Every property is readable and writable, outputs included.
class _clsHygrovex {
public:
    virtual ~_clsHygrovex() = default;

    virtual double MoistureI() const = 0;
    virtual void MoistureI(double v) = 0;
    virtual double TemperatureI() const = 0;
    virtual void TemperatureI(double v) = 0;
    virtual double VolumeI() const = 0;
    virtual void VolumeI(double v) = 0;
    virtual std::int16_t MoistUnitsI() const = 0;
    virtual void MoistUnitsI(std::int16_t v) = 0;
    virtual double ElevationI() const = 0;
    virtual void ElevationI(double v) = 0;
    virtual bool StandardUnitsI() const = 0;
    virtual void StandardUnitsI(bool v) = 0;
    virtual std::int16_t PosX() const = 0;
    virtual void PosX(std::int16_t v) = 0;
    virtual std::int16_t PosY() const = 0;
    virtual void PosY(std::int16_t v) = 0;
    virtual bool SI() const = 0;
    virtual void SI(bool v) = 0;

    virtual double DBTempO() const = 0;
    virtual void DBTempO(double v) = 0;
    virtual double WBTempO() const = 0;
    virtual void WBTempO(double v) = 0;
    virtual double DPTempO() const = 0;
    virtual void DPTempO(double v) = 0;
    virtual double RHO() const = 0;
    virtual void RHO(double v) = 0;
    virtual double HumidRatio1O() const = 0;
    virtual void HumidRatio1O(double v) = 0;
    virtual double HumidRatio2O() const = 0;
    virtual void HumidRatio2O(double v) = 0;
    virtual double EnthalpyO() const = 0;
    virtual void EnthalpyO(double v) = 0;
    virtual double SpecVolO() const = 0;
    virtual void SpecVolO(double v) = 0;
    virtual double AirVolStandO() const = 0;
    virtual void AirVolStandO(double v) = 0;
    virtual double AirVolActO() const = 0;
    virtual void AirVolActO(double v) = 0;

    virtual std::string DBTempUnits() const = 0;
    virtual void DBTempUnits(const std::string& v) = 0;
    virtual std::string WBTempUnits() const = 0;
    virtual void WBTempUnits(const std::string& v) = 0;
    virtual std::string DPTempUnits() const = 0;
    virtual void DPTempUnits(const std::string& v) = 0;
    virtual std::string HumidRatio1Units() const = 0;
    virtual void HumidRatio1Units(const std::string& v) = 0;
    virtual std::string HumidRatio2Units() const = 0;
    virtual void HumidRatio2Units(const std::string& v) = 0;
    virtual std::string EnthalpyUnits() const = 0;
    virtual void EnthalpyUnits(const std::string& v) = 0;
    virtual std::string SpecVolUnits() const = 0;
    virtual void SpecVolUnits(const std::string& v) = 0;
    virtual std::string AirVolStandUnits() const = 0;
    virtual void AirVolStandUnits(const std::string& v) = 0;
    virtual std::string AirVolActUnits() const = 0;
    virtual void AirVolActUnits(const std::string& v) = 0;
    virtual bool SuperSatFlag() const = 0;
    virtual void SuperSatFlag(bool v) = 0;

    virtual void Calculate() = 0;
    virtual void ShowForm() = 0;
    virtual void HideForm() = 0;

    // Whether the last Calculate ended in the range message (a convenience for
    // scripted callers; the interactive program reads the message seam instead).
    virtual bool LastCalculateFailed() const = 0;
};

// The component's one message: shown as a modal box inside a Qt application,
// otherwise handed to the handler the host installed.
struct Message {
    const char* title;     // "Error"
    const char* text;      // the range message
    const char* helpFile;  // "psych.hlp"
    int helpTopic;         // 600
};
using MessageHandler = void (*)(void* context, const Message& message);

} // namespace hygrovex

extern "C" {
// Creates a clsHygrovex object when classId is kClassId, else returns null.
HYGROVEX_EXPORT hygrovex::_clsHygrovex* HygrovexCreateObject(const char* classId);
// Releases an object made by HygrovexCreateObject.
HYGROVEX_EXPORT void HygrovexReleaseObject(hygrovex::_clsHygrovex* object);
// Installs the handler of the range message (null restores the default:
// a message box inside a Qt application, stderr otherwise).
HYGROVEX_EXPORT void HygrovexSetMessageHandler(hygrovex::MessageHandler handler, void* context);
}
