// Entity lists of the host's C interface: the groups of one entity (a type in group 0, then DXF
// groups, each a resbuf whose type is its group code), optionally followed by -3 and extended data.
// Here they are read into entities not yet in a database (acdbEntMake gathers and appends them).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "adsdef.h"
#include "gepnt3d.h"

class AcDbDatabase;
class AcDbEntity;

namespace rvnhost {

// The reasons a list is refused, as ERRNO reports them.
enum EntityListError {
    kListAccepted = 0,
    kBadLayerName = 25,
    kBadLinetypeName = 26,
    kBadColour = 27,
    kBadTextStyleName = 28,
    kBadField = 30,
    kBadEntityType = 36,
    kBadPolyline = 37,
    kIncompleteComplexEntity = 38,
    kBadBlockName = 39,
    kBadBlockDefinition = 46,
    kMandatoryFieldMissing = 47,
    kBadExtendedData = 48,
};

class EntityList {
public:
    // Reads the groups up to -3; a group of a code the host does not know, or a text group
    // without its text, makes the list malformed.
    explicit EntityList(const resbuf* list);

    bool wellFormed() const { return wellFormed_; }
    // Group 0, empty when missing.
    const std::wstring& type() const { return type_; }
    // The first group with that code, or null.
    const resbuf* group(int code) const;
    std::optional<double> real(int code) const;
    std::optional<int> integer(int code) const;
    std::optional<AcGePoint3d> point(int code) const;
    // Null when the group is missing.
    const ACHAR* text(int code) const;
    // The items after -3 (1001 and the data of each application), or null.
    const resbuf* extendedData() const { return extendedData_; }

private:
    std::vector<const resbuf*> groups_;
    std::wstring type_;
    const resbuf* extendedData_ = nullptr;
    bool wellFormed_ = true;
};

// An entity read from a list, not in a database; its layer is set when it is appended, so that a
// layer named in a list is made only when the entity really joins the drawing.
struct ListEntity {
    std::unique_ptr<AcDbEntity> entity;
    std::wstring layer;  // empty: the current layer
};

// Reads LINE, POINT, TEXT, ATTDEF, ATTRIB, INSERT, POLYLINE and VERTEX lists; owner is the
// polyline a vertex belongs to (its default widths). The result is an EntityListError.
int readEntityList(const EntityList& list, AcDbDatabase& database, const AcDbEntity* owner, ListEntity& made);

}  // namespace rvnhost
