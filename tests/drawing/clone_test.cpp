// Deep cloning inside a drawing: copies made through the objects' own filing, with what they own,
// and references among the copies translated to the copies.
#include <gtest/gtest.h>

#include "clone_objects.h"
#include "dbdict.h"
#include "drawing_samples.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "proxy_object.h"
#include "test_marker.h"

namespace {

using rvnhost::OpenedObject;
using namespace rvntest;

class DeepClone : public OpenObjectCheckedTest {
protected:
    void TearDown() override {
        registerMarkerClass();
        OpenObjectCheckedTest::TearDown();
    }

    AcDbObjectId entry(AcDbObjectId dictionaryId, const wchar_t* key) {
        OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForRead);
        AcDbObjectId id;
        if (dictionary) dictionary->getAt(key, id);
        return id;
    }

    SampleDrawing sample = makeSampleDrawing();
};

TEST_F(DeepClone, CopiesAnObjectIntoItsDictionaryUnderAFreeKey) {
    rvnhost::IdMapping idMap;
    ASSERT_EQ(Acad::eOk, rvnhost::deepCloneObjects({sample.marker}, sample.dictionary, idMap));
    ASSERT_EQ(1u, idMap.size());
    AcDbObjectId copyId = idMap.at(sample.marker);
    EXPECT_NE(sample.marker, copyId);
    EXPECT_EQ(copyId, entry(sample.dictionary, L"Primo_1"));
    OpenedObject<RvnTestMarker> copy(copyId, AcDb::kForRead);
    ASSERT_TRUE(copy);
    EXPECT_EQ(kSampleLabel, copy->label);
    EXPECT_EQ(12.5, copy->value);
    EXPECT_EQ(sample.layer, copy->target) << "an object not copied is referred to as it is";
    EXPECT_EQ(sample.dictionary, copy->ownerId());
}

TEST_F(DeepClone, CopiesWhatAnObjectOwnsAndTranslatesReferencesAmongTheCopies) {
    AcDbObjectId second = addMarker(sample.dictionary, L"Secondo", L"segue", 2.0, sample.marker);
    AcDbObjectId named = sample.database->namedObjectsDictionaryId();
    rvnhost::IdMapping idMap;
    ASSERT_EQ(Acad::eOk, rvnhost::deepCloneObjects({sample.dictionary}, named, idMap));
    ASSERT_EQ(3u, idMap.size());
    AcDbObjectId copiedDictionary = entry(named, L"TZ-TEST_1");
    EXPECT_EQ(idMap.at(sample.dictionary), copiedDictionary);
    AcDbObjectId copiedFirst = entry(copiedDictionary, kSampleMarkerKey);
    AcDbObjectId copiedSecond = entry(copiedDictionary, L"Secondo");
    EXPECT_EQ(idMap.at(sample.marker), copiedFirst);
    EXPECT_EQ(idMap.at(second), copiedSecond);
    OpenedObject<RvnTestMarker> copy(copiedSecond, AcDb::kForRead);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copiedFirst, copy->target);
    EXPECT_EQ(copiedDictionary, copy->ownerId());
    OpenedObject<RvnTestMarker> original(second, AcDb::kForRead);
    EXPECT_EQ(sample.marker, original->target) << "the source is unchanged";
}

TEST_F(DeepClone, CopiesAProxyWithItsData) {
    std::vector<unsigned char> bytes = saveToBytes(*sample.database);
    removeMarkerClass();
    std::wstring message;
    auto withoutClass = openFromBytes(bytes, message);
    ASSERT_NE(nullptr, withoutClass);
    AcDbObjectId proxyId = idOf(*withoutClass, sample.marker);
    rvnhost::IdMapping idMap;
    ASSERT_EQ(Acad::eOk, rvnhost::deepCloneObjects({proxyId}, idOf(*withoutClass, sample.dictionary), idMap));
    OpenedObject<AcDbProxyObject> source(proxyId, AcDb::kForRead);
    OpenedObject<AcDbProxyObject> copy(idMap.at(proxyId), AcDb::kForRead);
    ASSERT_TRUE(copy);
    EXPECT_EQ(source->proxyData().data, copy->proxyData().data);
    EXPECT_STREQ(L"RvnTestMarker", copy->originalClassName());
}

TEST_F(DeepClone, RefusesAnOwnerThatCannotHoldTheCopiesOrIsBusyAndCopiesNothing) {
    std::size_t before = sample.database->allObjectIds().size();
    rvnhost::IdMapping idMap;
    EXPECT_EQ(Acad::eWrongObjectType, rvnhost::deepCloneObjects({sample.marker}, sample.layer, idMap));
    AcDbDatabase other;
    EXPECT_EQ(Acad::eWrongDatabase,
              rvnhost::deepCloneObjects({sample.marker}, other.namedObjectsDictionaryId(), idMap));
    {
        OpenedObject<AcDbDictionary> busy(sample.dictionary, AcDb::kForWrite);
        EXPECT_EQ(Acad::eWasOpenedForWrite, rvnhost::deepCloneObjects({sample.marker}, sample.dictionary, idMap));
    }
    EXPECT_TRUE(idMap.empty());
    EXPECT_EQ(before, sample.database->allObjectIds().size());
}

}  // namespace
