#include "schema/program_folder.h"

#include "acedads.h"
#include "frame/translation.h"
#include "frame/command_line.h"
#include "host/resbuf_list.h"
#include "schema/schema_texts.h"

namespace {

constexpr wchar_t kProgramFolderSymbol[] = L"tz-cpath";

// The host's reason for the last failure (ERRNO); 0 when it cannot be read.
int hostErrno() {
    resbuf value{};
    if (acedGetVar(L"ERRNO", &value) != RTNORM) return 0;
    return value.restype == RTSHORT ? value.resval.rint : 0;
}

}  // namespace

bool ReadProgramFolder(std::wstring& folder) {
    TzRvnResbufList value;
    if (acedGetSym(kProgramFolderSymbol, &value.slot()) != RTNORM) {
        PrintMessage(FormatTranslated(rvntext::kProgramFolderLookupFailed, {hostErrno()}));
        return false;
    }
    if (value.get() == nullptr) {
        PrintMessage(rvntext::kProgramFolderUnset);
        return false;
    }
    if (value.get()->restype != RTSTR || value.get()->resval.rstring == nullptr) {
        PrintMessage(rvntext::kProgramFolderNotText);
        return false;
    }
    folder = value.get()->resval.rstring;
    return true;
}
