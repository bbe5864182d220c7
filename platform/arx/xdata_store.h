// The extended data of one object: per registered application, in the order the applications
// first gave data, a list of xdata items (groups 1000 to 1071).
#pragma once

#include <string>
#include <vector>

#include "acadstrc.h"
#include "resbuf_kind.h"

class AcDbDatabase;
class AcDbDwgFiler;
class AcDbDxfFiler;

namespace rvnhost {

class XDataStore {
public:
    struct App {
        std::wstring name;
        ResbufList items;  // null when the application's data is to be removed
    };

    // Splits an xdata list (1001 items each followed by their items) into applications, checking
    // every item and the balance of 1002 "{" "}" items: eInvalidResBuf when malformed.
    static Acad::ErrorStatus parse(const resbuf* list, std::vector<App>& apps);
    // eRegappIdNotFound unless every application is registered in the database.
    static Acad::ErrorStatus checkRegistered(const std::vector<App>& apps, AcDbDatabase* database);

    // Replaces (or removes) the data of each application given.
    void apply(std::vector<App> apps);
    // A new list of one application's data (or of all with a null name); null when none.
    resbuf* list(const ACHAR* appName) const;
    bool empty() const { return apps_.empty(); }

    Acad::ErrorStatus dwgOut(AcDbDwgFiler* filer) const;
    // Replaces all the data by what the filer holds.
    Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer);
    Acad::ErrorStatus dxfOut(AcDbDxfFiler* filer) const;
    // Reads 1001 groups and their items up to the end of the object (nothing when there are none).
    static Acad::ErrorStatus dxfIn(AcDbDxfFiler* filer, ResbufList& list);

private:
    std::vector<App> apps_;
};

}  // namespace rvnhost
