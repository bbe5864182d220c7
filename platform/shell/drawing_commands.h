// The host's drawing commands: OPEN, SAVE, SAVEAS and UNDO at the command line, the drawing
// opened at start ("rivanta DRAWING", "rivanta --open DRAWING") and the jobs "dxfout" and "svgout".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rvnshell {

// Registers OPEN, SAVE, SAVEAS and UNDO in the command group "ACAD_MAIN", and removes them.
void registerDrawingCommands();
void removeDrawingCommands();

// Opens the drawing at path as a new document, made current. On failure the reason goes to the
// transcript as an error and the current drawing stays as it was: false.
bool openDrawingDocument(const std::wstring& path);

// Opens the drawing given at start in place of the new empty one; false (reason shown) when it
// cannot be read.
bool openStartDrawing(const std::wstring& path);

// The exit status of a job the host runs itself ("dxfout DRAWING OUT.dxf": 0 written, 1 the
// drawing could not be read or the DXF file not written, 2 wrong arguments; "svgout", see
// svgout_job.h); nullopt for a job that is not the host's.
std::optional<int> runHostJob(const std::vector<std::string>& arguments);

// True for an argument that names a drawing file (it ends with ".dwg", in any case).
bool isDrawingFileName(const std::string& argument);

}  // namespace rvnshell
