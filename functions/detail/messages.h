#pragma once
#include <string_view>

// Messages of the operators and the named functions, exactly as the console shows them. Users
// know these texts as they are, spelling slips ("fuction", "Waring:") included.
namespace orvo::msg {

using M = std::string_view;

// Operators and dispatch.
inline constexpr M kDividedByZero = "Error: divided by zero";
inline constexpr M kIntegerQuotientByZero =
    "Error: divided by zero when getting the integer quotient";
inline constexpr M kRootOfNegative = "Error: minus in the extraction of root";
inline constexpr M kUnknownOperator = "Unknow operator: ";
inline constexpr M kUnknownFunction = "Unknow function: ";
// The factorial of a negative integer.
inline constexpr M kFactorialOfNegative = "阶乘fac(x) function, x为负整数";

// Logarithms, powers and remainders.
inline constexpr M kLnDomain = "Error: ln(x) function, x<=0";
inline constexpr M kLgDomain = "Error: lg(x) fuction, x<=0";
inline constexpr M kLogDomain = "Error: log(x) function, x<=0";
inline constexpr M kLogBaseDomain = "Error: log(x,y) function, x<=0";
inline constexpr M kLogValueDomain = "Error: log(x,y) function, y<=0";
inline constexpr M kLogBothDomain = "Error: log(x,y) function, x<=0, y<=0";
inline constexpr M kPowMissing = "Error: pow(x,y) function, missing parameter";
inline constexpr M kModMissing = "Error: mod(n,k) function, missing parameter";
inline constexpr M kFmodZero = "Error: fmod(x,y) function, y=0";
inline constexpr M kFmodMissing = "Error: fmod(x,y) function, missing parameter";

// Combinatorics and divisors.
inline constexpr M kCombinationsK = "Error: c(n,k) function, k<=0";
inline constexpr M kCombinationsN = "Error: c(n,k) fuction, n<k";
inline constexpr M kPermutationsK = "Error: p(n,k) function, k<=0";
inline constexpr M kPermutationsN = "Error: p(n,k) fuction, n<k";
inline constexpr M kPermutationsNegative = "Error: p(n) function, n<0";
// Counts are 32-bit integers; these answer a count beyond that range.
inline constexpr M kCombinationsBig = "Error: c(n,k) function, n>2147483647";
inline constexpr M kPermutationsBig = "Error: p(n,k) function, n>2147483647";
inline constexpr M kGcfTooBig = "Warning: n or k is too big for gcf(n,k) function";
inline constexpr M kGcfMissing = "Error: gcf(n,k) function, missing parameter";
inline constexpr M kLcmTooBig = "Warning: n or k is too big for lcm(n,k) function";
inline constexpr M kLcmMissing = "Error: lcm(n,k) function, missing parameter";
inline constexpr M kIfMissing = "Error: if(bool,x,y) function, missing parameter";

// Trigonometry.
inline constexpr M kSinTooBig =
    "Waring: x is too big for sin(x) function, which makes no sense. You may try to use sinl(x) "
    "function";
inline constexpr M kCosTooBig =
    "Waring: x is too big for cos(x) function, which makes no sense. You may try to use cosl(x) "
    "function";
inline constexpr M kTanTooBig =
    "Waring: x is too big for tan(x) function, which makes no sense. You may try to use tanl(x) "
    "function";
inline constexpr M kSindTooBig = "Waring: x is too big for sind(x) function, which makes no sense.";
inline constexpr M kCosdTooBig = "Waring: x is too big for cosd(x) function, which makes no sense.";
inline constexpr M kTandTooBig = "Waring: x is too big for tand(x) function, which makes no sense.";
inline constexpr M kAsinDomain = "Error: asin(x) function, x is not in the domain [-1,1]";
inline constexpr M kAcosDomain = "Error: acos(x) function, x is not in the domain [-1,1]";
inline constexpr M kAtan2Missing = "Error: atan2(x,y) function, missing parameter";
inline constexpr M kHypotMissing = "Error: hypot(x,y) function, missing parameter";
inline constexpr M kAcoshDomain = "Error: acosh(x) function, x is not in the domain [1,+inf)";
inline constexpr M kAtanhDomain = "Error: atanh(x) function, x is not in the domain (-1,1)";
inline constexpr M kArgMissing = "Error: arg(x,y) function, missing parameter";
inline constexpr M kArgdMissing = "Error: argd(x,y) function, missing parameter";

// Statistics and polynomials.
inline constexpr M kHmeanZero = "hmean(x1,x2,...,xn) function, some x=0";
inline constexpr M kPolynMissing = "Error: polyn(x,an,...,a0) function, missing parameter";

// Bessel functions.
inline constexpr M kJnMissing = "Error: jn(n,x) function, missing parameter";
inline constexpr M kJnOrder = "Error: jn(n,x) function, n is too big";
inline constexpr M kYnOrder = "Error: yn(n,x) function, n is too big";
inline constexpr M kY0Zero = "Error: y0(x) function, x=0";
inline constexpr M kY1Zero = "Error: y1(x) function, x=0";
inline constexpr M kYnZero = "Error: yn(n,x) function, x=0";
inline constexpr M kYnMissing = "Error: yn(n,x) function, missing parameter";

// Gamma and beta families, error function, integrals.
inline constexpr M kGammaPole = "Error: gamma(x) function, x=0 or x is minus integer";
inline constexpr M kGammaLnDomain = "Error: gammaln(x) function, x<=0";
inline constexpr M kGammaIncX = "Error: gammainc(x,a) function, x<=0";
inline constexpr M kGammaIncA = "Error: gammainc(x,a) function, a<0";
inline constexpr M kGammaIncMissing = "Error: gammainc(x,a) function, missing parameter";
inline constexpr M kBetaX = "Error: beta(x,y) function, x<=0";
inline constexpr M kBetaY = "Error: beta(x,y) function, y<=0";
inline constexpr M kBetaMissing = "Error: beta(x,y) function, missing parameter";
inline constexpr M kBetaIncDomain =
    "Error: betainc(x,a,b) function, a<=0 or b<=0 or x is not in the domain [0,1]";
inline constexpr M kBetaIncMissing = "Error: betainc(x,a,b) function, missing parameter";
inline constexpr M kInvErfDomain = "Error: inverf(x) function, x is not in the domain (-1,1)";
inline constexpr M kSiTooBig = "Error: x is too big for si(x) function, which makes no sense";
inline constexpr M kCiTooBig = "Error: x is too big for ci(x) function, which makes no sense";
inline constexpr M kCiZero = "Error: ci(x) function, x=0";
inline constexpr M kEiZero = "Error: ei(x) function, x=0";
// Not a number: worded like the si and ci messages that a not-a-number argument meets.
inline constexpr M kEiNotANumber =
    "Error: x is not a number for ei(x) function, which makes no sense";
inline constexpr M kInvGammaLnDomain = "Error: invgammaln(x) function, x<-0.121486";

// Distributions and their inverses.
inline constexpr M kNdisStd = "Error: ndis(x,ave,std) function, d<0";
inline constexpr M kNdisMissing = "Error: ndis(x,ave,std) function, missing parameter";
inline constexpr M kInvNdisDomain = "Error: invndis(x) function, x is not in the domain (0,1)";
inline constexpr M kTdisF = "Error: tdis(x,f) function, f<1";
inline constexpr M kTdisMissing = "Error: tdis(x,f) function, missing parameter";
inline constexpr M kTdisBig = "Error: tdis(x,f) function, f>2147483647";
inline constexpr M kInvTdisDomain = "Error: invtdis(x,f) function, x is not in the domain (0,1)";
inline constexpr M kInvTdisF = "Error: invtdis(x,f) function, f<1";
inline constexpr M kInvTdisMissing = "Error: invtdis(x,f) function, missing parameter";
inline constexpr M kInvTdisBig = "Error: invtdis(x,f) function, f>2147483647";
inline constexpr M kFdisF = "Error: fdis(x,f1,f2) function, f1 or f2<1";
inline constexpr M kFdisMissing = "Error: fdis(x,f1,f2) function, missing parameter";
inline constexpr M kFdisBig = "Error: fdis(x,f1,f2) function, f1 or f2>2147483647";
inline constexpr M kInvFdisDomain =
    "Error: invfdis(x,f1,f2) function, x is not in the domain (0,1)";
inline constexpr M kInvFdisF = "Error: invfdis(x,f1,f2) function, f1 or f2<1";
inline constexpr M kInvFdisMissing = "Error: invfdis(x,f1,f2) function, missing parameter";
inline constexpr M kInvFdisBig = "Error: invfdis(x,f1,f2) function, f1 or f2>2147483647";
inline constexpr M kKdisF = "kdis(x,f) function, f<0";
inline constexpr M kKdisMissing = "Error: kdis(x,n) function, missing parameter";
inline constexpr M kKdisBig = "kdis(x,f) function, f>2147483647";
inline constexpr M kBdisDomain = "bdis(x,p,q) function, x is not in the domain [0,1] or p<q or q<0";
inline constexpr M kBdisMissing = "Error: bdis(x,p,q) function, missing parameter";
inline constexpr M kBdisBig = "bdis(x,p,q) function, p>2147483647";

// Geometry.
inline constexpr M kArtriNotTriangle = "Error: artri(x,y,z) function, xyz does not form a triangle";
inline constexpr M kArtriMissing = "Error: artri(x,y,z) function, missing parameter";
inline constexpr M kInrtriNotTriangle =
    "Error: inrtri(x,y,z) function, xyz does not form a triangle";
inline constexpr M kInrtriMissing = "Error: inrtri(x,y,z) function, missing parameter";
inline constexpr M kCirtriNotTriangle =
    "Error: cirtri(x,y,z) function, xyz does not form a triangle";
inline constexpr M kCirtriMissing = "Error: cirtri(x,y,z) function, missing parameter";
inline constexpr M kArrpgSides = "Error: arrpg(n,x) function, n<3";
inline constexpr M kArrpgLength = "Error: arrpg(n,x) function, x<=0";
inline constexpr M kArrpgMissing = "Error: arrpg(n,x) function, missing parameter";
inline constexpr M kArrpgBig = "Error: arrpg(n,x) function, n>2147483647";
inline constexpr M kInrrpgSides = "Error: inrrpg(n,x) function, n<3";
inline constexpr M kInrrpgLength = "Error: inrrpg(n,x) function, x<=0";
inline constexpr M kInrrpgMissing = "Error: inrrpg(n,x) function, missing parameter";
inline constexpr M kInrrpgBig = "Error: inrrpg(n,x) function, n>2147483647";
inline constexpr M kCirrpgSides = "Error: cirrpg(n,x) function, n<3";
inline constexpr M kCirrpgLength = "Error: cirrpg(n,x) function, x<=0";
inline constexpr M kCirrpgMissing = "Error: cirrpg(n,x) function, missing parameter";
inline constexpr M kCirrpgBig = "Error: cirrpg(n,x) function, n>2147483647";
inline constexpr M kCircirSides = "Error: circir(n,r) function, n<3";
inline constexpr M kCircirMissing = "Error: circir(n,r) function, missing parameter";
inline constexpr M kInrcirSides = "Error: inrcir(n,r) function, n<3";
inline constexpr M kInrcirMissing = "Error: inrcir(n,r) function, missing parameter";
inline constexpr M kVcylinderMissing = "Error: vcylinder(r,h) function, missing parameter";
inline constexpr M kSfcylinderMissing = "Error: sfcylinder(r,h) function, missing parameter";
inline constexpr M kVconeMissing = "Error: vcone(r,h) function, missing parameter";
inline constexpr M kSfconeMissing = "Error: sfcone(r,h) function, missing parameter";
inline constexpr M kVtorusMissing = "Error: vtorus(a,b) function, missing parameter";
inline constexpr M kSftorusMissing = "Error: sftorus(a,b) function, missing parameter";
inline constexpr M kDistppMissing = "Error: distpp(x1,y1,x2,y2) function, missing parameter";
inline constexpr M kDistplNoLine = "Error: distpl(x,y,ax,by,c) function, ax=0 and by=0";
inline constexpr M kDistplMissing = "Error: distpl(x,y,ax,by,c) function, missing parameter";
inline constexpr M kAnglellMissing = "Error: anglell(a1,b1,a2,b2) function, missing parameter";

// Physics and chemistry.
inline constexpr M kFfMissing = "Error: ff(f1,f2,theta) function, missing parameter";
inline constexpr M kMassMissing = "Error: mass(m1,m2) function, missing parameter";
inline constexpr M kChoMissing = "Error: cho(c,h,o) function, missing parameter";
inline constexpr M kChonMissing = "Error: chon(c,h,o,n) function, missing parameter";
inline constexpr M kGmrMissing = "Error: gmr(m,r) function, missing parameter";
inline constexpr M kKqrMissing = "Error: kqr(q,r) function, missing parameter";
inline constexpr M kFreqMissing = "Error: freq(m,k) function, missing parameter";
inline constexpr M kWlfMissing = "Error: wlf(T,Tg) function, missing parameter";
inline constexpr M kWlfsMissing = "Error: wlfs(T,Ts) function, missing parameter";
inline constexpr M kXrdMissing = "Error: xrd(lambda,FWHM,2theta) function, missing parameter";
inline constexpr M kXrdcuMissing = "Error: xrdcu(FWHM,2theta) function, missing parameter";
inline constexpr M kXrdcrMissing = "Error: xrdcr(FWHM,2theta) function, missing parameter";
inline constexpr M kXrdcoMissing = "Error: xrdco(FWHM,2theta) function, missing parameter";
inline constexpr M kXrdfeMissing = "Error: xrdfe(FWHM,2theta) function, missing parameter";

}  // namespace orvo::msg
