// The setters of the entities: a value changes only while its object is open for write.
#pragma once

#include "dbobject.h"

namespace rvnhost {

template <class T>
Acad::ErrorStatus setWhenWritable(const AcDbObject& object, T& field, const T& value) {
    const Acad::ErrorStatus status = object.assertWriteEnabled();
    if (status == Acad::eOk) field = value;
    return status;
}

}  // namespace rvnhost
