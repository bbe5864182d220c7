// Deep cloning inside a drawing: copies made through the objects' own filing, with what they own,
// references among the copies translated to the copies and others kept, proxies copied with their
// data, and owners that cannot take the copies refused with nothing copied. No caller of the host
// uses it: one test.
#include <gtest/gtest.h>

#include "clone_objects.h"
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

AcDbObjectId entry(AcDbObjectId dictionaryId, const wchar_t* key) {
    OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForRead);
    AcDbObjectId id;
    if (dictionary) dictionary->getAt(key, id);
    return id;
}

class DeepClone : public OpenObjectCheckedTest {
protected:
    void TearDown() override {
        registerMarkerClass();
        OpenObjectCheckedTest::TearDown();
    }
};

TEST_F(DeepClone, CopiesWhatObjectsOwnTranslatesReferencesAmongTheCopiesAndRefusesWhatCannotHoldThem) {
    SampleDrawing sample = makeSampleDrawing();
    AcDbObjectId second = addMarker(sample.dictionary, L"Secondo", L"segue", 2.0, sample.marker);
    AcDbObjectId named = sample.database->namedObjectsDictionaryId();
    const std::size_t before = sample.database->allObjectIds().size();
    rvnhost::IdMapping idMap;
    EXPECT_EQ(Acad::eWrongObjectType, rvnhost::deepCloneObjects({sample.marker}, sample.layer, idMap));
    AcDbDatabase other;
    EXPECT_EQ(Acad::eWrongDatabase, rvnhost::deepCloneObjects({sample.marker}, other.namedObjectsDictionaryId(), idMap));
    {
        OpenedObject<AcDbDictionary> busy(sample.dictionary, AcDb::kForWrite);
        EXPECT_EQ(Acad::eWasOpenedForWrite, rvnhost::deepCloneObjects({sample.marker}, sample.dictionary, idMap));
    }
    EXPECT_TRUE(idMap.empty());
    EXPECT_EQ(before, sample.database->allObjectIds().size());

    ASSERT_EQ(Acad::eOk, rvnhost::deepCloneObjects({sample.dictionary}, named, idMap));
    ASSERT_EQ(3u, idMap.size());
    AcDbObjectId copiedDictionary = entry(named, L"TZ-TEST_1");
    EXPECT_EQ(idMap.at(sample.dictionary), copiedDictionary);
    AcDbObjectId copiedFirst = entry(copiedDictionary, kSampleMarkerKey);
    AcDbObjectId copiedSecond = entry(copiedDictionary, L"Secondo");
    EXPECT_EQ(idMap.at(sample.marker), copiedFirst);
    EXPECT_EQ(idMap.at(second), copiedSecond);
    {
        OpenedObject<RvnTestMarker> copy(copiedSecond, AcDb::kForRead);
        ASSERT_TRUE(copy);
        EXPECT_EQ(copiedFirst, copy->target);
        EXPECT_EQ(copiedDictionary, copy->ownerId());
        OpenedObject<RvnTestMarker> first(copiedFirst, AcDb::kForRead);
        EXPECT_EQ(kSampleLabel, first->label);
        EXPECT_EQ(12.5, first->value);
        EXPECT_EQ(sample.layer, first->target) << "an object not copied is referred to as it is";
        OpenedObject<RvnTestMarker> original(second, AcDb::kForRead);
        EXPECT_EQ(sample.marker, original->target) << "the source is unchanged";
    }

    // An object copied alone goes into its own dictionary under a free key; a proxy keeps its data.
    std::vector<unsigned char> bytes = saveToBytes(*sample.database);
    removeMarkerClass();
    std::wstring message;
    auto withoutClass = openFromBytes(bytes, message);
    ASSERT_NE(nullptr, withoutClass) << rvnos::toUtf8(message);
    const AcDbObjectId proxyId = idOf(*withoutClass, sample.marker);
    const AcDbObjectId dictionary = idOf(*withoutClass, sample.dictionary);
    rvnhost::IdMapping proxyMap;
    ASSERT_EQ(Acad::eOk, rvnhost::deepCloneObjects({proxyId}, dictionary, proxyMap));
    EXPECT_EQ(proxyMap.at(proxyId), entry(dictionary, L"Primo_1"));
    OpenedObject<AcDbProxyObject> source(proxyId, AcDb::kForRead);
    OpenedObject<AcDbProxyObject> copy(proxyMap.at(proxyId), AcDb::kForRead);
    ASSERT_TRUE(copy);
    EXPECT_EQ(source->proxyData().data, copy->proxyData().data);
    EXPECT_STREQ(L"RvnTestMarker", copy->originalClassName());
}

}  // namespace
