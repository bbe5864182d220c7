// SerbRet: tanks placed on nodes picked one after the other, all of one network.
#pragma once

void PlaceTanks();
