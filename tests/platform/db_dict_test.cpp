// Dictionaries: the operations the plug-in's network dictionary relies on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "acutmem.h"
#include "dbdict.h"
#include "editor_open_object.h"
#include "open_object_guard.h"

namespace {

using rvnhost::OpenedObject;

class DbDictTest : public rvntest::OpenObjectCheckedTest {
protected:
    // Adds a new empty dictionary under key in the named-object dictionary; returns its id.
    AcDbObjectId addEntry(const ACHAR* key) {
        AcDbDictionary* named = nullptr;
        EXPECT_EQ(Acad::eOk, db.getNamedObjectsDictionary(named, AcDb::kForWrite));
        auto* entry = new AcDbDictionary;
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, OpenedObject<AcDbDictionary>(named)->setAt(key, entry, id));
        entry->close();
        return id;
    }
    std::vector<std::wstring> keys(AcRx::DictIterType order) {
        AcDbDictionary* named = nullptr;
        db.getNamedObjectsDictionary(named, AcDb::kForRead);
        std::vector<std::wstring> found;
        const std::unique_ptr<AcDbDictionaryIterator> iterator(OpenedObject<AcDbDictionary>(named)->newIterator(order));
        for (; !iterator->done(); iterator->next()) found.push_back(iterator->name());
        return found;
    }
    AcDbDatabase db;
};

TEST_F(DbDictTest, EntriesAreFoundByKeyWithoutRegardToCaseAndReplacedUnderTheirKey) {
    AcDbObjectId id = addEntry(L"TZ-RVN");
    AcDbDictionary* named = nullptr;
    ASSERT_EQ(Acad::eOk, db.getNamedObjectsDictionary(named, AcDb::kForRead));
    AcDbObjectId found;
    EXPECT_EQ(Acad::eOk, named->getAt(L"tz-rvn", found));
    EXPECT_EQ(id, found);
    EXPECT_EQ(Acad::eKeyNotFound, named->getAt(L"TZ-RVN2", found));
    EXPECT_TRUE(found.isNull());
    EXPECT_TRUE(named->has(L"Tz-Rvn") && named->has(id) && !named->has(L"other"));
    EXPECT_EQ(1u, named->numEntries());

    AcDbObject* opened = nullptr;
    ASSERT_EQ(Acad::eOk, named->getAt(L"TZ-RVN", opened, AcDb::kForWrite));
    EXPECT_EQ(named->objectId(), OpenedObject<AcDbObject>(opened)->ownerId());
    EXPECT_EQ(Acad::eKeyNotFound, named->getAt(L"missing", opened, AcDb::kForRead));
    EXPECT_EQ(nullptr, opened);

    std::wstring name;
    EXPECT_EQ(Acad::eOk, named->nameAt(id, name));
    EXPECT_EQ(L"TZ-RVN", name);
    EXPECT_EQ(Acad::eKeyNotFound, named->nameAt(named->objectId(), name));
    named->close();

    // Setting a key again replaces the entry, erasing the old one, and takes the new spelling.
    const AcDbObjectId replacing = addEntry(L"tz-rvn");
    EXPECT_TRUE(id.isErased() && !replacing.isErased());
    EXPECT_EQ(std::vector<std::wstring>{L"tz-rvn"}, keys(AcRx::kDictSorted));
}

TEST_F(DbDictTest, SetAtRefusesWhatTheHostRefuses) {
    AcDbDictionary* named = nullptr;
    ASSERT_EQ(Acad::eOk, db.getNamedObjectsDictionary(named, AcDb::kForRead));
    auto* entry = new AcDbDictionary;
    AcDbObjectId id;
    EXPECT_EQ(Acad::eNotOpenForWrite, named->setAt(L"A", entry, id));
    ASSERT_EQ(Acad::eOk, named->upgradeOpen());
    EXPECT_EQ(Acad::eInvalidKey, named->setAt(L"", entry, id));
    EXPECT_EQ(Acad::eNullObjectPointer, named->setAt(L"A", nullptr, id));
    EXPECT_EQ(Acad::eInvalidInput, named->setAt(L"Self", named, id));
    AcDbDatabase other;
    AcDbDictionary* foreign = nullptr;
    ASSERT_EQ(Acad::eOk, other.getNamedObjectsDictionary(foreign, AcDb::kForWrite));
    EXPECT_EQ(Acad::eWrongDatabase, named->setAt(L"A", foreign, id));
    foreign->close();
    named->close();
    EXPECT_TRUE(entry->objectId().isNull());

    auto* loose = new AcDbDictionary;
    EXPECT_EQ(Acad::eNoDatabase, loose->setAt(L"A", entry, id));
    delete loose;
    delete entry;
}

TEST_F(DbDictTest, IterationIsSortedOrInTheOrderOfAddition) {
    for (const ACHAR* key : {L"b", L"C", L"a"}) addEntry(key);
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b", L"C"}), keys(AcRx::kDictSorted));
    EXPECT_EQ((std::vector<std::wstring>{L"b", L"C", L"a"}), keys(AcRx::kDictCollated));
}

TEST_F(DbDictTest, ErasedEntriesAreNotFoundAndErasingADictionaryErasesItsEntries) {
    AcDbObjectId outer = addEntry(L"Outer");
    AcDbDictionary* dictionary = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(dictionary, outer, AcDb::kForWrite));
    auto* inner = new AcDbDictionary;
    AcDbObjectId innerId;
    ASSERT_EQ(Acad::eOk, dictionary->setAt(L"Inner", inner, innerId));
    EXPECT_EQ(Acad::eOk, inner->erase());
    inner->close();
    EXPECT_FALSE(dictionary->has(L"Inner"));
    EXPECT_EQ(0u, dictionary->numEntries());
    AcDbObject* object = nullptr;
    EXPECT_EQ(Acad::eKeyNotFound, dictionary->getAt(L"Inner", object, AcDb::kForRead));

    ASSERT_EQ(Acad::eOk, acdbOpenObject(inner, innerId, AcDb::kForWrite, true));
    inner->erase(false);
    inner->close();
    EXPECT_TRUE(dictionary->has(L"Inner"));
    EXPECT_EQ(Acad::eOk, dictionary->erase());
    dictionary->close();
    EXPECT_TRUE(innerId.isErased());

    AcDbDictionary* named = nullptr;
    db.getNamedObjectsDictionary(named, AcDb::kForRead);
    EXPECT_FALSE(OpenedObject<AcDbDictionary>(named)->has(L"Outer"));
}

}  // namespace
