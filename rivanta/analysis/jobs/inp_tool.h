// The command-line tool "rivanta inpout": a network of a saved drawing exported as an EPANET
// input file.
//     inpout DRAWING --network NAME OUT.inp
#pragma once

// argv[0] is the tool's name. Exit status: 0 exported; 1 not exported (drawing not readable, no
// such network, a network an input file cannot hold, file not writable); 2 wrong arguments.
int RunInpOutTool(int argc, const char* const* argv);
