// An attribute of a block reference opened for one action and closed on every path.
#pragma once

#include "dbattr.h"
#include "dbblkref.h"

#include <vector>

class TzRvnOpenAttribute {
public:
    TzRvnOpenAttribute(const AcDbBlockReference& reference, AcDbObjectId id, AcDb::OpenMode mode)
        : status_(reference.openAttribute(attribute_, id, mode)) {}
    ~TzRvnOpenAttribute() {
        if (attribute_ != nullptr) attribute_->close();
    }
    TzRvnOpenAttribute(const TzRvnOpenAttribute&) = delete;
    TzRvnOpenAttribute& operator=(const TzRvnOpenAttribute&) = delete;

    bool isOpen() const { return status_ == Acad::eOk && attribute_ != nullptr; }
    AcDbAttribute* operator->() const { return attribute_; }

private:
    AcDbAttribute* attribute_ = nullptr;
    Acad::ErrorStatus status_;
};

// The ids of the reference's attributes, in its order.
std::vector<AcDbObjectId> AttributeIds(const AcDbBlockReference& reference);
