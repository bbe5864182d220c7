// Which reader a network file given to a calculation needs, told by its first bytes where they
// say it (a drawing, a DXF file, an EPANET input file's text), else by its name.
#pragma once

#include <string>

enum class TzRvnNetworkFileKind {
    portavia,  // a Portavia file: binary, with nothing of its own to recognise it by
    inp,       // an EPANET input file: text opening with a section or a comment, or named .inp
    drawing,   // one of the host's drawings
    dxf,       // a DXF file (text or binary), which carries no network data
    text,      // other text, which no reader knows (a Portavia file is binary: it holds 16-bit counts
               // and doubles, whose bytes are never all printable)
};

TzRvnNetworkFileKind NetworkFileKind(const std::wstring& path);
