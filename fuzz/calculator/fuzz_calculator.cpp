// The moisture calculator panel and the air-state popup on arbitrary input:
// texts in the temperature, moisture and elevation boxes and in one stream's
// fields, any input form, any main-window position and screen, through the
// panel's buttons and a press on a picture. No crash, no undefined behaviour,
// an answer that is always a finite number shown as it is held, and a popup
// position that stays on the screen it was given.
#include "calculator/modCalculator.h"

#include "common/NumberPattern.h"
#include "engine/ComponentMessages.h"
#include "engine/HeadlessForm.h"
#include "engine/RotorForm.h"
#include "hygrovex/clsHygrovex.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace kestrix;

struct ComponentDeleter {
    void operator()(hygrovex::_clsHygrovex* p) const { HygrovexReleaseObject(p); }
};

// Takes bytes off the front of the input.
struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t Byte() {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    double Double() {
        double v = 0;
        if (size >= sizeof v) {
            std::memcpy(&v, data, sizeof v);
            data += sizeof v;
            size -= sizeof v;
        }
        return v;
    }
    // Text up to the next newline.
    std::string Line() {
        std::string out;
        while (size > 0) {
            const char c = static_cast<char>(Byte());
            if (c == '\n')
                break;
            out.push_back(c);
        }
        return out;
    }
};

void CheckAnswer(const modCalculator& calc, const HeadlessForm& port, bool si) {
    if (!std::isfinite(calc.CalcAnswer))
        std::abort();
    if (calc.HasAnswer() &&
        port.Text("lblAnswer") !=
            common::FormatPattern(calc.CalcAnswer, "#,##0.0") + (si ? " g/kg" : " gr/lb"))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::unique_ptr<hygrovex::_clsHygrovex, ComponentDeleter> component(
        HygrovexCreateObject(hygrovex::kClassId));
    Reader in{data, size};
    const std::uint8_t flags = in.Byte();
    const bool si = flags & 1;
    HeadlessForm port;
    RotorForm form(port, *component);
    port.SetEvents(&form);
    RouteComponentMessages(port);
    const std::unique_ptr<modCalculator> calc = AttachCalculator(form);
    if (!form.Form_Load({si, false}, KESTRIX_CATALOGUE_DIR))
        std::abort();

    const int option = in.Byte() % 6 - 1; // -1 and 0..4
    const int stream = in.Byte() % 6 - 1; // -1 and 0..4
    port.SetText("txtT", in.Line());
    port.SetText("txtM", in.Line());
    if (flags & 2)
        port.SetText("txtElev", in.Line());
    calc->optUnits_Click(option);
    CheckAnswer(*calc, port, si);
    calc->cmdCalculate_Click();
    CheckAnswer(*calc, port, si);
    if (flags & 4)
        calc->cmdPastep_Click();
    if (flags & 8)
        calc->cmdPaster_Click();

    static const char* const kStreamTexts[] = {"txtWoa", "txtToa", "lblWsa", "lblTsa",
                                               "txtWra", "txtTra", "lblWea", "lblTea"};
    if (flags & 16 && stream >= 0 && stream < 4) {
        port.SetText(kStreamTexts[2 * stream], in.Line());
        port.SetText(kStreamTexts[2 * stream + 1], in.Line());
    }
    const double left = in.Double();
    const double top = in.Double();
    TwipsRect screen{static_cast<std::int16_t>(in.Byte() << 7),
                     static_cast<std::int16_t>(in.Byte() << 7), (in.Byte() + 1) << 7,
                     (in.Byte() + 1) << 7};
    const bool withScreen = flags & 32;
    if (calc->LoadAirState(stream, left, top,
                           withScreen ? std::optional<TwipsRect>(screen) : std::nullopt)) {
        const int x = component->PosX();
        const int y = component->PosY();
        if (withScreen && screen.width >= kPopupWidthTwips &&
            (x < screen.left || x + kPopupWidthTwips > screen.left + screen.width))
            std::abort();
        if (withScreen && screen.height >= kPopupHeightTwips &&
            (y < screen.top || y + kPopupHeightTwips > screen.top + screen.height))
            std::abort();
    }
    CheckAnswer(*calc, port, si);
    HygrovexSetMessageHandler(nullptr, nullptr);
    return 0;
}
