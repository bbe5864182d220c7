// Deep cloning inside a drawing: copies made through the objects' own filing, with what they own,
// references among the copies translated to the copies and others kept. No caller of the host uses
// it: one test.
#include <gtest/gtest.h>

#include "clone_objects.h"
#include "dbdict.h"
#include "drawing_samples.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "test_marker.h"

#include <tuple>

namespace {

using rvnhost::OpenedObject;
using namespace rvntest;

AcDbObjectId entry(AcDbObjectId dictionaryId, const wchar_t* key) {
    OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForRead);
    AcDbObjectId id;
    if (dictionary) dictionary->getAt(key, id);
    return id;
}

class DeepClone : public OpenObjectCheckedTest {};

TEST_F(DeepClone, CopiesWhatObjectsOwnAndTranslatesReferencesAmongTheCopies) {
    SampleDrawing sample = makeSampleDrawing();
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
    EXPECT_EQ(std::pair(copiedFirst, copiedDictionary), std::pair(copy->target, copy->ownerId()));
    OpenedObject<RvnTestMarker> first(copiedFirst, AcDb::kForRead);
    // An object not copied is referred to as it is.
    EXPECT_EQ(std::tuple(std::wstring(kSampleLabel), 12.5, sample.layer), std::tuple(first->label, first->value, first->target));
    OpenedObject<RvnTestMarker> original(second, AcDb::kForRead);
    EXPECT_EQ(sample.marker, original->target) << "the source is unchanged";
}

}  // namespace
