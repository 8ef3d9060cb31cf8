#pragma once
// The solids school geometry is taught with, at any size: the cuboid, the regular prisms, pyramids
// and frustums of pyramids, the cylinder, the cone and its frustum, the sphere and the closed
// hemisphere. Each family has named parameters with the ranges a lesson needs; a solid is written
// "frustum:n=4,r1=40,r2=20,h=30" on a command line and in a worksheet's title.
//
// The builders place a solid as the menu's builders do: its base in y = 0 round the y axis (the
// cuboid from the origin), its first base corner towards +z; the caller centres it.

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "geometry/ideal_solids.hpp"
#include "platform/numeric.hpp"

namespace quarn {

enum class SchoolFamily { Cuboid, Prism, Pyramid, Frustum, Cylinder, Cone, ConeFrustum, Sphere, Hemisphere };

// Every parameter any family takes; a family reads the ones it lists.
struct SchoolSolid {
    SchoolFamily Family = SchoolFamily::Cuboid;
    double Sides = 0;         // n: sides of the base polygon, or facets round a curved solid
    double Rings = 0;         // rows of facets of a sphere (pole to pole) or hemisphere (pole to rim)
    double Radius = 0;        // r: circumradius of the base, radius of a curved solid
    double BottomRadius = 0;  // r1 of a frustum
    double TopRadius = 0;     // r2 of a frustum, below r1
    double Height = 0;        // h; the cuboid's c
    double Length = 0;        // the cuboid's a, along x
    double Width = 0;         // the cuboid's b, along z
};

struct FamilyParameter {
    std::string_view Key;      // as written in "name:key=value"
    std::string_view Meaning;  // English, for messages and help
    std::string_view Caption;  // Chinese, for a worksheet's controls
    double SchoolSolid::*Field;
    double Min, Max;  // a size lies above Min; a whole number lies from Min to Max
    bool Whole;
    // The value when the parameter is not given, from the values that are; null when it must be given.
    double (*Default)(const SchoolSolid&);
};

struct SchoolFamilyInfo {
    SchoolFamily Family;
    std::string_view Name;            // "cone-frustum"
    std::string_view Caption;         // "圆台"
    std::string_view EnglishCaption;  // "cone frustum"
    bool Polyhedral;                  // every edge between two faces is an edge of the solid
    std::span<const FamilyParameter> Parameters;
};

std::span<const SchoolFamilyInfo> SchoolFamilies();
const SchoolFamilyInfo& FamilyInfoOf(SchoolFamily family);
const SchoolFamilyInfo* FindSchoolFamily(std::string_view name);
// Whether the value lies in the parameter's own range: above Min (a whole number: from Min) to Max.
bool ParameterInRange(const FamilyParameter& p, double value);

// A solid text that cannot be taken; the text says which value and what is allowed, in one line.
class SolidParameterError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "prism:n=5,r=30,h=50": unknown families and keys, values given twice, missing, malformed and
// out-of-range values are refused; parameters with a default may be left out.
SchoolSolid ParseSchoolSolid(std::string_view text);
// Nothing when every parameter the family reads lies in its range, else the line that says why not.
std::optional<std::string> CheckSchoolSolid(const SchoolSolid& solid);
// The text ParseSchoolSolid reads back: "frustum:n=4,r1=40,r2=20,h=30".
std::string DescribeSchoolSolid(const SchoolSolid& solid);

// Builds the mesh, not centred or coloured; 0 after an engine error (a table that would overflow).
// The solid must have passed CheckSchoolSolid.
Index BuildSchoolSolid(const SchoolSolid& solid);

// The exact solid the mesh stands for.
IdealSolid IdealSolidOf(const SchoolSolid& solid);

}  // namespace quarn
