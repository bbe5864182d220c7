#include "drawing_header.h"

#include "dwg_file_filer.h"

namespace rvnhost {

Acad::ErrorStatus writeDrawingHeader(AcDbDatabase& database, std::vector<unsigned char>& out) {
    DwgFileFiler filer(&database, &out);
    AcDbDatabase::HeaderIds ids = database.headerIds();
    filer.writeAcDbHandle(database.handseed());
    for (AcDbObjectId table : {ids.namedObjects, ids.blockTable, ids.layerTable, ids.linetypeTable,
                               ids.textStyleTable, ids.regAppTable}) {
        filer.writeHardOwnershipId(table);
    }
    for (AcDbObjectId record : {ids.clayer, ids.textstyle, ids.byLayer, ids.byBlock, ids.continuous}) {
        filer.writeHardPointerId(record);
    }
    filer.writeInt16(database.lunits());
    filer.writeInt16(database.luprec());
    filer.writeDouble(database.textsize());
    filer.writeInt16(database.attmode());
    return filer.filerStatus();
}

Acad::ErrorStatus readDrawingHeader(AcDbDatabase& database, std::span<const unsigned char> bytes,
                                    std::wstring& message) {
    DwgFileFiler filer(&database, bytes);
    AcDbHandle handseed;
    AcDbDatabase::HeaderIds ids;
    filer.readAcDbHandle(&handseed);
    for (AcDbObjectId* table : {&ids.namedObjects, &ids.blockTable, &ids.layerTable, &ids.linetypeTable,
                                &ids.textStyleTable, &ids.regAppTable}) {
        AcDbHardOwnershipId id;
        filer.readHardOwnershipId(&id);
        *table = id;
    }
    for (AcDbObjectId* record : {&ids.clayer, &ids.textstyle, &ids.byLayer, &ids.byBlock, &ids.continuous}) {
        AcDbHardPointerId id;
        filer.readHardPointerId(&id);
        *record = id;
    }
    Adesk::Int16 lunits = 0, luprec = 0;
    double textsize = 0.0;
    filer.readInt16(&lunits);
    filer.readInt16(&luprec);
    filer.readDouble(&textsize);
    // Drawings written before ATTMODE was filed end here; they keep the default.
    Adesk::Int16 attmode = database.attmode();
    if (!filer.atEnd()) filer.readInt16(&attmode);
    if (filer.filerStatus() != Acad::eOk || filer.unresolvedHandles() > 0) {
        message = L"the drawing's header is damaged";
        return Acad::eBadDwgHeader;
    }
    database.setHandseed(handseed);
    if (database.setHeaderIds(ids) != Acad::eOk || database.setLunits(lunits) != Acad::eOk ||
        database.setLuprec(luprec) != Acad::eOk || database.setTextsize(textsize) != Acad::eOk ||
        database.setAttmode(attmode) != Acad::eOk) {
        message = L"the drawing's header holds values out of range";
        return Acad::eBadDwgHeader;
    }
    return Acad::eOk;
}

}  // namespace rvnhost
