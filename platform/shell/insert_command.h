// The host's INSERT: a block reference of a block of the drawing, or of a drawing file that is
// read into the drawing as a block named after the file.
#pragma once

namespace rvnshell {

void insertCommand();

}  // namespace rvnshell
