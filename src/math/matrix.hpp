#pragma once
// Four-component rows and 4x4 matrices. Points are row vectors multiplied on the left,
// p' = (x, y, z, 1) * M, with the translation in the fourth row; in A * B, A acts first.

#include <cstdint>

#include "math/vector3d.hpp"

namespace quarn {

struct Vector4D {
    float x = 0;
    float y = 0;
    float z = 0;
    float w = 0;
    friend bool operator==(const Vector4D&, const Vector4D&) = default;
};

struct Matrix4x4 {
    Vector4D row[4];  // row[0] is the first row
    friend bool operator==(const Matrix4x4&, const Matrix4x4&) = default;
};

enum RotationAxis : std::int16_t { kAxisX = 1, kAxisY = 2, kAxisZ = 3 };

Vector4D MakeRow(double x, double y, double z, double w);
float RowDot(const Vector4D& a, const Vector4D& b);
Vector4D RowScale(const Vector4D& row, float s);
bool RowEquals(const Vector4D& a, const Vector4D& b);
inline Vector4D PointToHomogeneous(const Vector3D& v) { return {v.x, v.y, v.z, 1}; }

Matrix4x4 MatrixFromRows(const Vector4D& r1, const Vector4D& r2, const Vector4D& r3, const Vector4D& r4);
Matrix4x4 IdentityMatrix();
inline Matrix4x4 ZeroMatrix() { return {}; }
Matrix4x4 TranslationMatrix(const Vector3D& t);
Matrix4x4 ScaleMatrix(const Vector3D& s);
// Rotation about axis 1 (x), 2 (y) or 3 (z); any other axis code gives the zero matrix.
Matrix4x4 RotationMatrix(int axis, float angle);
Matrix4x4 MatrixMultiply(const Matrix4x4& a, const Matrix4x4& b);
Matrix4x4 MatrixTranspose(const Matrix4x4& m);
Matrix4x4 MatrixScale(const Matrix4x4& m, float s);
bool MatrixEquals(const Matrix4x4& a, const Matrix4x4& b);

float Determinant2(float a, float b, float c, float d);
float Determinant3(float a, float b, float c, float d, float e, float f, float g, float h, float i);
float Determinant4(const Matrix4x4& m);
// Adjugate over determinant; a singular matrix raises ArithmeticError.
Matrix4x4 MatrixInverse(const Matrix4x4& m);

// First three components of (p, 1) * M: no division by w.
Vector3D TransformPoint(const Vector3D& p, const Matrix4x4& m);
Vector4D TransformPoint4(const Vector3D& p, const Matrix4x4& m);

}  // namespace quarn
