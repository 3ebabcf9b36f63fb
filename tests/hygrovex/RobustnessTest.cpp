// Whatever numbers reach the object (NaN, infinities, huge, negative, any
// moisture code), a Calculate ends, shows at most one message, and leaves
// outputs that are either the new state or the last good one.
#include "PsychFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace hygrovex;
using namespace hygrovex::testing;

namespace {

double Pick(std::mt19937_64& rng) {
    static const double kSpecial[] = {
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::max(),
        -std::numeric_limits<double>::max(),
        std::numeric_limits<double>::denorm_min(),
        0.0,
        -0.0,
        1e300,
        -1e300,
        -459.67,
        32.0,
        500.0,
        100.0,
        0.071,
    };
    switch (rng() % 4) {
    case 0:
        return kSpecial[rng() % std::size(kSpecial)];
    case 1: // any bit pattern
    {
        const std::uint64_t bits = rng();
        double v;
        static_assert(sizeof v == sizeof bits);
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    case 2:
        return std::uniform_real_distribution<double>(-1e6, 1e6)(rng);
    default: // the range users work in
        return std::uniform_real_distribution<double>(-60, 200)(rng);
    }
}

TEST(ClsHygrovexProperty, AnyInputEndsWithoutHangOrCrash) {
    std::mt19937_64 rng(20261211);
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    for (int i = 0; i < 20000; ++i) {
        const std::size_t before = messages.shown.size();
        Inputs in;
        in.temperature = Pick(rng);
        in.moisture = Pick(rng);
        in.elevation = rng() % 2 ? Pick(rng) : 0.0;
        in.volume = Pick(rng);
        in.moistUnits = static_cast<std::int16_t>(static_cast<int>(rng() % 9) - 1);
        in.standard = rng() % 4 != 0;
        in.si = rng() % 2 != 0;
        Calculate(*p, in);
        const std::size_t shown = messages.shown.size() - before;
        ASSERT_LE(shown, 1u) << "one message per Calculate";
        ASSERT_EQ(shown == 1, p->LastCalculateFailed());
        if (!p->LastCalculateFailed()) {
            // A good state has finite humidity outputs.
            for (double v :
                 {p->WBTempO(), p->DPTempO(), p->RHO(), p->HumidRatio1O(), p->HumidRatio2O(),
                  p->EnthalpyO(), p->SpecVolO(), p->AirVolStandO(), p->AirVolActO()})
                ASSERT_TRUE(std::isfinite(v))
                    << "T=" << in.temperature << " M=" << in.moisture << " code=" << in.moistUnits;
        }
    }
}

} // namespace
