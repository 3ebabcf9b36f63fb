// The main window's logic at start-up without widgets: one component object, a
// headless port and the form, loaded with the catalogue of the source tree, as
// the program stands once its load step has run.
#pragma once

#include "engine/ComponentMessages.h"
#include "engine/HeadlessForm.h"
#include "engine/RotorForm.h"

#include <hygrovex/clsHygrovex.h>

#include <memory>
#include <stdexcept>

namespace kestrix::report::testing {

struct StartupForm {
    struct Release {
        void operator()(hygrovex::_clsHygrovex* object) const { HygrovexReleaseObject(object); }
    };
    std::unique_ptr<hygrovex::_clsHygrovex, Release> component{
        HygrovexCreateObject(hygrovex::kClassId)};
    HeadlessForm port;
    RotorForm form{port, *component};

    explicit StartupForm(bool siUnits = false, bool acfmUnits = false) {
        port.SetEvents(&form);
        RouteComponentMessages(port);
        if (!form.Form_Load(StartupSettings{siUnits, acfmUnits}, KESTRIX_TEST_RESOURCES))
            throw std::runtime_error("the catalogue of the source tree could not be loaded");
    }
};

} // namespace kestrix::report::testing
