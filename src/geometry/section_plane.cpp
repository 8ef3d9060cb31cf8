#include "geometry/section_plane.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace quarn {
namespace {

// Coordinates and ratios beyond this are typing errors, not solids.
constexpr double kLargestNumber = 1e9;

// Reads one plane text from left to right; every failure names what was expected where.
class PlaneReader {
  public:
    PlaneReader(std::string_view text, std::span<const LetteredCorner> letters)
        : text_(text), letters_(letters) {}

    bool Take(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }
    void Expect(std::string_view word) {
        if (!Take(word)) Fail("expected '" + std::string(word) + "'");
    }
    bool AtEnd() const { return at_ == text_.size(); }
    std::size_t Position() const { return at_; }
    std::string Since(std::size_t from) const { return std::string(text_.substr(from, at_ - from)); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }

    [[noreturn]] void Fail(const std::string& what) const {
        const std::string where = AtEnd() ? "at the end" : "at '" + std::string(text_.substr(at_)) + "'";
        throw SectionPlaneError("section plane '" + std::string(text_) + "': " + what + " " + where);
    }

    // A number, or a fraction of two: "1/3", "-2.5".
    double Number() {
        double value = ReadDecimal();
        if (Take("/")) {
            const double below = ReadDecimal();
            if (below == 0) Fail("a fraction cannot divide by 0");
            value /= below;
        }
        return value;
    }

    Point3 Triple() {
        const double x = Number();
        Expect(",");
        const double y = Number();
        Expect(",");
        return {x, y, Number()};
    }

    PlanePoint Point() {
        const std::size_t from = at_;
        const Point3 at = ReadPoint();
        return {Since(from), at};
    }

  private:
    double ReadDecimal() {
        double value = 0;
        const char* begin = text_.data() + at_;
        const auto [rest, error] = std::from_chars(begin, text_.data() + text_.size(), value);
        if (error != std::errc() || !std::isfinite(value) || std::fabs(value) > kLargestNumber)
            Fail("expected a number");
        at_ += std::size_t(rest - begin);
        return value;
    }

    Point3 ReadPoint() {
        if (Take("(")) {
            const Point3 p = Triple();
            Expect(")");
            return p;
        }
        if (Take("mid(")) {
            const Point3 a = ReadPoint();
            Expect(",");
            const Point3 b = ReadPoint();
            Expect(")");
            return (a + b) * 0.5;
        }
        if (Take("on(")) {
            const Point3 a = ReadPoint();
            Expect(",");
            const Point3 b = ReadPoint();
            Expect(",");
            const double t = Number();
            Expect(")");
            return a + (b - a) * t;
        }
        return Letter();
    }

    // A capital with an optional number: "A", "C1".
    Point3 Letter() {
        std::size_t end = at_;
        if (end < text_.size() && text_[end] >= 'A' && text_[end] <= 'Z') {
            ++end;
            while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
        }
        if (end == at_) Fail("expected a corner's letter, mid(P,Q), on(P,Q,t) or (x,y,z)");
        const std::string_view name = text_.substr(at_, end - at_);
        for (const LetteredCorner& corner : letters_)
            if (corner.Name == name) {
                at_ = end;
                return corner.At;
            }
        if (letters_.empty())
            throw SectionPlaneError("section plane: the solid has no lettered corners, so '" +
                                    std::string(name) + "' names nothing; give coordinates instead");
        std::string known;
        for (const LetteredCorner& corner : letters_) known += (known.empty() ? "" : " ") + corner.Name;
        throw SectionPlaneError("section plane: the solid has no corner " + std::string(name) +
                                " (its corners: " + known + ")");
    }

    std::string_view text_;
    std::span<const LetteredCorner> letters_;
    std::size_t at_ = 0;
};

}  // namespace

SectionPlane MakeSectionPlane(const Point3& point, const Point3& normal) {
    const double length = LengthOf(normal);
    if (!(length > 0) || !std::isfinite(length)) throw SectionPlaneError("section plane: the normal is zero");
    return {point, normal * (1 / length), {}};
}

SectionPlane ParseSectionPlane(std::string_view text, std::span<const LetteredCorner> letters) {
    PlaneReader read(text, letters);
    SectionPlane plane;
    if (read.Take("through:")) {
        std::vector<PlanePoint> points{read.Point()};
        for (int k = 0; k < 2; ++k) read.Expect(","), points.push_back(read.Point());
        if (!read.AtEnd()) read.Fail("expected the end after three points");
        const Point3 u = points[1].At - points[0].At, v = points[2].At - points[0].At;
        const Point3 n = CrossProduct(u, v);
        // Three points on one line leave the plane undetermined; measured against the points' spread.
        const double spread = std::max({LengthOf(u), LengthOf(v), LengthOf(points[2].At - points[1].At)});
        if (!(LengthOf(n) > 1e-9 * spread * spread))
            throw SectionPlaneError("section plane '" + std::string(text) + "': " + points[0].Text + ", " +
                                    points[1].Text + " and " + points[2].Text +
                                    " lie on one line, so they do not fix a plane");
        plane = MakeSectionPlane(points[0].At, n);
        plane.Points = std::move(points);
        return plane;
    }
    if (!read.Take("point:")) read.Fail("expected 'through:P,Q,R' or 'point:X,Y,Z;normal:NX,NY,NZ'");
    // Bare coordinates, or a point as the through form writes it.
    PlanePoint at;
    if (read.Peek() == '-' || read.Peek() == '.' || (read.Peek() >= '0' && read.Peek() <= '9')) {
        const std::size_t from = read.Position();
        const Point3 p = read.Triple();
        at = {"(" + read.Since(from) + ")", p};
    } else {
        at = read.Point();
    }
    read.Expect(";normal:");
    Point3 normal;
    if (read.Take("dir(")) {
        const Point3 from = read.Point().At;
        read.Expect(",");
        const Point3 to = read.Point().At;
        read.Expect(")");
        normal = to - from;
    } else {
        normal = read.Triple();
    }
    if (!read.AtEnd()) read.Fail("expected the end after the normal");
    if (!(LengthOf(normal) > 0))
        throw SectionPlaneError("section plane '" + std::string(text) + "': the normal is zero");
    plane = MakeSectionPlane(at.At, normal);
    plane.Points.push_back(std::move(at));
    return plane;
}

}  // namespace quarn
