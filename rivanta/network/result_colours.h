// The colours in which results outside the network's thresholds are shown: a node's pressure head
// below hmin or above hmax, a branch's speed below Vmin or above Vmax (the settings' thresholds and
// colours). The grids colour their cells by them, pictures of the schema their nodes and branches.
#pragma once

#include "analysis/solver/text_format.h"
#include "network/network_data.h"
#include "network/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The colour (a COLORREF) of a pressure head: colourLowHead below minPressureHead, else
// colourHighHead above maxPressureHead; none within them or without a result.
std::optional<std::uint32_t> PressureHeadColour(const TzRvnSettings& settings, double pressureHead);

// The colour of a branch's velocity by its size: colourLowVelocity below minVelocity, else
// colourHighVelocity above maxVelocity; none within them or without a result.
std::optional<std::uint32_t> VelocityColour(const TzRvnSettings& settings, double velocity);

// True when a node has a pressure head or a branch a velocity: the network was calculated.
bool HasResults(const TzRvnNetworkData& data);

// One line of a legend of the colours: the colour and what it stands for.
struct TzRvnColourKey {
    std::uint32_t colour = 0;
    std::wstring text;
};

// The four colours with their thresholds ("h < hmin = 10.00 m"), texts passed through translate.
std::vector<TzRvnColourKey> ResultColourKeys(const TzRvnSettings& settings, const TzRvnTranslate& translate);
