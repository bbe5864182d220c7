// The command-line tool "rivanta calc": a network calculated from the command line, with its two
// reports and its results file (calc_options.h gives the command line).
#pragma once

// argv[0] is the tool's name. Exit status: 0 calculated; 1 not calculated (import refused, check
// failed, calculation aborted or results not numbers, a file not readable or writable); 2 wrong
// arguments.
int RunCalcTool(int argc, const char* const* argv);
