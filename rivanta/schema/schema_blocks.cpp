#include "schema/schema_blocks.h"

#include "frame/translation.h"
#include "dbattr.h"
#include "dbsymtb.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/block_attributes.h"
#include "schema/program_folder.h"
#include "schema/schema_texts.h"

#include <memory>
#include <string>

namespace {

void report(std::wstring_view format, const std::wstring& path) { PrintMessage(FormatTranslated(format, {path})); }

bool isBlockTag(const TzRvnSchemaBlock& block, std::wstring_view tag) {
    for (const rvnschema::AttributeLayer& known : block.tags) {
        if (SameTag(known.tag, tag)) return true;
    }
    return false;
}

// Counts the block's non-constant attribute definitions with one of its tags; the message of the
// step that failed when the definition cannot be walked.
bool countDefinitions(AcDbObjectId blockId, const TzRvnSchemaBlock& block, int& count, std::wstring_view& failure) {
    TzRvnOpenObject<AcDbBlockTableRecord> record(blockId, AcDb::kForRead);
    if (!record.isOpen()) {
        failure = rvntext::kBlockNotInspected;
        return false;
    }
    AcDbBlockTableRecordIterator* raw = nullptr;
    if (record->newIterator(raw) != Acad::eOk || raw == nullptr) {
        failure = rvntext::kBlockNoIterator;
        return false;
    }
    const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(raw);
    count = 0;
    for (; !iterator->done(); iterator->step()) {
        TzRvnOpenObject<AcDbEntity> entity;
        if (entity.take(iterator->getEntity(entity.slot(), AcDb::kForRead)) != Acad::eOk) {
            failure = rvntext::kBlockEntitiesUnreachable;
            return false;
        }
        const AcDbAttributeDefinition* definition = AcDbAttributeDefinition::cast(entity.get());
        if (definition != nullptr && !definition->isConstant() && isBlockTag(block, definition->tagConst())) ++count;
    }
    return true;
}

void eraseBlock(AcDbObjectId blockId) {
    TzRvnOpenObject<AcDbBlockTableRecord> record(blockId, AcDb::kForWrite);
    if (record.isOpen()) record->erase();
}

// Reads the block drawing at path into the drawing under the block's name.
bool insertBlockDrawing(AcDbDatabase* database, const TzRvnSchemaBlock& block, const std::wstring& path,
                        AcDbObjectId& blockId) {
    AcDbDatabase source(false, true);
    if (source.readDwgFile(path.c_str()) != Acad::eOk) {
        report(rvntext::kBlockNotRead, path);
        return false;
    }
    if (database->insert(blockId, block.name, &source) != Acad::eOk) {
        report(rvntext::kBlockNotInserted, path);
        return false;
    }
    int count = 0;
    std::wstring_view failure;
    if (!countDefinitions(blockId, block, count, failure)) {
        eraseBlock(blockId);
        report(failure, path);
        return false;
    }
    if (count < block.requiredDefinitions) {
        eraseBlock(blockId);
        report(rvntext::kBlockMalformed, path);
        return false;
    }
    return true;
}

}  // namespace

bool EnsureSchemaBlock(AcDbDatabase* database, const TzRvnSchemaBlock& block, AcDbObjectId& blockId) {
    blockId.setNull();
    if (database == nullptr) return false;
    {
        TzRvnOpenObject<AcDbBlockTable> blocks;
        if (blocks.take(database->getSymbolTable(blocks.slot(), AcDb::kForRead)) != Acad::eOk) return false;
        if (blocks->getAt(block.name, blockId) == Acad::eOk) return true;
    }
    std::wstring folder;
    if (!ReadProgramFolder(folder)) return false;
    if (insertBlockDrawing(database, block, folder + std::wstring(block.file), blockId)) return true;
    blockId.setNull();
    return false;
}
