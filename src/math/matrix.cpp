#include "math/matrix.hpp"

#include <cmath>

#include "platform/numeric.hpp"

namespace quarn {
namespace {

float Element(const Matrix4x4& m, int index) {
    const Vector4D& r = m.row[index / 4];
    switch (index % 4) {
        case 0: return r.x;
        case 1: return r.y;
        case 2: return r.z;
        default: return r.w;
    }
}

float& Element(Matrix4x4& m, int row, int column) {
    Vector4D& r = m.row[row];
    switch (column) {
        case 0: return r.x;
        case 1: return r.y;
        case 2: return r.z;
        default: return r.w;
    }
}

Vector4D Column(const Matrix4x4& m, int c) {
    return {Element(m, c), Element(m, 4 + c), Element(m, 8 + c), Element(m, 12 + c)};
}

// (x, y, z, 1) . column, summed in the same order as RowDot.
double ApplyColumn(const Vector3D& p, const Vector4D& c) {
    return double(p.y) * c.y + double(p.x) * c.x + double(p.z) * c.z + double(c.w);
}

}  // namespace

Vector4D MakeRow(double x, double y, double z, double w) {
    return {StoreFloat(x), StoreFloat(y), StoreFloat(z), StoreFloat(w)};
}

float RowDot(const Vector4D& a, const Vector4D& b) {
    return StoreFloat(double(a.y) * b.y + double(a.x) * b.x + double(a.z) * b.z + double(a.w) * b.w);
}

Vector4D RowScale(const Vector4D& r, float s) {
    return MakeRow(double(r.x) * s, double(r.y) * s, double(r.z) * s, double(r.w) * s);
}

bool RowEquals(const Vector4D& a, const Vector4D& b) { return a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w; }

Matrix4x4 MatrixFromRows(const Vector4D& r1, const Vector4D& r2, const Vector4D& r3, const Vector4D& r4) {
    return {{r1, r2, r3, r4}};
}

Matrix4x4 IdentityMatrix() { return {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}}; }

Matrix4x4 TranslationMatrix(const Vector3D& t) {
    Matrix4x4 m = IdentityMatrix();
    m.row[3] = {t.x, t.y, t.z, 1};
    return m;
}

Matrix4x4 ScaleMatrix(const Vector3D& s) { return {{{s.x, 0, 0, 0}, {0, s.y, 0, 0}, {0, 0, s.z, 0}, {0, 0, 0, 1}}}; }

Matrix4x4 RotationMatrix(int axis, float angle) {
    const float c = StoreFloat(std::cos(double(angle)));
    const float s = StoreFloat(std::sin(double(angle)));
    switch (axis) {
        case kAxisX: return {{{1, 0, 0, 0}, {0, c, s, 0}, {0, -s, c, 0}, {0, 0, 0, 1}}};
        case kAxisY: return {{{c, 0, -s, 0}, {0, 1, 0, 0}, {s, 0, c, 0}, {0, 0, 0, 1}}};
        case kAxisZ: return {{{c, s, 0, 0}, {-s, c, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
        default: return ZeroMatrix();
    }
}

Matrix4x4 MatrixMultiply(const Matrix4x4& a, const Matrix4x4& b) {
    Matrix4x4 result;
    for (int c = 0; c < 4; ++c) {
        const Vector4D column = Column(b, c);
        for (int r = 0; r < 4; ++r) Element(result, r, c) = RowDot(a.row[r], column);
    }
    return result;
}

Matrix4x4 MatrixTranspose(const Matrix4x4& m) {
    return {{Column(m, 0), Column(m, 1), Column(m, 2), Column(m, 3)}};
}

Matrix4x4 MatrixScale(const Matrix4x4& m, float s) {
    return {{RowScale(m.row[0], s), RowScale(m.row[1], s), RowScale(m.row[2], s), RowScale(m.row[3], s)}};
}

bool MatrixEquals(const Matrix4x4& a, const Matrix4x4& b) {
    for (int r = 0; r < 4; ++r)
        if (!RowEquals(a.row[r], b.row[r])) return false;
    return true;
}

float Determinant2(float a, float b, float c, float d) { return StoreFloat(double(a) * d - double(b) * c); }

float Determinant3(float a, float b, float c, float d, float e, float f, float g, float h, float i) {
    return StoreFloat(double(a) * Determinant2(e, f, h, i) - double(b) * Determinant2(d, f, g, i) +
                      double(c) * Determinant2(d, e, g, h));
}

namespace {

// Determinant3 of the minor of m left after deleting row and column (0-based).
float Minor(const Matrix4x4& m, int row, int column) {
    float e[9];
    int n = 0;
    for (int r = 0; r < 4; ++r) {
        if (r == row) continue;
        for (int c = 0; c < 4; ++c)
            if (c != column) e[n++] = Element(m, r * 4 + c);
    }
    return Determinant3(e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[8]);
}

}  // namespace

float Determinant4(const Matrix4x4& m) {
    return StoreFloat(double(Element(m, 0)) * Minor(m, 0, 0) - double(Element(m, 1)) * Minor(m, 0, 1) +
                      double(Element(m, 2)) * Minor(m, 0, 2) - double(Element(m, 3)) * Minor(m, 0, 3));
}

Matrix4x4 MatrixInverse(const Matrix4x4& m) {
    Matrix4x4 cofactors;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const float minor = Minor(m, r, c);
            Element(cofactors, r, c) = ((r + c) % 2 == 0) ? minor : -minor;
        }
    const float k = StoreFloat(CheckedDivide(1.0, Determinant4(m)));
    return MatrixTranspose(MatrixScale(cofactors, k));
}

Vector3D TransformPoint(const Vector3D& p, const Matrix4x4& m) {
    return MakeVector(ApplyColumn(p, Column(m, 0)), ApplyColumn(p, Column(m, 1)), ApplyColumn(p, Column(m, 2)));
}

Vector4D TransformPoint4(const Vector3D& p, const Matrix4x4& m) {
    return MakeRow(ApplyColumn(p, Column(m, 0)), ApplyColumn(p, Column(m, 1)), ApplyColumn(p, Column(m, 2)),
                   ApplyColumn(p, Column(m, 3)));
}

}  // namespace quarn
