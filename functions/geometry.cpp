// Triangles, regular polygons, solids, distances and the angle between two lines. Lengths of
// solids are taken without their signs.
#include <cmath>
#include <numbers>

#include "base/number_text.h"
#include "functions/detail/branches.h"
#include "functions/detail/messages.h"

namespace orvo::detail {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSphereVolume = 4 * kPi / 3;  // of the unit sphere

// The sides a = S, b, c of a triangle. A triple that does not form one gets the function's note
// (the status stays as it was) and the value -1.
bool TriangleSides(FunctionCall& call, std::string_view notTriangle, double& a, double& b,
                   double& c) {
  call.value = -1;
  a = call.signedFirst;
  b = Arg(call, 2);
  c = Arg(call, 3);
  if (a > 0 && b > 0 && c > 0 && c < a + b && std::fabs(a - b) < c) return true;
  Note(call, notTriangle);
  return false;
}

// Heron's formula.
double TriangleArea(double a, double b, double c) {
  double s = (a + b + c) / 2;
  return std::sqrt(s * (s - a) * (s - b) * (s - c));
}

void Artri(FunctionCall& call) {
  double a, b, c;
  if (TriangleSides(call, msg::kArtriNotTriangle, a, b, c)) call.value = TriangleArea(a, b, c);
}

void Inrtri(FunctionCall& call) {
  double a, b, c;
  if (!TriangleSides(call, msg::kInrtriNotTriangle, a, b, c)) return;
  double s = (a + b + c) / 2;
  call.value = std::sqrt((s - a) * (s - b) * (s - c) / s);
}

void Cirtri(FunctionCall& call) {
  double a, b, c;
  if (TriangleSides(call, msg::kCirtriNotTriangle, a, b, c)) {
    call.value = a * b * c / TriangleArea(a, b, c) * 0.25;
  }
}

// Regular n-gons with side x: n = S truncated, x = A2. Too few sides is only a note; a side that
// is not positive is an error. Both can be reported, and the value stays 0.
struct PolygonMessages {
  std::string_view sides;
  std::string_view length;
  std::string_view tooBig;
  Fn code;
};

bool PolygonSides(FunctionCall& call, const PolygonMessages& messages, double& n, double& x) {
  call.value = 0;
  double sides = call.signedFirst;
  x = Arg(call, 2);
  bool ok = true;
  if (!(sides >= 3)) {
    Note(call, messages.sides);
    ok = false;
  }
  if (!(x > 0)) {
    Fail(call, messages.length, messages.code);
    ok = false;
  }
  if (ok && sides > kLargestCount) {
    Fail(call, messages.tooBig, messages.code);
    ok = false;
  }
  n = std::trunc(sides);
  return ok;
}

void Arrpg(FunctionCall& call) {
  double n, x;
  if (PolygonSides(call, {msg::kArrpgSides, msg::kArrpgLength, msg::kArrpgBig, Fn::kArrpg}, n, x)) {
    call.value = n * (x * x) / std::tan(kPi / n) * 0.25;
  }
}

void Inrrpg(FunctionCall& call) {
  double n, x;
  if (PolygonSides(call, {msg::kInrrpgSides, msg::kInrrpgLength, msg::kInrrpgBig, Fn::kInrrpg}, n,
                   x)) {
    call.value = x / std::tan(kPi / n) * 0.5;
  }
}

void Cirrpg(FunctionCall& call) {
  double n, x;
  if (PolygonSides(call, {msg::kCirrpgSides, msg::kCirrpgLength, msg::kCirrpgBig, Fn::kCirrpg}, n,
                   x)) {
    call.value = x / std::sin(kPi / n) * 0.5;
  }
}

// The side of the regular n-gon around (circir) or inside (inrcir) a circle of radius r. Here
// n is used as it is, fractional n included.
void Circir(FunctionCall& call) {
  double n = std::fabs(call.args[0]);
  if (!(n >= 3)) {
    Report(call, msg::kCircirSides, Code(Fn::kCircir));
  } else {
    call.value = 2 * std::fabs(Arg(call, 2)) * std::tan(kPi / n);
  }
}

void Inrcir(FunctionCall& call) {
  double n = std::fabs(call.args[0]);
  if (!(n >= 3)) {
    Report(call, msg::kInrcirSides, Code(Fn::kInrcir));
  } else {
    call.value = 2 * std::fabs(Arg(call, 2)) * std::sin(kPi / n);
  }
}

double First(const FunctionCall& call) {
  return std::fabs(call.args[0]);
}

double Second(const FunctionCall& call) {
  return std::fabs(Arg(call, 2));
}

void Vsphere(FunctionCall& call) {
  double r = First(call);
  call.value = kSphereVolume * (r * r * r);
}

void Sfsphere(FunctionCall& call) {
  double r = First(call);
  call.value = 12.566370614359172 * (r * r);
}

void Vcylinder(FunctionCall& call) {
  double r = First(call);
  call.value = kPi * (r * r) * Second(call);
}

void Sfcylinder(FunctionCall& call) {
  double r = First(call);
  call.value = 6.283185307179586 * r * (r + Second(call));
}

void Vcone(FunctionCall& call) {
  double r = First(call);
  call.value = 1.0471975511965976 * (r * r) * Second(call);
}

void Sfcone(FunctionCall& call) {
  double r = First(call);
  call.value = kPi * r * (r + std::hypot(r, Second(call)));
}

void Vtorus(FunctionCall& call) {
  double a = First(call);
  double b = Second(call);
  call.value = 2.4674011002723395 * (a + b) * ((a - b) * (a - b));
}

void Sftorus(FunctionCall& call) {
  double a = First(call);
  double b = Second(call);
  call.value = std::fabs((a * a - b * b) * 9.869604401089358);
}

void Distpp(FunctionCall& call) {
  call.value = std::hypot(call.signedFirst - Arg(call, 3), Arg(call, 2) - Arg(call, 4));
}

// The distance from (x, y) to the line a x + b y + c = 0.
void Distpl(FunctionCall& call) {
  double x = call.signedFirst;
  double y = Arg(call, 2);
  double a = Arg(call, 3);
  double b = Arg(call, 4);
  double c = Arg(call, 5);
  double norm = std::hypot(a, b);
  if (!(norm > 5e-16)) {
    Fail(call, msg::kDistplNoLine, Fn::kDistpl);
  } else {
    call.value = std::fabs(a * x + b * y + c) / norm;
  }
}

// The angle between the lines a1 x + b1 y + c1 = 0 and a2 x + b2 y + c2 = 0, in [0, pi/2].
void Anglell(FunctionCall& call) {
  double a1 = call.signedFirst;
  double b1 = Arg(call, 2);
  double a2 = Arg(call, 3);
  double b2 = Arg(call, 4);
  call.value = std::atan2(std::fabs(a1 * b2 - a2 * b1), std::fabs(a1 * a2 + b1 * b2));
}

constexpr FunctionRow kRows[] = {
    Exact(Fn::kArtri, "artri", "artri(a,b,c): area of the triangle with sides a, b, c", 3,
          msg::kArtriMissing, Artri),
    Exact(Fn::kInrtri, "inrtri", "inrtri(a,b,c): radius of the triangle's inscribed circle", 3,
          msg::kInrtriMissing, Inrtri),
    Exact(Fn::kCirtri, "cirtri", "cirtri(a,b,c): radius of the triangle's circumscribed circle", 3,
          msg::kCirtriMissing, Cirtri),
    Fixed(Fn::kArrpg, "arrpg", "arrpg(n,x): area of the regular n-gon of side x", 2,
          msg::kArrpgMissing, Arrpg),
    Fixed(Fn::kInrrpg, "inrrpg", "inrrpg(n,x): inscribed radius of the regular n-gon of side x", 2,
          msg::kInrrpgMissing, Inrrpg),
    Fixed(Fn::kCirrpg, "cirrpg", "cirrpg(n,x): circumscribed radius of the regular n-gon of side x",
          2, msg::kCirrpgMissing, Cirrpg),
    One(Fn::kVsphere, "vsphere", "vsphere(r): volume of the sphere of radius r", Vsphere),
    One(Fn::kSfsphere, "sfsphere", "sfsphere(r): surface of the sphere of radius r", Sfsphere),
    Fixed(Fn::kVcylinder, "vcylinder", "vcylinder(r,h): volume of the cylinder", 2,
          msg::kVcylinderMissing, Vcylinder),
    Fixed(Fn::kSfcylinder, "sfcylinder", "sfcylinder(r,h): surface of the cylinder", 2,
          msg::kSfcylinderMissing, Sfcylinder),
    Fixed(Fn::kVcone, "vcone", "vcone(r,h): volume of the cone", 2, msg::kVconeMissing, Vcone),
    Fixed(Fn::kSfcone, "sfcone", "sfcone(r,h): surface of the cone", 2, msg::kSfconeMissing,
          Sfcone),
    Fixed(Fn::kVtorus, "vtorus", "vtorus(a,b): volume of the ring of radii a and b", 2,
          msg::kVtorusMissing, Vtorus),
    Fixed(Fn::kSftorus, "sftorus", "sftorus(a,b): surface of the ring of radii a and b", 2,
          msg::kSftorusMissing, Sftorus),
    Exact(Fn::kDistpp, "distpp", "distpp(x1,y1,x2,y2): distance between two points", 4,
          msg::kDistppMissing, Distpp),
    Exact(Fn::kDistpl, "distpl", "distpl(x,y,a,b,c): distance from a point to the line a*x+b*y+c=0",
          5, msg::kDistplMissing, Distpl),
    Exact(Fn::kAnglell, "anglell", "anglell(a1,b1,a2,b2): angle between two lines", 4,
          msg::kAnglellMissing, Anglell),
    Fixed(Fn::kInrcir, "inrcir",
          "inrcir(n,r): side of the regular n-gon inside a circle of radius r", 2,
          msg::kInrcirMissing, Inrcir),
    Fixed(Fn::kCircir, "circir",
          "circir(n,r): side of the regular n-gon around a circle of radius r", 2,
          msg::kCircirMissing, Circir),
};

}  // namespace

std::span<const FunctionRow> GeometryBranches() {
  return kRows;
}

}  // namespace orvo::detail
