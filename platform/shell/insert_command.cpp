#include "insert_command.h"

#include "acedads.h"
#include "dbapserv.h"
#include "dbattr.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "gescl3d.h"
#include "model_space_append.h"
#include "transcript.h"
#include "ucs.h"

#include <filesystem>
#include <memory>
#include <numbers>
#include <string>

namespace rvnshell {
namespace {

void showError(const std::wstring& text) { rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, text); }

AcDbObjectId blockOfDrawing(AcDbDatabase& database, const std::wstring& name) {
    AcDbBlockTable* table = nullptr;
    AcDbObjectId block;
    if (database.getSymbolTable(table, AcDb::kForRead) != Acad::eOk) return block;
    table->getAt(name.c_str(), block);
    table->close();
    return block;
}

// The drawing file a name stands for: the name itself or the name with ".dwg"; empty when neither is
// a file.
std::filesystem::path drawingFileOf(const std::wstring& name) {
    std::error_code error;
    for (std::filesystem::path path : {std::filesystem::path(name), std::filesystem::path(name + L".dwg")}) {
        if (std::filesystem::is_regular_file(path, error)) return path;
    }
    return {};
}

// The block a typed name stands for: a block of the drawing, else a drawing file read in as the
// block of its file name (or that block when the drawing already has it). Null, with the reason
// shown, when there is none.
AcDbObjectId blockNamed(AcDbDatabase& database, const std::wstring& name) {
    if (AcDbObjectId block = blockOfDrawing(database, name); !block.isNull()) return block;
    const std::filesystem::path file = drawingFileOf(name);
    if (file.empty()) {
        showError(L"Block \"" + name + L"\" not found.");
        return AcDbObjectId();
    }
    const std::wstring blockName = file.stem().wstring();
    if (AcDbObjectId block = blockOfDrawing(database, blockName); !block.isNull()) return block;
    AcDbDatabase source(false, true);
    AcDbObjectId block;
    if (source.readDwgFile(file.wstring().c_str()) != Acad::eOk || database.insert(block, blockName.c_str(), &source) != Acad::eOk) {
        showError(L"The drawing \"" + file.wstring() + L"\" cannot be inserted.");
        return AcDbObjectId();
    }
    return block;
}

// A real typed at a prompt, Return keeping the default. False on Cancel.
bool askReal(const ACHAR* prompt, int conditions, ads_real& value) {
    acedInitGet(conditions, nullptr);
    const int result = acedGetReal(prompt, &value);
    return result == RTNORM || result == RTNONE;
}

// The block's attributes on the reference, with the default texts of their definitions.
void addAttributes(AcDbBlockReference& reference, AcDbObjectId block) {
    AcDbBlockTableRecord* record = nullptr;
    if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk) return;
    for (AcDbObjectId id : record->entityIds()) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        const auto* definition = AcDbAttributeDefinition::cast(entity);
        if (definition != nullptr && !definition->isConstant()) {
            auto attribute = std::make_unique<AcDbAttribute>();
            if (attribute->setAttributeFromBlock(definition, reference.blockTransform()) == Acad::eOk &&
                reference.appendAttribute(attribute.get()) == Acad::eOk) {
                attribute.release();
            }
        }
        entity->close();
    }
    record->close();
}

}  // namespace

void insertCommand() {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    ACHAR name[ACED_MAX_INPUT + 1] = L"";
    if (database == nullptr || acedGetString(1, L"\nBlock name or drawing file: ", name) != RTNORM || name[0] == L'\0') return;
    const AcDbObjectId block = blockNamed(*database, name);
    if (block.isNull()) return;
    ads_point at{};
    ads_real scale = 1.0;
    ads_real degrees = 0.0;
    if (acedGetPoint(nullptr, L"\nInsertion point: ", at) != RTNORM ||
        !askReal(L"\nScale factor <1>: ", RSG_NOZERO | RSG_NONEG, scale) || !askReal(L"\nRotation angle <0>: ", 0, degrees)) {
        return;
    }
    auto reference = std::make_unique<AcDbBlockReference>(rvnhost::ucsToWorld() * AcGePoint3d(at[0], at[1], at[2]), block);
    reference->setScaleFactors(AcGeScale3d(scale));
    reference->setRotation(degrees * std::numbers::pi / 180.0);
    addAttributes(*reference, block);
    rvnhost::appendToModelSpace(reference.release());
}

}  // namespace rvnshell
