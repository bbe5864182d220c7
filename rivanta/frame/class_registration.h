// The runtime classes the plug-in adds to the host: registered at load, before the host rebuilds
// its class tree, and deleted from the tree at unload.
#pragma once

// Registers each of the plug-in's classes (its rxInit()).
void RegisterPluginClasses();
// Deletes each of the plug-in's classes from the host's class tree (deleteAcRxClass).
void UnregisterPluginClasses();
