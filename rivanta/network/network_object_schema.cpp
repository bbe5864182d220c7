// The network's exchange with its schema in the drawing.
#include "network/network_object.h"

#include "schema/schema_layers.h"
#include "schema/schema_reader.h"
#include "schema/schema_writer.h"

bool TzRvnNetwork::ReadNetworkFromSchema(AcDbDatabase* database, AcDbObjectId blockId, std::wstring_view layerName) {
    if (assertWriteEnabled() != Acad::eOk) return false;
    if (!data_.hasSchema()) return true;
    return ReadSchemaInto(database, blockId, layerName, data_);
}

bool TzRvnNetwork::WriteSchemaFromNetwork() const {
    if (assertReadEnabled() != Acad::eOk) return false;
    if (!data_.hasSchema()) return true;
    const std::optional<std::wstring> name = nameInOwner();
    if (!name) return false;
    return WriteSchemaFrom(database(), NetworkLayerName(*name), data_);
}
