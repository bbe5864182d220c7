// Services of the host application to the database: the working database, the one that commands
// and the C interface (acdbTblSearch, acdbRegApp) act on. The document manager sets it to the
// current document's database.
#pragma once

#include "rxobject.h"

class AcDbDatabase;

class AcDbHostApplicationServices : public AcRxObject {
public:
    AcDbDatabase* workingDatabase() const { return workingDatabase_; }
    void setWorkingDatabase(AcDbDatabase* database) { workingDatabase_ = database; }

private:
    AcDbDatabase* workingDatabase_ = nullptr;
};

AcDbHostApplicationServices* acdbHostApplicationServices();

inline AcDbDatabase* acdbCurDwg() { return acdbHostApplicationServices()->workingDatabase(); }
