// The main window's logic without widgets, started as the program starts and
// then given a case by typing into the fields and pressing Calc: the design
// cases the chart tests draw.
#pragma once

#include "engine/ComponentMessages.h"
#include "engine/HeadlessForm.h"
#include "engine/RotorForm.h"

#include <hygrovex/clsHygrovex.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kestrix::chart::testing {

using Typed = std::vector<std::pair<std::string, std::string>>; // field, text

struct ChartTestCase {
    struct Release {
        void operator()(hygrovex::_clsHygrovex* object) const { HygrovexReleaseObject(object); }
    };
    std::unique_ptr<hygrovex::_clsHygrovex, Release> component{
        HygrovexCreateObject(hygrovex::kClassId)};
    HeadlessForm port;
    RotorForm form{port, *component};

    // Start-up (which calculates once), then each text typed into its field
    // and one Calc.
    explicit ChartTestCase(const Typed& typed = {}, bool siUnits = false) {
        port.SetEvents(&form);
        RouteComponentMessages(port);
        if (!form.Form_Load(StartupSettings{siUnits, false}, KESTRIX_TEST_RESOURCES))
            throw std::runtime_error("the catalogue of the source tree could not be loaded");
        if (!typed.empty()) {
            for (const auto& [field, text] : typed)
                port.SetText(field, text);
            form.CmdCalc_Click();
        }
    }
    ~ChartTestCase() { HygrovexSetMessageHandler(nullptr, nullptr); }
    const DesignCase& Case() const { return form.Case(); }
};

// Off-coil air saturated at 55 °F, humid return/mixed air: the exhaust air
// condenses and leaves saturated.
inline const Typed kCondensationCase = {
    {"txtToa", "55"},  {"txtWoa", "64"},  {"txtTra", "75"},
    {"txtWra", "128"}, {"txtVsa", "600"}, {"txtVra", "600"},
};

} // namespace kestrix::chart::testing
