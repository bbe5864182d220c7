// Makes a drawing the host's working drawing while the guard lives, then restores the one before.
#pragma once

#include "dbapserv.h"

namespace rvntest {

class WorkingDatabase {
public:
    explicit WorkingDatabase(AcDbDatabase* database)
        : previous_(acdbHostApplicationServices()->workingDatabase()) {
        acdbHostApplicationServices()->setWorkingDatabase(database);
    }
    ~WorkingDatabase() { acdbHostApplicationServices()->setWorkingDatabase(previous_); }
    WorkingDatabase(const WorkingDatabase&) = delete;
    WorkingDatabase& operator=(const WorkingDatabase&) = delete;

private:
    AcDbDatabase* previous_;
};

}  // namespace rvntest
