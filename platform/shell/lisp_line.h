// LISP typed at the command line: (setq NAME VALUE ...) binds symbols to numbers or "texts", as
// the host's LISP does; it is how a person or a script sets a LISP symbol such as "tz-cpath".
#pragma once

#include <string>

namespace rvnshell {

// Evaluates the expression; false, with the reason, when it is not a setq the host can read.
bool evaluateLispLine(const std::wstring& line, std::wstring& reason);

}  // namespace rvnshell
