// Test helpers for the Hygrovex component: a fresh object, a recorder of the
// range message, and one call that sets every input and calculates.
#pragma once

#include "hygrovex/clsHygrovex.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace hygrovex::testing {

using ObjectPtr = std::unique_ptr<_clsHygrovex, decltype(&HygrovexReleaseObject)>;

inline ObjectPtr NewObject() {
    return ObjectPtr(HygrovexCreateObject(kClassId), &HygrovexReleaseObject);
}

// Records every message the component shows while it is alive.
class MessageRecorder {
public:
    MessageRecorder() { HygrovexSetMessageHandler(&Record, this); }
    ~MessageRecorder() { HygrovexSetMessageHandler(nullptr, nullptr); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    struct Shown {
        std::string title, text, helpFile;
        int helpTopic;
    };
    std::vector<Shown> shown;

private:
    static void Record(void* context, const Message& m) {
        static_cast<MessageRecorder*>(context)->shown.push_back(
            {m.title, m.text, m.helpFile, m.helpTopic});
    }
};

// The inputs of one calculation.
struct Inputs {
    double temperature = 95;
    std::int16_t moistUnits = kGrains;
    double moisture = 70;
    double elevation = 0;
    double volume = 1000;
    bool standard = true;
    bool si = false;
};

inline void Calculate(_clsHygrovex& psych, const Inputs& in) {
    psych.SI(in.si);
    psych.MoistUnitsI(in.moistUnits);
    psych.MoistureI(in.moisture);
    psych.TemperatureI(in.temperature);
    psych.StandardUnitsI(in.standard);
    psych.ElevationI(in.elevation);
    psych.VolumeI(in.volume);
    psych.Calculate();
}

inline const char* kRangeText =
    "Input variable is out of range, check to see if units are consistent with input value.";

} // namespace hygrovex::testing
