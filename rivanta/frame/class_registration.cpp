#include "frame/class_registration.h"

// The plug-in has no runtime class of its own yet; each one added gets a line in both functions.
void RegisterPluginClasses() {}

void UnregisterPluginClasses() {}
