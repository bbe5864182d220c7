#include "host/attribute_display_guard.h"

#include "dbapserv.h"
#include "dbdatabase.h"

TzRvnAttributeDisplayGuard::TzRvnAttributeDisplayGuard()
    : database_(acdbHostApplicationServices()->workingDatabase()) {
    if (database_ == nullptr) return;
    saved_ = database_->attmode();
    database_->setAttmode(1);
}

TzRvnAttributeDisplayGuard::~TzRvnAttributeDisplayGuard() {
    if (database_ != nullptr) database_->setAttmode(saved_);
}
