// NodoRet: nodes placed at points one after the other, all of one network; a node on a branch
// splits it.
#pragma once

void PlaceNodes();
