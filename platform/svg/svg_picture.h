// A picture of a drawing's model space as an SVG file: what the host's job "svgout" writes, and
// what a plug-in asks for when it colours entities of its own (a colour per entity and a legend).
#pragma once

#include "dbmain.h"
#include "svg_arguments.h"
#include "svg_document.h"
#include "svg_scene_builder.h"

#include <optional>
#include <span>
#include <string>

namespace rvnhost {

struct SvgPicture {
    std::optional<SvgWindow> window;  // none: the whole drawing
    ColourOverrides colours;          // entities of model space shown in another colour than their own
    SvgLegend legend;                 // no rows: no legend
};

// The SVG document of the drawing's model space; false with the message when it cannot be read.
bool drawModelSpace(AcDbDatabase& database, const SvgPicture& picture, std::string& document, std::wstring& message);

// Draws the model space and writes the document to path, whole or not at all (inputs are the
// files the job reads, never written over). False with the message.
bool writeSvgPicture(AcDbDatabase& database, const SvgPicture& picture, const std::wstring& path,
                     std::span<const std::wstring> inputs, std::wstring& message);

}  // namespace rvnhost
