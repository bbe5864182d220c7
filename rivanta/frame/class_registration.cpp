#include "frame/class_registration.h"

#include "netobj/network_class.h"

// Each class of the plug-in gets a line in both functions.
void RegisterPluginClasses() { RegisterNetworkClass(); }

void UnregisterPluginClasses() { RemoveNetworkClass(); }
