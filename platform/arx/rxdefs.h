// Message codes of the application entry point and iteration orders of the runtime dictionaries.
#pragma once

namespace AcRx {

// Messages the host sends to a module's acrxEntryPoint.
enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
    kDependencyMsg = 10,
    kNoDependencyMsg = 11,
    kOleUnloadAppMsg = 12,
    kPreQuitMsg = 13,
    kInitDialogMsg = 14,
    kEndDialogMsg = 15,
    kSuspendMsg = 16
};

enum AppRetCode { kRetOK = 0, kRetError = 3 };

// kDictSorted walks a dictionary in name order, kDictCollated in the order the entries were added.
enum DictIterType { kDictCollated = 0, kDictSorted = 1 };

}  // namespace AcRx
