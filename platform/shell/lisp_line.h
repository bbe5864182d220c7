// LISP typed at the command line, as much of it as a person or a script uses to set up a drawing:
// (setq NAME VALUE ...) binds symbols to numbers or "texts" (the program folder "tz-cpath", for
// instance), and (entmake '((0 . "LINE") (8 . "0") (10 0.0 0.0 0.0) (11 1.0 1.0 0.0))) makes an
// entity, a block definition or a piece of one from a quoted list of dotted pairs and point lists,
// extended data as (-3 ("APP" (1000 . "text") ...)); (entmake) discards what was being gathered.
#pragma once

#include <string>

namespace rvnshell {

// Evaluates the expression; false, with the reason, when the host cannot read it or the drawing
// refuses it.
bool evaluateLispLine(const std::wstring& line, std::wstring& reason);

}  // namespace rvnshell
