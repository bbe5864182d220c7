#include "host/linear_precision_guard.h"

#include "dbapserv.h"
#include "dbdatabase.h"

TzRvnLinearPrecisionGuard::TzRvnLinearPrecisionGuard()
    : database_(acdbHostApplicationServices()->workingDatabase()) {
    if (database_ == nullptr) return;
    saved_ = database_->luprec();
    database_->setLuprec(kDialogPrecision);
}

TzRvnLinearPrecisionGuard::~TzRvnLinearPrecisionGuard() {
    if (database_ != nullptr) database_->setLuprec(saved_);
}
