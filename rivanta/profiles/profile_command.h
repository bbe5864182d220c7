// ProfRet: asks for the network, then composes its profiles in the profile dialog.
#pragma once

// The network's name is asked without blanks; a prompt not answered ends the command. The profiles
// of an earlier run are dropped before the dialog opens, and the first title block drawn in this
// run asks for its point.
void ComposeProfiles();
