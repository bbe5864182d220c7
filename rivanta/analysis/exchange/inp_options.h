// The [OPTIONS] of an EPANET input file as far as a steady-state Darcy-Weisbach calculation
// depends on them; the options that cannot change its heads and flows are read and left aside.
#pragma once

#include "analysis/exchange/inp_refusal.h"
#include "analysis/exchange/inp_units.h"
#include "network/settings.h"

#include <optional>
#include <vector>

// The range EPANET keeps ACCURACY in.
inline constexpr double kInpLowestAccuracy = 1e-5;
inline constexpr double kInpHighestAccuracy = 0.1;

struct TzRvnInpOptions {
    TzRvnInpUnits units;              // UNITS; EPANET's default is GPM
    bool darcyWeisbach = false;       // HEADLOSS D-W was given
    std::optional<double> viscosity;  // VISCOSITY as written
    double accuracy = 0.001;          // ACCURACY, limited to [1e-5, 0.1] as EPANET limits it
    int trials = 200;                 // TRIALS
    double headError = 0.0;           // HEADERROR in file length units, 0 = not given
    double flowChange = 0.0;          // FLOWCHANGE in file flow units, 0 = not given
    double demandMultiplier = 1.0;    // DEMAND MULTIPLIER
    int headerLine = 0;               // line of the first [OPTIONS] header, 0 without one
};

// Reads every [OPTIONS] section of sections in file order into options, and the ";RIVANTA"
// comment lines into settings. Nothing (the options filled) when all lines are usable, else
// why not. A missing HEADLOSS D-W is refused too.
std::optional<TzRvnInpRefusal> ReadInpOptions(const std::vector<TzRvnInpSection>& sections, TzRvnInpOptions& options,
                                              TzRvnSettings& settings);
