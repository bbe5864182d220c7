#include "sysvars.h"

#include "acedads.h"
#include "acutmem.h"
#include "dbapserv.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "editor_state.h"

#include <cwctype>
#include <map>
#include <memory>

namespace rvnhost {

namespace {

struct Variable {
    VariableGetter get;
    VariableSetter set;
};

std::wstring upperCase(const std::wstring& text) {
    std::wstring upper(text);
    for (auto& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    return upper;
}

int setString(resbuf& result, const std::wstring& text) {
    result.restype = RTSTR;
    result.resval.rstring = nullptr;
    return acutNewString(text.c_str(), result.resval.rstring) == Acad::eOk ? RTNORM : RTERROR;
}

int setShort(resbuf& result, int value) {
    result.restype = RTSHORT;
    result.resval.rint = static_cast<short>(value);
    return RTNORM;
}

std::optional<int> integerOf(const resbuf& value) {
    if (value.restype == RTSHORT) return value.resval.rint;
    if (value.restype == RTLONG) return value.resval.rlong;
    return std::nullopt;
}

std::optional<double> realOf(const resbuf& value) {
    if (value.restype == RTREAL) return value.resval.rreal;
    if (const std::optional<int> integer = integerOf(value)) return *integer;
    return std::nullopt;
}

int statusResult(Acad::ErrorStatus status) { return status == Acad::eOk ? RTNORM : RTERROR; }

// A variable of the working database read and written through the database's own accessors.
template <class Get, class Set>
Variable databaseVariable(Get get, Set set) {
    return {[get](resbuf& result) {
                AcDbDatabase* database = workingDatabase();
                return database ? get(*database, result) : RTERROR;
            },
            [set](const resbuf& value) {
                AcDbDatabase* database = workingDatabase();
                return database ? set(*database, value) : RTERROR;
            }};
}

Variable shortDatabaseVariable(Adesk::Int16 (AcDbDatabase::*get)() const,
                               Acad::ErrorStatus (AcDbDatabase::*set)(Adesk::Int16)) {
    return databaseVariable([get](AcDbDatabase& database, resbuf& result) { return setShort(result, (database.*get)()); },
                            [set](AcDbDatabase& database, const resbuf& value) {
                                const std::optional<int> integer = integerOf(value);
                                if (!integer || *integer < -32768 || *integer > 32767) return RTERROR;
                                return statusResult((database.*set)(static_cast<Adesk::Int16>(*integer)));
                            });
}

// The name of a symbol table record, read through a guard that closes it.
template <class Record>
int recordName(AcDbObjectId id, resbuf& result) {
    OpenedObject<Record> record(id, AcDb::kForRead);
    std::wstring name;
    if (!record || record->getName(name) != Acad::eOk) return RTERROR;
    return setString(result, name);
}

// The id of the named record of a table of the database; null when there is none.
template <class Table>
AcDbObjectId recordId(AcDbDatabase& database, const resbuf& value) {
    if (value.restype != RTSTR || value.resval.rstring == nullptr) return AcDbObjectId();
    Table* opened = nullptr;
    database.getSymbolTable(opened, AcDb::kForRead);
    OpenedObject<Table> table(opened);
    AcDbObjectId id;
    if (table) table->getIdAt(value.resval.rstring, id);
    return id;
}

Variable layerVariable() {
    return databaseVariable(
        [](AcDbDatabase& database, resbuf& result) { return recordName<AcDbLayerTableRecord>(database.clayer(), result); },
        [](AcDbDatabase& database, const resbuf& value) {
            const AcDbObjectId layer = recordId<AcDbLayerTable>(database, value);
            return layer.isNull() ? RTERROR : statusResult(database.setClayer(layer));
        });
}

Variable textStyleVariable() {
    return databaseVariable(
        [](AcDbDatabase& database, resbuf& result) {
            return recordName<AcDbTextStyleTableRecord>(database.textstyle(), result);
        },
        [](AcDbDatabase& database, const resbuf& value) {
            const AcDbObjectId style = recordId<AcDbTextStyleTable>(database, value);
            return style.isNull() ? RTERROR : statusResult(database.setTextstyle(style));
        });
}

Variable textSizeVariable() {
    return databaseVariable(
        [](AcDbDatabase& database, resbuf& result) {
            result.restype = RTREAL;
            result.resval.rreal = database.textsize();
            return RTNORM;
        },
        [](AcDbDatabase& database, const resbuf& value) {
            const std::optional<double> size = realOf(value);
            return size ? statusResult(database.setTextsize(*size)) : RTERROR;
        });
}

Variable lastPointVariable() {
    return {[](resbuf& result) {
                const AcGePoint3d& point = EditorState::instance().lastPoint();
                result.restype = RT3DPOINT;
                result.resval.rpoint[X] = point.x;
                result.resval.rpoint[Y] = point.y;
                result.resval.rpoint[Z] = point.z;
                return RTNORM;
            },
            [](const resbuf& value) {
                if (value.restype != RT3DPOINT && value.restype != RTPOINT) return RTERROR;
                const double z = value.restype == RT3DPOINT ? value.resval.rpoint[Z] : 0.0;
                EditorState::instance().setLastPoint({value.resval.rpoint[X], value.resval.rpoint[Y], z});
                return RTNORM;
            }};
}

// A short variable the host keeps, limited to a range.
Variable boundedShortVariable(int initial, int lowest, int highest) {
    auto value = std::make_shared<int>(initial);
    return {[value](resbuf& result) { return setShort(result, *value); },
            [value, lowest, highest](const resbuf& given) {
                const std::optional<int> integer = integerOf(given);
                if (!integer || *integer < lowest || *integer > highest) return RTERROR;
                *value = *integer;
                return RTNORM;
            }};
}

std::map<std::wstring, Variable>& variables() {
    static std::map<std::wstring, Variable> table{
        {L"LUNITS", shortDatabaseVariable(&AcDbDatabase::lunits, &AcDbDatabase::setLunits)},
        {L"LUPREC", shortDatabaseVariable(&AcDbDatabase::luprec, &AcDbDatabase::setLuprec)},
        {L"ATTMODE", shortDatabaseVariable(&AcDbDatabase::attmode, &AcDbDatabase::setAttmode)},
        {L"CLAYER", layerVariable()},
        {L"TEXTSTYLE", textStyleVariable()},
        {L"TEXTSIZE", textSizeVariable()},
        {L"LASTPOINT", lastPointVariable()},
        {L"ERRNO", boundedShortVariable(0, -32768, 32767)},
        {L"AUNITS", boundedShortVariable(0, 0, 4)},
        {L"AUPREC", boundedShortVariable(0, 0, 8)},
    };
    return table;
}

}  // namespace

void defineVariable(const std::wstring& name, VariableGetter get, VariableSetter set) {
    variables()[upperCase(name)] = Variable{std::move(get), std::move(set)};
}

int getVariable(const std::wstring& name, resbuf& result) {
    const auto found = variables().find(upperCase(name));
    return found == variables().end() ? RTERROR : found->second.get(result);
}

int setVariable(const std::wstring& name, const resbuf& value) {
    const auto found = variables().find(upperCase(name));
    if (found == variables().end() || !found->second.set) return RTERROR;
    return found->second.set(value);
}

int integerVariable(const std::wstring& name, int fallback) {
    resbuf value{};
    if (getVariable(name, value) != RTNORM) return fallback;
    return integerOf(value).value_or(fallback);
}

void setErrno(int code) {
    resbuf value{};
    setShort(value, code);
    setVariable(L"ERRNO", value);
}

AcDbDatabase* workingDatabase() { return acdbHostApplicationServices()->workingDatabase(); }

}  // namespace rvnhost

int acedGetVar(const ACHAR* name, resbuf* result) {
    if (name == nullptr || result == nullptr) return RTERROR;
    return rvnhost::getVariable(name, *result);
}

int acedSetVar(const ACHAR* name, const resbuf* value) {
    if (name == nullptr || value == nullptr) return RTERROR;
    return rvnhost::setVariable(name, *value);
}
