// Geometry, physics and chemistry functions and constants through the console. The worked
// examples are golden transcripts (tests/transcripts/functions.txt); these rows are the constants
// to their full digits, signs, truncated counts, overflows and every other message, with values
// from closed forms (a unit square, a 3-4-5 triangle, regular hexagons).
#include <gtest/gtest.h>

#include "tests/functions/console_rows.h"

namespace orvo::test {
namespace {

TEST(Constants, Answers) {
  const Row rows[] = {
      {"pi()=", "3.141592653589793", "prec=16"},
      {"el()=", "0.5772156649015329", "prec=16"},
      {"u()=", "1.660538782e-27", "prec=10"},
      {"ev()=", "1.602176487e-19", "prec=10"},
      {"f()=", "96485.3399", "prec=9"},
      {"h()=", "6.62606896e-34", "prec=9"},
      {"ep()=", "8.854187817e-12", "prec=10"},
      {"mu()=", "12.56637061435917", "prec=16"},
      {"me()=", "9.10938215e-31", "prec=9"},
      {"mp()=", "1.672621637e-27", "prec=10"},
      {"mn()=", "1.674927211e-27", "prec=10"},
      {"r()=", "8.314472", "prec=7"},
      {"bo()=", "1.3806504e-23", "prec=8"},
      {"vm()=", "0.022413996", "prec=8"},
      {"al()=", "0.0072973525376", "prec=11"},
      {"rb()=", "10973731.568527", "prec=14"},
      {"c()=", "299792458", "prec=9"},
      {"av(-2)=", "1.204428358e+24", "prec=10"},
      {"atm(-2)=", "202650"},
      {"g(1)=", "9.80665"},
      {"2pi()=", "6.2831853"},
      {"pi(1,2)=", "Error: pi function, parameter(s) missing or excessive"},
  };
  ExpectAnswers(rows);
}

TEST(Conversions, Answers) {
  const Row rows[] = {
      {"rtod(pi())=", "180"},
      {"dtor(180)=", "3.1415927"},
      {"t(373.15)=", "100"},
  };
  ExpectAnswers(rows);
}

TEST(Geometry, Answers) {
  const Row rows[] = {
      {"artri(-3,4,5)=", "Error: artri(x,y,z) function, xyz does not form a triangle"},
      {"arrpg(4.9,1)=", "1"},           // n is truncated
      {"circir(3.5,1)=", "2.5079207"},  // 2 tan(pi/3.5): n is used as it is
      {"circir(-4,(-1))=", "2"},
      {"vsphere(-1)=", "4.1887902"},
      {"sfsphere(1)=", "12.566371"},
      {"sfcylinder(1,1)=", "12.566371"},
      {"vcone(1,3)=", "3.1415927"},
      {"vtorus(3,1)=", "39.478418"},  // 2.4674011002723395 * 16
      {"sftorus(1,3)=", "78.956835"},
      {"anglell(1,1,1,(-1))=", "1.5707963"},
      {"anglell(1,0,1,1)=", "0.78539816"},
      {"artri(3,4,5,6)=", "Error: artri function, parameter(s) missing or excessive"},
      {"artri(3)=", "Error: artri(x,y,z) function, missing parameter"},
      {"inrtri(1,1,3)=", "Error: inrtri(x,y,z) function, xyz does not form a triangle"},
      {"inrtri(3)=", "Error: inrtri(x,y,z) function, missing parameter"},
      {"cirtri(0,1,1)=", "Error: cirtri(x,y,z) function, xyz does not form a triangle"},
      {"cirtri(3)=", "Error: cirtri(x,y,z) function, missing parameter"},
      {"arrpg(4,0)=", "Error: arrpg(n,x) function, x<=0"},
      {"arrpg(4)=", "Error: arrpg(n,x) function, missing parameter"},
      {"inrrpg(2,1)=", "Error: inrrpg(n,x) function, n<3"},
      {"inrrpg(6,(-1))=", "Error: inrrpg(n,x) function, x<=0"},
      {"inrrpg(6)=", "Error: inrrpg(n,x) function, missing parameter"},
      {"cirrpg(-6,1)=", "Error: cirrpg(n,x) function, n<3"},
      {"cirrpg(6,0)=", "Error: cirrpg(n,x) function, x<=0"},
      {"cirrpg(6)=", "Error: cirrpg(n,x) function, missing parameter"},
      {"circir(4)=", "Error: circir(n,r) function, missing parameter"},
      {"inrcir(-2.5,1)=", "Error: inrcir(n,r) function, n<3"},
      {"inrcir(4)=", "Error: inrcir(n,r) function, missing parameter"},
      {"vcylinder(1)=", "Error: vcylinder(r,h) function, missing parameter"},
      {"sfcylinder(1)=", "Error: sfcylinder(r,h) function, missing parameter"},
      {"vcone(1)=", "Error: vcone(r,h) function, missing parameter"},
      {"sfcone(1)=", "Error: sfcone(r,h) function, missing parameter"},
      {"vtorus(1)=", "Error: vtorus(a,b) function, missing parameter"},
      {"sftorus(1)=", "Error: sftorus(a,b) function, missing parameter"},
      {"distpp(1)=", "Error: distpp(x1,y1,x2,y2) function, missing parameter"},
      {"distpl(1)=", "Error: distpl(x,y,ax,by,c) function, missing parameter"},
      {"anglell(1)=", "Error: anglell(a1,b1,a2,b2) function, missing parameter"},
      {"vsphere(1e200)=", "Error: Overflow"},
  };
  ExpectAnswers(rows);
}

TEST(PhysicsAndChemistry, Answers) {
  const Row rows[] = {
      {"ff(3,4,0)=", "7"},
      {"mass(-2,2)=", "1"},
      {"vc(1.5e8)=", "0.86582547"},
      {"gmr(1,1)=", "6.67428e-11"},
      {"kqr(1,(-2))=", "4.4937759e+09"},
      {"freq(-4,1)=", "12.566371"},
      {"wlf(100,100)=", "0"},
      {"wlf(150,100)=", "-8.5826772"},   // -(50 * 17.44) / (50 + 51.6)
      {"wlfs(150,100)=", "-2.9221636"},  // -(50 * 8.86) / (50 + 101.6)
      {"xrd(0.154056,0.5,30)=", "16.265877"},
      {"xrdcr(0.5,30)=", "24.17561"},
      {"xrdco(0.5,30)=", "18.888693"},
      {"xrdfe(0.5,30)=", "20.44152"},
      {"cho(-6,12,6)=", "180.15588"},
      {"ff(1)=", "Error: ff(f1,f2,theta) function, missing parameter"},
      {"cho(1)=", "Error: cho(c,h,o) function, missing parameter"},
      {"chon(1)=", "Error: chon(c,h,o,n) function, missing parameter"},
      {"gmr(1)=", "Error: gmr(m,r) function, missing parameter"},
      {"gmr(1,0)=", "Error: Overflow"},
      {"kqr(1)=", "Error: kqr(q,r) function, missing parameter"},
      {"freq(1)=", "Error: freq(m,k) function, missing parameter"},
      {"wlf(1)=", "Error: wlf(T,Tg) function, missing parameter"},
      {"wlfs(1)=", "Error: wlfs(T,Ts) function, missing parameter"},
      {"xrd(1)=", "Error: xrd(lambda,FWHM,2theta) function, missing parameter"},
      {"xrdcu(1)=", "Error: xrdcu(FWHM,2theta) function, missing parameter"},
      {"xrdcr(1)=", "Error: xrdcr(FWHM,2theta) function, missing parameter"},
      {"xrdco(1)=", "Error: xrdco(FWHM,2theta) function, missing parameter"},
      {"xrdfe(1)=", "Error: xrdfe(FWHM,2theta) function, missing parameter"},
  };
  ExpectAnswers(rows);
}

}  // namespace
}  // namespace orvo::test
