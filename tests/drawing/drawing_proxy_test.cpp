// Objects the host cannot file become proxies: a class no application registers, or an object
// that asks for it (eMakeMeProxy). A proxy is saved back byte for byte under its original class,
// and becomes the object again once its class is there.
#include <gtest/gtest.h>

#include "dbdict.h"
#include "drawing_samples.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "proxy_object.h"
#include "test_marker.h"
#include "text_codec.h"

namespace {

using rvnhost::OpenedObject;
using namespace rvntest;

class DrawingProxies : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        sample = makeSampleDrawing();
        saved = saveToBytes(*sample.database);
    }
    void TearDown() override {
        registerMarkerClass();
        OpenObjectCheckedTest::TearDown();
    }

    std::unique_ptr<AcDbDatabase> open(const std::vector<unsigned char>& bytes) {
        std::wstring message;
        auto database = openFromBytes(bytes, message);
        EXPECT_NE(nullptr, database) << rvnos::toUtf8(message);
        return database;
    }

    SampleDrawing sample;
    std::vector<unsigned char> saved;
};

TEST_F(DrawingProxies, AnUnknownClassIsKeptAsAProxyAndSavedBackUnchanged) {
    removeMarkerClass();
    auto withoutClass = open(saved);
    ASSERT_NE(nullptr, withoutClass);
    {
        OpenedObject<AcDbProxyObject> proxy(idOf(*withoutClass, sample.marker), AcDb::kForRead);
        ASSERT_TRUE(proxy) << proxy.status();
        EXPECT_STREQ(L"RvnTestMarker", proxy->originalClassName());
        EXPECT_STREQ(kMarkerDxfName, proxy->originalDxfName());
        EXPECT_EQ(idOf(*withoutClass, sample.dictionary), proxy->ownerId());
    }
    EXPECT_EQ(saved, saveToBytes(*withoutClass));

    registerMarkerClass();
    auto withClass = open(saveToBytes(*withoutClass));
    ASSERT_NE(nullptr, withClass);
    OpenedObject<RvnTestMarker> marker(idOf(*withClass, sample.marker), AcDb::kForRead);
    ASSERT_TRUE(marker);
    EXPECT_EQ(kSampleLabel, marker->label);
    EXPECT_EQ(idOf(*withClass, sample.layer), marker->target);
}

TEST_F(DrawingProxies, AnObjectAskingToStayAProxyKeepsItsData) {
    AcDbObjectId newer = addMarker(sample.dictionary, L"Futuro", L"versione 2", 7.0, sample.layer);
    {
        OpenedObject<RvnTestMarker> marker(newer, AcDb::kForWrite);
        marker->version = 2;
    }
    std::vector<unsigned char> bytes = saveToBytes(*sample.database);
    auto reopened = open(bytes);
    ASSERT_NE(nullptr, reopened);
    {
        OpenedObject<AcDbObject> object(idOf(*reopened, newer), AcDb::kForRead);
        ASSERT_TRUE(object);
        const rvnhost::ProxyData* proxy = rvnhost::proxyDataOf(object.get());
        ASSERT_NE(nullptr, proxy);
        EXPECT_EQ(L"RvnTestMarker", proxy->className);
        OpenedObject<RvnTestMarker> older(idOf(*reopened, sample.marker), AcDb::kForRead);
        EXPECT_TRUE(older) << "a marker of version 1 reads as itself";
    }
    EXPECT_EQ(bytes, saveToBytes(*reopened));
}

}  // namespace
