#include "math/matrix.hpp"

#include <gtest/gtest.h>

#include "math/constants.hpp"
#include "platform/engine_fault.hpp"

namespace quarn {
namespace {

void ExpectNear(const Vector3D& actual, const Vector3D& expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(MatrixTest, RotationsFollowTheRowVectorConvention) {
    const float quarter = static_cast<float>(kHalfPi);
    ExpectNear(TransformPoint({0, 1, 0}, RotationMatrix(kAxisX, quarter)), {0, 0, 1});  // +y toward +z
    ExpectNear(TransformPoint({0, 0, 1}, RotationMatrix(kAxisY, quarter)), {1, 0, 0});  // +z toward +x
    ExpectNear(TransformPoint({1, 0, 0}, RotationMatrix(kAxisZ, quarter)), {0, 1, 0});  // +x toward +y
    EXPECT_EQ(RotationMatrix(0, 1), ZeroMatrix());
    EXPECT_EQ(RotationMatrix(4, 1), ZeroMatrix());
}

TEST(MatrixTest, ProductsActLeftFirst) {
    const Matrix4x4 s = ScaleMatrix({2, 2, 2});
    const Matrix4x4 t = TranslationMatrix({1, 2, 3});
    EXPECT_EQ(TransformPoint({0, 0, 0}, t), (Vector3D{1, 2, 3}));
    EXPECT_EQ(TransformPoint({1, 1, 1}, MatrixMultiply(s, t)), (Vector3D{3, 4, 5}));  // scale, then move
    EXPECT_EQ(TransformPoint({1, 1, 1}, MatrixMultiply(t, s)), (Vector3D{4, 6, 8}));  // move by a scaled amount
    EXPECT_EQ(MatrixMultiply(IdentityMatrix(), t), t);
    EXPECT_EQ(TransformPoint4({1, 1, 1}, t), (Vector4D{2, 3, 4, 1}));
}

TEST(MatrixTest, InverseUndoesARigidTransform) {
    Matrix4x4 m = MatrixMultiply(RotationMatrix(kAxisZ, 0.3f), RotationMatrix(kAxisX, -1.1f));
    m = MatrixMultiply(MatrixMultiply(m, RotationMatrix(kAxisY, 2.0f)), TranslationMatrix({10, -20, 30}));
    const Matrix4x4 inverse = MatrixInverse(m);
    ExpectNear(TransformPoint(TransformPoint({1, 2, 3}, m), inverse), {1, 2, 3}, 1e-4f);
    EXPECT_FLOAT_EQ(Determinant4(m), 1);
    EXPECT_FLOAT_EQ(Determinant4(ScaleMatrix({2, 3, 4})), 24);
    EXPECT_EQ(MatrixInverse(ScaleMatrix({2, 4, 8})), ScaleMatrix({0.5f, 0.25f, 0.125f}));
}

TEST(MatrixTest, SingularMatrixRaisesArithmeticError) {
    EXPECT_THROW(MatrixInverse(ZeroMatrix()), ArithmeticError);
    EXPECT_THROW(MatrixInverse(ScaleMatrix({1, 0, 1})), ArithmeticError);
}

TEST(MatrixTest, SmallHelpers) {
    EXPECT_FLOAT_EQ(Determinant2(1, 2, 3, 4), -2);
    EXPECT_FLOAT_EQ(Determinant3(2, 0, 0, 0, 3, 0, 0, 0, 4), 24);
    EXPECT_FLOAT_EQ(RowDot({1, 2, 3, 4}, {1, 1, 1, 1}), 10);
    EXPECT_EQ(RowScale({1, 2, 3, 4}, 2), (Vector4D{2, 4, 6, 8}));
    EXPECT_TRUE(MatrixEquals(MatrixTranspose(MatrixTranspose(TranslationMatrix({1, 2, 3}))), TranslationMatrix({1, 2, 3})));
    EXPECT_EQ(MatrixTranspose(TranslationMatrix({1, 2, 3})).row[0], (Vector4D{1, 0, 0, 1}));
    EXPECT_EQ(MatrixScale(IdentityMatrix(), 3).row[3], (Vector4D{0, 0, 0, 3}));
    EXPECT_EQ(PointToHomogeneous({1, 2, 3}), (Vector4D{1, 2, 3, 1}));
}

}  // namespace
}  // namespace quarn
