// What 2D and 3D polylines share: vertices that are entities of their own, kept in a list closed
// by a sequence end, each of the vertex type the polyline's type gives it; and being closed or open.
#pragma once

#include "db_entity_owned.h"
#include "dbents_curve.h"
#include "dbents_setter.h"
#include "dbents_vertex.h"

class AcDbObjectIterator;

namespace rvnhost {

template <class Vertex, class VertexType>
class PolylineVertices : public AcDbCurve, public ComplexEntity {
public:
    bool isClosed() const override { return closed_; }
    Acad::ErrorStatus makeClosed() { return setWhenWritable(*this, closed_, true); }
    Acad::ErrorStatus makeOpen() { return setWhenWritable(*this, closed_, false); }

    // Adds a vertex at the end. With the polyline in a database the vertex joins it open for write
    // (close it); else the polyline holds it until it joins one.
    Acad::ErrorStatus appendVertex(Vertex* vertex) {
        AcDbObjectId id;
        return appendVertex(id, vertex);
    }
    Acad::ErrorStatus appendVertex(AcDbObjectId& id, Vertex* vertex) {
        id.setNull();
        Acad::ErrorStatus status = assertWriteEnabled();
        if (status != Acad::eOk) return status;
        if (vertex != nullptr) vertex->type_ = newVertexType();
        return vertices_.append(*this, id, vertex, true);
    }
    // Opens one of the polyline's vertices: eInvalidInput for a vertex of another owner.
    Acad::ErrorStatus openVertex(Vertex*& vertex, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false) const {
        vertex = nullptr;
        Acad::ErrorStatus status = assertReadEnabled();
        if (status != Acad::eOk) return status;
        return openSubentity(vertices_, vertex, id, mode, openErased);
    }
    Acad::ErrorStatus openSequenceEnd(AcDbSequenceEnd*& end, AcDb::OpenMode mode) const {
        end = nullptr;
        Acad::ErrorStatus status = assertReadEnabled();
        if (status != Acad::eOk) return status;
        return acdbOpenObject(end, vertices_.sequenceEnd(), mode);
    }
    // The caller deletes the iterator.
    AcDbObjectIterator* vertexIterator() const { return vertices_.newIterator(); }

    SubentityList& subentityList() override { return vertices_; }
    const SubentityList& subentityList() const override { return vertices_; }
    bool acceptsSubentity(const AcDbEntity& entity) const override { return Vertex::cast(&entity) != nullptr; }
    bool alwaysHasSequenceEnd() const override { return true; }

protected:
    explicit PolylineVertices(bool closed = false) : closed_(closed) {}

    // The type a vertex takes in this polyline, given its type.
    virtual VertexType newVertexType() const = 0;
    // Sets the polyline's type field and gives every vertex the type that follows from it; nothing
    // changes when the polyline or a vertex cannot be opened for write.
    template <class PolyType>
    Acad::ErrorStatus changeType(PolyType& field, PolyType type) {
        Acad::ErrorStatus status = assertWriteEnabled();
        if (status != Acad::eOk) return status;
        const PolyType previous = field;
        field = type;
        const VertexType vertexType = newVertexType();
        status = changeSubentities(vertices_, [&](AcDbEntity& entity) {
            static_cast<Vertex&>(entity).type_ = vertexType;
            return Acad::eOk;
        });
        if (status != Acad::eOk) field = previous;
        return status;
    }
    Acad::ErrorStatus subErase(bool erasing) override {
        vertices_.markErased(erasing);
        return Acad::eOk;
    }

    bool closed_ = false;
    SubentityList vertices_;
};

}  // namespace rvnhost
