// Rotor sizing and selection: automatic sizing from the supply volume, which
// fills the model list, or the model the user picked in the list. Every change
// of the list's selection runs the list's handler before the call returns;
// ListBusy, set just before the engine selects, keeps that from starting a
// nested calculation.
#include "RotorForm.h"
#include "Texts.h"

#include <cmath>

namespace kestrix {

namespace {

constexpr const char* kList = "lstRotor";
constexpr double kPreferredVelocity = 600; // fpm

std::int16_t RoundedDepth(double depthMm) {
    return static_cast<std::int16_t>(std::lround(depthMm));
}

} // namespace

void RotorForm::SelectRotor() {
    if (case_.SelMode == 0)
        SizeRotor();
    if (case_.SelMode == 1)
        UseListRotor();
}

void RotorForm::SizeRotor() {
    DesignCase& c = case_;
    if (c.RowCount < 1)
        return; // no catalogue: nothing to size from
    c.AreaLo = c.Vsa / c.VelMax / 0.5;
    c.MinRow = 1;
    c.AreaHi = c.Vsa / c.VelMin / 0.5;
    c.MaxRow = c.RowCount;
    // Face velocity: supply volume over half the total face area.
    const double vBig = c.Vsa / c.CatArea[static_cast<std::size_t>(c.MaxRow)] / 0.5;
    const double vSmall = c.Vsa / c.CatArea[static_cast<std::size_t>(c.MinRow)] / 0.5;
    if (vBig > c.VelMax)
        UseMaxRotor();
    if (vSmall < c.VelMin)
        UseMinRotor();
    if (vBig <= c.VelMax && vSmall >= c.VelMin) {
        FillRotorList();
        UseListRotor();
    }
}

void RotorForm::FillRotorList() {
    DesignCase& c = case_;
    port_.ListClear(kList);
    for (int i = c.MinRow; i <= c.MaxRow; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (c.AreaLo <= c.CatArea[row] && c.CatArea[row] <= c.AreaHi)
            port_.ListAdd(kList, c.CatName[row]);
    }
    if (port_.ListCount(kList) == 0) {
        // No model runs between 400 and 800 fpm (a gap in the catalogue): offer
        // the one whose face velocity lies nearest the preferred 600 fpm.
        int nearest = c.MinRow;
        for (int i = c.MinRow; i <= c.MaxRow; ++i) {
            const double v = c.Vsa / c.CatArea[static_cast<std::size_t>(i)] / 0.5;
            const double best = c.Vsa / c.CatArea[static_cast<std::size_t>(nearest)] / 0.5;
            if (std::fabs(v - kPreferredVelocity) < std::fabs(best - kPreferredVelocity))
                nearest = i;
        }
        port_.MessageBox(text::kWarningTitle, text::kNoModelInWindow, MessageIcon::Exclamation);
        port_.ListAdd(kList, c.CatName[static_cast<std::size_t>(nearest)]);
    }
    // The preferred model: the first, from the smallest, at 600 fpm or less.
    for (int i = c.MinRow; i <= c.MaxRow; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (c.Vsa / c.CatArea[row] / 0.5 <= kPreferredVelocity) {
            c.ModelName = c.CatName[row];
            break;
        }
    }
    // A later entry matching any of the three names overrides an earlier one.
    const int count = port_.ListCount(kList);
    for (int k = 0; k < count; ++k) {
        const std::string entry = port_.ListItem(kList, k);
        if (entry == c.PrevModel)
            c.ListPick = static_cast<std::int16_t>(k);
        if (entry == c.SavedModel)
            c.ListPick = static_cast<std::int16_t>(k);
        if (entry == c.ModelName)
            c.ListPick = static_cast<std::int16_t>(k);
    }
    if (c.ListPick < 0 || c.ListPick >= count)
        c.ListPick = 0;
    c.ListBusy = true;
    port_.SetListIndex(kList, c.ListPick);
}

void RotorForm::UseListRotor() {
    DesignCase& c = case_;
    const int index = port_.ListIndex(kList);
    if (index < 0)
        return;
    const std::string selected = port_.ListItem(kList, index);
    // Every matching row is applied, so the last one wins.
    for (int i = 1; i <= c.RowCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (c.CatName[row] == selected) {
            c.ModelName = c.CatName[row];
            c.Area = c.CatArea[row];
            c.Depth = RoundedDepth(c.CatDepth[row]);
        }
    }
}

// Shared by both no-match fallbacks: force both volumes to the given row's
// limit, make that row the list's only entry and run the model inside the
// current one, so the outer run completes with the same values.
static void ForceRotor(RotorForm& form, int row, double volume) {
    DesignCase& c = form.Case();
    const auto r = static_cast<std::size_t>(row);
    c.Vsa = volume;
    c.Vra = volume;
    c.ModelName = c.CatName[r];
    c.Area = c.CatArea[r];
    c.Depth = RoundedDepth(c.CatDepth[r]);
    form.Port().ListClear(kList);
    form.Port().ListAdd(kList, c.ModelName);
    c.ListBusy = true;
    form.Port().SetListIndex(kList, 0);
    form.RotorModel();
    form.ShowResults();
}

void RotorForm::UseMaxRotor() {
    DesignCase& c = case_;
    port_.MessageBox(text::kWarningTitle, text::kNoMatchMax, MessageIcon::Exclamation);
    // Just under 800 fpm on the largest rotor.
    c.MaxVol = c.CatArea[static_cast<std::size_t>(c.MaxRow)] * c.VelMax * 0.5 - 0.5;
    ForceRotor(*this, c.MaxRow, c.MaxVol);
}

void RotorForm::UseMinRotor() {
    DesignCase& c = case_;
    port_.MessageBox(text::kWarningTitle, text::kNoMatchMin, MessageIcon::Exclamation);
    // Just over 400 fpm on the smallest rotor, so the volume lies inside the
    // window and the next sizing (from the volume as shown) finds the model.
    c.MinVol = c.CatArea[static_cast<std::size_t>(c.MinRow)] * c.VelMin * 0.5 + 0.5;
    ForceRotor(*this, c.MinRow, c.MinVol);
}

} // namespace kestrix
