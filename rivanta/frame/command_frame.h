// What every command does around its own work.
#pragma once

// A command's own work; it reaches the drawing through currentDatabase().
using TzRvnCommandBody = void (*)();

// Where dialogs and icons are looked up while the command runs.
enum class TzRvnResources {
    unchanged,   // the current resource module stays (the plug-in is reached as an extension module)
    pluginFirst  // the plug-in's module is made the current resource module, and restored after
};

// What the command does to the drawing's settings while it runs.
enum class TzRvnDrawingSettings {
    unchanged,
    attributesShown  // an editing command: the attribute display held at 1, and restored after
};

// Runs a command. When the load stopped at the translator, the plug-in's start is completed first
// without it. A command needs the state of the current document: without one it refuses on the
// command line. A command whose feature is not in this version (body nullptr) says so plainly and
// changes nothing.
void RunCommand(const wchar_t* name, TzRvnResources resources, TzRvnCommandBody body,
                TzRvnDrawingSettings settings = TzRvnDrawingSettings::unchanged);
