// The one design case: inputs, unit flags, rotor catalogue, selection state,
// model intermediates and results of the rotor selection being worked on.
// Every quantity is held in inch-pound units (°F, gr/lb, scfm, ft, psia, fpm,
// in. w.c., Btu/lb, Btu/h, lb/h), whatever units the user sees.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kestrix {

inline constexpr int kCatalogueCapacity = 50; // rows 1..50; row 0 is never filled

struct DesignCase {
    // Inputs (read from the fields by RunCalc, corrected by CheckLimits).
    double Toa = 50;   // off-coil dry bulb, °F
    double Woa = 51.8; // off-coil moisture, gr/lb
    double Tra = 75;   // return/mixed dry bulb, °F
    double Wra = 65;   // return/mixed moisture, gr/lb
    double Vsa = 600;  // supply volume, scfm
    double Vra = 600;  // return/mixed volume, scfm
    double Elev = 0;   // site elevation, ft

    std::string Title; // project title

    // Unit flags.
    bool SIUnits = false;
    bool AcfmUnits = false;

    // Derived inputs.
    double Patm = 0;     // psia
    double RHoa = 0;     // %
    double RHra = 0;     // %
    double WsatOa = 0;   // gr/lb
    double WsatRa = 0;   // gr/lb
    double VolRatio = 0; // Vra / Vsa
    double Voa = 0;      // scfm
    double Vea = 0;      // scfm

    // Rotor catalogue, rows 1..RowCount.
    std::array<double, kCatalogueCapacity + 1> CatDepth{}; // mm
    std::array<std::string, kCatalogueCapacity + 1> CatName{};
    std::array<double, kCatalogueCapacity + 1> CatArea{}; // ft²
    std::int16_t RowCount = 0;
    std::int16_t MinRow = 0;
    std::int16_t MaxRow = 0;

    // Rotor selection.
    std::int16_t SelMode = 0; // 0 size automatically, 1 use the list's selection
    std::string ModelName;
    double Area = 0;          // ft², total face area
    std::int16_t Depth = 0;   // mm
    std::string PrevModel;
    std::string SavedModel;
    std::int16_t ListPick = 0;
    bool ListBusy = false;
    double AreaLo = 0, AreaHi = 0; // ft²
    double MinVol = 0, MaxVol = 0; // scfm
    double VelMin = 0, VelMax = 0; // fpm

    // Model intermediates.
    double EffS = 0;
    double dRH = 0;
    double dTs = 0; // °F
    double dWs = 0; // gr/lb
    double dTe = 0; // °F
    double dWe = 0; // gr/lb
    double Hads = 0; // Btu/lb water
    double Hoa = 0, Hsa = 0, Hra = 0, Hea = 0; // Btu/lb dry air
    double MassS = 0, MassR = 0, MassE = 0;    // lb/h

    // Results.
    double Tsa = 0, Wsa = 0; // °F, gr/lb
    double Tea = 0, Wea = 0; // °F, gr/lb
    double VelS = 0, VelE = 0;   // fpm at standard air
    double VelSa = 0, VelEa = 0; // fpm at the streams' actual mean states
    double DPs = 0, DPr = 0;     // in. w.c.
    double HeatS = 0, HeatT = 0, HeatL = 0; // Btu/h
    double MoistRate = 0;        // lb/h
    double CondS = 0, CondE = 0; // lb/h
    std::int16_t Frost = 0;
    double WBoa = 0, WBsa = 0, WBra = 0, WBea = 0; // °F
    std::string ModelCaption = "Model: RW48-100";

    // Display bookkeeping.
    double VelPrev = 0;
    bool VelChanged = true;
    bool FrostMsgDue = false;
};

} // namespace kestrix
