// A 4x4 matrix of homogeneous coordinates: the transformations of points and vectors in space.
// A point p becomes M * p (column vector), so in A * B the transformation B is applied first.
#pragma once

#include "gepnt3d.h"
#include "gescl3d.h"

class AcGeMatrix3d {
public:
    AcGeMatrix3d();  // the identity
    static const AcGeMatrix3d kIdentity;

    AcGeMatrix3d& setToIdentity();
    bool isEqualTo(const AcGeMatrix3d& other, const AcGeTol& tol = AcGeContext::gTol) const;
    bool operator==(const AcGeMatrix3d& other) const;

    AcGeMatrix3d operator*(const AcGeMatrix3d& right) const;
    AcGeMatrix3d& operator*=(const AcGeMatrix3d& right) { return postMultBy(right); }
    // this = left * this, and this = this * right.
    AcGeMatrix3d& preMultBy(const AcGeMatrix3d& left);
    AcGeMatrix3d& postMultBy(const AcGeMatrix3d& right);
    AcGeMatrix3d& setToProduct(const AcGeMatrix3d& left, const AcGeMatrix3d& right);

    double det() const;
    bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
    // The inverse; a singular matrix is left as it is (inverse() gives it back unchanged).
    AcGeMatrix3d& invert();
    AcGeMatrix3d inverse() const;
    // False, leaving result alone, when the matrix is singular within tol.
    bool inverse(AcGeMatrix3d& result, double tol) const;
    AcGeMatrix3d& transposeIt();
    AcGeMatrix3d transpose() const;

    AcGeMatrix3d& setToTranslation(const AcGeVector3d& vector);
    // Rotation by angle (radians, counter-clockwise looking against axis) about the axis through center.
    AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    AcGeMatrix3d& setToScaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    AcGeMatrix3d& setToScaling(const AcGeScale3d& scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    // Maps the world coordinate system onto the given one: the origin to origin, each world axis
    // to the given axis.
    AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& yAxis,
                                 const AcGeVector3d& zAxis);
    void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis, AcGeVector3d& zAxis) const;
    // Maps the "from" coordinate system onto the "to" one.
    AcGeMatrix3d& setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                     const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                     const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                     const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
    // From the coordinate system of a plane with that normal (its axes by the arbitrary axis rule
    // of the drawing's object coordinate systems) to the world, and back.
    AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal);
    AcGeMatrix3d& setToWorldToPlane(const AcGeVector3d& normal);

    AcGeVector3d translation() const;
    AcGeMatrix3d& setTranslation(const AcGeVector3d& vector);
    // The largest factor by which the matrix stretches a length.
    double scale() const;

    static AcGeMatrix3d translation(const AcGeVector3d& vector);
    static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                                 const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d scaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d scaling(const AcGeScale3d& scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                      const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                      const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                      const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
    static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);
    static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal);

    double operator()(unsigned row, unsigned column) const { return entry[row][column]; }
    double& operator()(unsigned row, unsigned column) { return entry[row][column]; }

    double entry[4][4];
};

inline AcGePoint3d operator*(const AcGeMatrix3d& matrix, const AcGePoint3d& point) {
    return AcGePoint3d(point).transformBy(matrix);
}

inline AcGeVector3d operator*(const AcGeMatrix3d& matrix, const AcGeVector3d& vector) {
    return AcGeVector3d(vector).transformBy(matrix);
}

// The X axis of the coordinate system of a plane with that normal, by the arbitrary axis rule:
// the normal crossed with the world Y axis when the normal is within 1/64 of the world Z axis,
// else with the world Z axis.
AcGeVector3d arbitraryXAxis(const AcGeVector3d& normal);
