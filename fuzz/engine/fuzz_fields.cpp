// The field reader: arbitrary texts in the seven input fields (split at
// newlines), in IP or SI and standard or actual volumes, through whole Calc
// commands. No crash, no hang, and never a result that is not finite.
#include "ComponentMessages.h"
#include "HeadlessForm.h"
#include "RotorForm.h"

#include <hygrovex/clsHygrovex.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace kestrix;

struct ComponentDeleter {
    void operator()(hygrovex::_clsHygrovex* p) const { HygrovexReleaseObject(p); }
};

void CheckFinite(const DesignCase& c) {
    for (double v :
         {c.Toa,   c.Woa,   c.Tra,       c.Wra,   c.Vsa,   c.Vra,   c.Elev, c.Patm, c.Tsa,
          c.Wsa,   c.Tea,   c.Wea,       c.VelS,  c.VelSa, c.VelEa, c.DPs,  c.DPr,  c.HeatS,
          c.HeatT, c.HeatL, c.MoistRate, c.CondS, c.CondE, c.WBoa,  c.WBsa, c.WBra, c.WBea})
        if (!std::isfinite(v))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    static std::unique_ptr<hygrovex::_clsHygrovex, ComponentDeleter> component(
        HygrovexCreateObject(hygrovex::kClassId));
    const bool si = data[0] & 1, acfm = data[0] & 2;
    HeadlessForm port;
    RotorForm form(port, *component);
    port.SetEvents(&form);
    RouteComponentMessages(port);
    if (!form.Form_Load({si, acfm}, KESTRIX_CATALOGUE_DIR))
        std::abort();
    static const char* const kFields[] = {"txtToa", "txtWoa", "txtTra", "txtWra",
                                          "txtVsa", "txtVra", "txtElev"};
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::size_t start = 0;
    for (int round = 0; round < 2 && start <= text.size(); ++round) {
        for (const char* field : kFields) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            port.SetText(field, text.substr(start, end - start));
            start = end + 1;
            if (start > text.size())
                break;
        }
        form.CmdCalc_Click();
        CheckFinite(form.Case());
        if (port.ListCount("lstRotor") > 1)
            port.SetListIndex("lstRotor", port.ListIndex("lstRotor") == 0 ? 1 : 0);
        CheckFinite(form.Case());
    }
    HygrovexSetMessageHandler(nullptr, nullptr);
    return 0;
}
