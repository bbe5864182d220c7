// The job "rivanta svgout DRAWING OUT.svg --network NAME --results [--window X1,Y1,X2,Y2]": the
// host draws the drawing, the plug-in says which of its network's nodes and branches take the
// colours of their results (the thresholds and colours of the network's settings) and the legend.
#pragma once

// argv[0] is the job's name. Exit status: 0 written; 1 not written (drawing not readable, no such
// network, a network without schema or results, file not writable); 2 wrong arguments.
int RunSvgResultsTool(int argc, const char* const* argv);
