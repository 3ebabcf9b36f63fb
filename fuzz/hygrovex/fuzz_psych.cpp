// Feeds arbitrary numbers and moisture codes into one Calculate of the
// Hygrovex object. A Calculate must end (the wet-bulb iteration is bounded),
// show at most one message, and never touch memory it does not own.
#include "hygrovex/clsHygrovex.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

int gMessages = 0;

void CountMessage(void*, const hygrovex::Message&) {
    ++gMessages;
}

double TakeDouble(const std::uint8_t*& data, std::size_t& size) {
    double v = 0;
    const std::size_t n = size < sizeof v ? size : sizeof v;
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static hygrovex::_clsHygrovex* psych = HygrovexCreateObject(hygrovex::kClassId);
    HygrovexSetMessageHandler(&CountMessage, nullptr);
    if (size < 1)
        return 0;
    const std::uint8_t flags = data[0];
    ++data;
    --size;
    psych->SI(flags & 1);
    psych->StandardUnitsI(flags & 2);
    psych->MoistUnitsI(static_cast<std::int16_t>((flags >> 2) % 8));
    psych->TemperatureI(TakeDouble(data, size));
    psych->MoistureI(TakeDouble(data, size));
    psych->ElevationI(TakeDouble(data, size));
    psych->VolumeI(TakeDouble(data, size));
    gMessages = 0;
    psych->Calculate();
    if (gMessages > 1 || (gMessages == 1) != psych->LastCalculateFailed())
        std::abort();
    if (!psych->LastCalculateFailed() &&
        (!std::isfinite(psych->RHO()) || !std::isfinite(psych->WBTempO()) ||
         !std::isfinite(psych->AirVolActO())))
        std::abort();
    return 0;
}
