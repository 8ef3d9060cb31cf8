// The families' parameter table, and reading and writing solid texts.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "solids/school_solids.hpp"

namespace quarn {
namespace {

constexpr double kLargestSize = 10000;  // the largest coordinate a lesson needs, well inside a float
constexpr double kMostPolygonSides = 64;
constexpr double kMostRoundFacets = 256;
constexpr double kMostSphereFacets = 128;
constexpr double kMenuRoundFacets = 46;  // the menu's cylinder and cone

double MenuRoundFacets(const SchoolSolid&) { return kMenuRoundFacets; }
// The menu's sphere has 26 facets round and 18 rows; its hemisphere 24 round and 6 rows.
double SphereSegments(const SchoolSolid&) { return 26; }
double SphereRings(const SchoolSolid& s) { return std::max(2.0, std::round(s.Sides * 18 / 26)); }
double HemisphereSegments(const SchoolSolid&) { return 24; }
double HemisphereRings(const SchoolSolid& s) { return std::max(1.0, std::round(s.Sides / 4)); }

using S = SchoolSolid;

constexpr FamilyParameter Size(std::string_view key, std::string_view meaning, std::string_view caption,
                               double S::*field) {
    return {key, meaning, caption, field, 0, kLargestSize, false, nullptr};
}
constexpr FamilyParameter Count(std::string_view key, std::string_view meaning, std::string_view caption,
                                double S::*field, double least, double most,
                                double (*fallback)(const SchoolSolid&) = nullptr) {
    return {key, meaning, caption, field, least, most, true, fallback};
}

constexpr FamilyParameter kPolygonSides = Count("n", "sides of the base", "底面边数", &S::Sides, 3, kMostPolygonSides);
constexpr FamilyParameter kRoundFacets =
    Count("n", "facets round the solid", "侧面分段数", &S::Sides, 3, kMostRoundFacets, MenuRoundFacets);
constexpr FamilyParameter kCircumradius = Size("r", "circumradius of the base", "底面外接圆半径", &S::Radius);
constexpr FamilyParameter kRadius = Size("r", "radius", "半径", &S::Radius);
constexpr FamilyParameter kHeight = Size("h", "height", "高", &S::Height);
constexpr FamilyParameter kBottomCircumradius =
    Size("r1", "circumradius of the bottom", "下底面外接圆半径", &S::BottomRadius);
constexpr FamilyParameter kTopCircumradius =
    Size("r2", "circumradius of the top, below r1", "上底面外接圆半径", &S::TopRadius);
constexpr FamilyParameter kBottomRadius = Size("r1", "radius of the bottom", "下底面半径", &S::BottomRadius);
constexpr FamilyParameter kTopRadius = Size("r2", "radius of the top, below r1", "上底面半径", &S::TopRadius);

constexpr FamilyParameter kCuboid[] = {Size("a", "length", "长", &S::Length), Size("b", "width", "宽", &S::Width),
                                       Size("c", "height", "高", &S::Height)};
constexpr FamilyParameter kPolygonSolid[] = {kPolygonSides, kCircumradius, kHeight};
constexpr FamilyParameter kPolygonFrustum[] = {kPolygonSides, kBottomCircumradius, kTopCircumradius, kHeight};
constexpr FamilyParameter kRoundSolid[] = {kRadius, kHeight, kRoundFacets};
constexpr FamilyParameter kRoundFrustum[] = {kBottomRadius, kTopRadius, kHeight, kRoundFacets};
constexpr FamilyParameter kSphere[] = {
    kRadius, Count("n", "facets round the sphere", "经线分段数", &S::Sides, 3, kMostSphereFacets, SphereSegments),
    Count("rings", "rows of facets from pole to pole", "纬线分段数", &S::Rings, 2, kMostSphereFacets,
          SphereRings)};
constexpr FamilyParameter kHemisphere[] = {
    kRadius,
    Count("n", "facets round the hemisphere", "经线分段数", &S::Sides, 3, kMostSphereFacets, HemisphereSegments),
    Count("rings", "rows of facets from pole to rim", "纬线分段数", &S::Rings, 1, kMostSphereFacets / 2,
          HemisphereRings)};

constexpr SchoolFamilyInfo kFamilies[] = {
    {SchoolFamily::Cuboid, "cuboid", "长方体", "cuboid", true, kCuboid},
    {SchoolFamily::Prism, "prism", "正棱柱", "regular prism", true, kPolygonSolid},
    {SchoolFamily::Pyramid, "pyramid", "正棱锥", "regular pyramid", true, kPolygonSolid},
    {SchoolFamily::Frustum, "frustum", "正棱台", "regular frustum", true, kPolygonFrustum},
    {SchoolFamily::Cylinder, "cylinder", "圆柱", "cylinder", false, kRoundSolid},
    {SchoolFamily::Cone, "cone", "圆锥", "cone", false, kRoundSolid},
    {SchoolFamily::ConeFrustum, "cone-frustum", "圆台", "cone frustum", false, kRoundFrustum},
    {SchoolFamily::Sphere, "sphere", "球", "sphere", false, kSphere},
    {SchoolFamily::Hemisphere, "hemisphere", "半球", "hemisphere", false, kHemisphere},
};

std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string Allowed(const FamilyParameter& p) {
    if (p.Whole) return "a whole number from " + Number(p.Min) + " to " + Number(p.Max);
    return "a number above " + Number(p.Min) + " and at most " + Number(p.Max);
}


const FamilyParameter* FindParameter(const SchoolFamilyInfo& family, std::string_view key) {
    for (const FamilyParameter& p : family.Parameters)
        if (p.Key == key) return &p;
    return nullptr;
}

std::string KeyList(const SchoolFamilyInfo& family) {
    std::string keys;
    for (const FamilyParameter& p : family.Parameters) keys += (keys.empty() ? "" : ", ") + std::string(p.Key);
    return keys;
}

double ParseValue(const SchoolFamilyInfo& family, const FamilyParameter& p, std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || rest != end)
        throw SolidParameterError(std::string(family.Name) + ": " + std::string(p.Key) + " must be " + Allowed(p) +
                                  ", not '" + std::string(text) + "'");
    return value;
}

}  // namespace

std::span<const SchoolFamilyInfo> SchoolFamilies() { return kFamilies; }

bool ParameterInRange(const FamilyParameter& p, double v) {
    if (p.Whole) return v >= p.Min && v <= p.Max && v == std::floor(v);
    return v > p.Min && v <= p.Max;  // false for NaN
}

const SchoolFamilyInfo& FamilyInfoOf(SchoolFamily family) {
    for (const SchoolFamilyInfo& f : kFamilies)
        if (f.Family == family) return f;
    return kFamilies[0];
}

const SchoolFamilyInfo* FindSchoolFamily(std::string_view name) {
    for (const SchoolFamilyInfo& f : kFamilies)
        if (f.Name == name) return &f;
    return nullptr;
}

std::optional<std::string> CheckSchoolSolid(const SchoolSolid& solid) {
    const SchoolFamilyInfo& family = FamilyInfoOf(solid.Family);
    for (const FamilyParameter& p : family.Parameters) {
        const double value = solid.*p.Field;
        if (!ParameterInRange(p, value))
            return std::string(family.Name) + ": " + std::string(p.Key) + " (" + std::string(p.Meaning) +
                   ") must be " + Allowed(p) + ", not " + Number(value);
    }
    if (FindParameter(family, "r2") && !(solid.TopRadius < solid.BottomRadius))
        return std::string(family.Name) + ": r2 must be less than r1 (" + Number(solid.BottomRadius) + "), not " +
               Number(solid.TopRadius);
    return std::nullopt;
}

SchoolSolid ParseSchoolSolid(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    const SchoolFamilyInfo* family = FindSchoolFamily(name);
    if (!family) throw SolidParameterError("'" + std::string(name) + "' is not a family of solids");
    SchoolSolid solid;
    solid.Family = family->Family;
    std::vector<const FamilyParameter*> given;
    std::string_view rest = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        const std::size_t equals = item.find('=');
        const std::string_view key = item.substr(0, equals);
        const FamilyParameter* p = FindParameter(*family, key);
        if (!p)
            throw SolidParameterError(std::string(family->Name) + ": unknown key '" + std::string(key) +
                                      "'; it takes " + KeyList(*family));
        if (equals == std::string_view::npos)
            throw SolidParameterError(std::string(family->Name) + ": " + std::string(key) + " needs a value, as in " +
                                      std::string(key) + "=" + Number(p->Whole ? p->Min : 10));
        for (const FamilyParameter* g : given)
            if (g == p) throw SolidParameterError(std::string(family->Name) + ": " + std::string(key) + " is given twice");
        given.push_back(p);
        solid.*p->Field = ParseValue(*family, *p, item.substr(equals + 1));
    }
    // Defaults follow the values given, in the table's order.
    for (const FamilyParameter& p : family->Parameters) {
        if (std::find(given.begin(), given.end(), &p) != given.end()) continue;
        if (!p.Default)
            throw SolidParameterError(std::string(family->Name) + ": missing " + std::string(p.Key) + " (" +
                                      std::string(p.Meaning) + ", " + Allowed(p) + ")");
        solid.*p.Field = p.Default(solid);
    }
    if (const auto problem = CheckSchoolSolid(solid)) throw SolidParameterError(*problem);
    return solid;
}

std::string DescribeSchoolSolid(const SchoolSolid& solid) {
    const SchoolFamilyInfo& family = FamilyInfoOf(solid.Family);
    std::string text(family.Name);
    char separator = ':';
    for (const FamilyParameter& p : family.Parameters) {
        text += separator + std::string(p.Key) + "=" + Number(solid.*p.Field);
        separator = ',';
    }
    return text;
}

}  // namespace quarn
