#include "symbol_blocks.h"

#include "dbattr.h"
#include "dbline.h"
#include "dbpl.h"
#include "gepnt2d.h"
#include "schema/model_space.h"
#include "schema/schema_names.h"

#include <memory>

namespace {

constexpr double kTextHeight = 0.25;
constexpr double kNodeRadius = 0.3;

struct Definition {
    const wchar_t* tag;
    const wchar_t* prompt;
    const wchar_t* value;
    bool invisible;
};

Acad::ErrorStatus append(AcDbDatabase& database, std::unique_ptr<AcDbEntity> entity) {
    AcDbObjectId id;
    const Acad::ErrorStatus status = AppendToModelSpace(&database, entity.get(), id);
    if (status != Acad::eOk) return status;
    return entity.release()->close();
}

// The definitions one under the other, starting at top and going down by a text line and a half.
Acad::ErrorStatus appendDefinitions(AcDbDatabase& database, AcGePoint3d top, std::initializer_list<Definition> list) {
    for (const Definition& definition : list) {
        auto made = std::make_unique<AcDbAttributeDefinition>(top, definition.value, definition.tag, definition.prompt);
        made->setHeight(kTextHeight);
        made->setInvisible(definition.invisible);
        const Acad::ErrorStatus status = append(database, std::move(made));
        if (status != Acad::eOk) return status;
        top.y -= 1.5 * kTextHeight;
    }
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus DrawNodeSymbol(AcDbDatabase& database) {
    // A circle as two half-circle arcs (bulge 1) of a closed polyline.
    auto circle = std::make_unique<AcDbPolyline>(2);
    circle->addVertexAt(0, AcGePoint2d(-kNodeRadius, 0.0), 1.0);
    circle->addVertexAt(1, AcGePoint2d(kNodeRadius, 0.0), 1.0);
    circle->setClosed(true);
    Acad::ErrorStatus status = append(database, std::move(circle));
    if (status == Acad::eOk) {
        status = append(database, std::make_unique<AcDbLine>(AcGePoint3d(-kNodeRadius, 0, 0), AcGePoint3d(kNodeRadius, 0, 0)));
    }
    if (status == Acad::eOk) {
        status = append(database, std::make_unique<AcDbLine>(AcGePoint3d(0, -kNodeRadius, 0), AcGePoint3d(0, kNodeRadius, 0)));
    }
    if (status != Acad::eOk) return status;
    using namespace rvnschema;
    return appendDefinitions(database, AcGePoint3d(0.5, 0.6, 0.0),
                             {{kNodeSymbolTag, L"Simbolo", L"A", false},
                              {kNodeNameTag, L"Nome/Numero", L"-", false},
                              {kNodeDemandTag, L"Portata", L"0", true},
                              {kNodeElevationTag, L"Quota", L"0", false},
                              {kNodeNoteTag, L"Descrizione", L"", true}});
}

Acad::ErrorStatus DrawTankSymbol(AcDbDatabase& database) {
    // The basin stands above the node: a trapezoid wider at the top, a water line inside it.
    auto basin = std::make_unique<AcDbPolyline>(4);
    basin->addVertexAt(0, AcGePoint2d(-0.4, 0.3));
    basin->addVertexAt(1, AcGePoint2d(0.4, 0.3));
    basin->addVertexAt(2, AcGePoint2d(0.7, 1.1));
    basin->addVertexAt(3, AcGePoint2d(-0.7, 1.1));
    basin->setClosed(true);
    Acad::ErrorStatus status = append(database, std::move(basin));
    if (status == Acad::eOk) {
        status = append(database, std::make_unique<AcDbLine>(AcGePoint3d(-0.58, 0.8, 0), AcGePoint3d(0.58, 0.8, 0)));
    }
    if (status == Acad::eOk) {
        status = append(database, std::make_unique<AcDbLine>(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0.3, 0)));
    }
    if (status != Acad::eOk) return status;
    using namespace rvnschema;
    return appendDefinitions(database, AcGePoint3d(0.9, 1.1, 0.0),
                             {{kTankSymbolTag, L"Simbolo", L"D", false},
                              {kTankHeadTag, L"Piezometrica", L"1", false},
                              {kTankNoteTag, L"Descrizione", L"", true}});
}
