// The body of the command CalcRet: the network database dialog, with the drawing's linear
// precision at 6 decimals while it is open.
#pragma once

void OpenNetworkDatabase();
