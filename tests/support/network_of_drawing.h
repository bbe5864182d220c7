// The data of a network of a drawing, open or saved in a file, as the tests read it back.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "drawing_file.h"
#include "host/open_object.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "netobj/network_object.h"
#include "text_codec.h"

namespace rvntest {

// The network named name of the drawing; empty (and a failure) when it has none.
inline TzRvnNetworkData NetworkDataOf(AcDbDatabase* database, const std::wstring& name) {
    TzRvnOpenObject<TzRvnNetwork> network;
    TzRvnNetworkData data;
    EXPECT_EQ(Acad::eOk, OpenNetwork(database, name, AcDb::kForRead, network));
    if (network.isOpen()) network->getData(data);
    return data;
}

// The same of the drawing saved at path.
inline TzRvnNetworkData SavedNetworkData(const std::filesystem::path& path, const std::wstring& name) {
    std::wstring message;
    std::unique_ptr<AcDbDatabase> database = rvnhost::openDrawingFile(path.wstring(), message);
    EXPECT_NE(nullptr, database) << rvnos::toUtf8(message);
    return database ? NetworkDataOf(database.get(), name) : TzRvnNetworkData();
}

// Saves a new drawing at path whose one network, under name, holds network.
inline void SaveDrawingWithNetwork(const std::filesystem::path& path, const std::wstring& name,
                                   const TzRvnNetworkData& network) {
    AcDbDatabase db;
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, AddNetwork(&db, name, std::make_unique<TzRvnNetwork>(network), id));
    std::wstring message;
    ASSERT_EQ(Acad::eOk, rvnhost::saveDrawingFile(db, path.wstring(), message)) << rvnos::toUtf8(message);
}

}  // namespace rvntest
