#pragma once
#include <string_view>

// Texts of the matrix, complex and linear-system commands, exactly as the console shows them.
// "%d" and "%s" are filled in order by Fill (base/message.h).
namespace orvo::msg {

inline constexpr std::string_view kNoSuchCommand =
    "Error: There was no such @ function\r\nInput @= and press Enter to see @ functions";

// Defining, viewing and copying.
inline constexpr std::string_view kMatrixDefined = "Defined mat%d  %d * %d\r\n";
inline constexpr std::string_view kViewTitle = "mat%d\r\n";
inline constexpr std::string_view kViewBadName =
    "Error: Illegal format of @(mat) function\r\nThe parameter should be mat0, mat1 or mat2";
inline constexpr std::string_view kCopied = "Done. Now mat%d = mat0";
inline constexpr std::string_view kCopyBadName =
    "Error: Illegal format of @0(mat) function\r\nThe parameter should be mat1 or mat2";

// Commands on one matrix; the first %s is the command's word.
inline constexpr std::string_view kBadName =
    "Error: Illegal format of @%s(mat) function. The parameter should be mat1 or mat2";
inline constexpr std::string_view kNotSquare = "Error: mat%d is not a square matrix";
inline constexpr std::string_view kSingular = "Error: mat%d is singular, it has no inverse";
inline constexpr std::string_view kQrFailed = "Failed in the QR split of mat%d";
inline constexpr std::string_view kLuFailed = "Failed in the LU split of mat%d";
inline constexpr std::string_view kCholeskyFailed = "Failed in the Cholesky split of mat%d";
inline constexpr std::string_view kOperand = "mat%d\r\n";
inline constexpr std::string_view kResult = "%s mat0\r\n";
inline constexpr std::string_view kQrAnswer = "mat%d QR Split\r\nQ mat%d\r\n";
inline constexpr std::string_view kQrResult = "R mat0\r\n";
inline constexpr std::string_view kLuAnswer = "mat%d LU Split\r\nL mat%d\r\n";
inline constexpr std::string_view kLuResult = "U mat0\r\n";

// "@sub(mat;i;j)". The spelling of the first message is part of the interface.
inline constexpr std::string_view kSubMissing =
    "Error: Illegal format of @sub(mat;i;j) fuction, missing paramter(s)";
inline constexpr std::string_view kSubBadName =
    "Error: Illegal format of @sub(mat;i;j) function. The first parameter should be mat1 or mat2";
inline constexpr std::string_view kSubBadRow =
    "Error: Illegal format of @sub(mat;i;j) function. The row number i should be between 1 and "
    "%d";
inline constexpr std::string_view kSubBadColumn =
    "Error: Illegal format of @sub(mat;i;j) function. The column number j should be between 1 "
    "and %d";
inline constexpr std::string_view kSubTooSmall =
    "Error: mat%d has only one row or one column, it has no sub matrix";

// Measures.
inline constexpr std::string_view kMeasure = "mat%d %s =%s\r\nmat%d \r\n";
inline constexpr std::string_view kEigenTitle = "mat%d Eigen Values =\r\n";
inline constexpr std::string_view kEigenFailed =
    "Failed in getting the eigen values. You may reduce the precision and try again\r\n";
inline constexpr std::string_view kEigenOperand = "mat%d \r\n";

// Two matrices; %s is "+", "-" or "*", then "plus", "minus" or "multiple".
inline constexpr std::string_view kPairBadName =
    "Error: Illegal format of @%s (mat;mat) function. The parameter should be mat1 or mat2";
inline constexpr std::string_view kPairFailed = "Failed in the %s calculation";
inline constexpr std::string_view kPairAnswer = "mat%d %s mat%d =\r\nmat0\r\n";

// A number and a matrix; %s is "+", "-", "*", "" or "set".
inline constexpr std::string_view kScalarBadName =
    "Error: Illegal format of @d%s(d;mat) function. The second parameter should be mat1 or mat2";
inline constexpr std::string_view kScalarAnswer = "%s %s mat%d =\r\nmat0\r\n";
inline constexpr std::string_view kChangedInPlace = "Done. Now mat%d is\r\n";

// Complex numbers (1 x 2 matrices).
inline constexpr std::string_view kNotComplex =
    "mat%d is not a 1*2 matrix, which can not do complex calculation";
inline constexpr std::string_view kComplexPairBadName =
    "Error: Illegal format of @%s (mat;mat) function. The parameter should be mat1 or mat2";
inline constexpr std::string_view kComplexOperand = "Complex mat%d \r\n";
inline constexpr std::string_view kComplexFunctionResult = "%s(mat%d) = mat0\r\n";
inline constexpr std::string_view kComplexResult = "%s() =mat0\r\n";
inline constexpr std::string_view kRootWord = "root %d";
inline constexpr std::string_view kRootBadName =
    "Error: Illegal format of @root (n;mat) function. The second parameter should be mat1 or "
    "mat2";
inline constexpr std::string_view kRootTooFew = "Error: @Root(n;mat) function, n<=1";
inline constexpr std::string_view kRootTooMany =
    "Error: @Root(n;mat) function, n>20, mat0 can hold at most 20 roots";

// "&lrt(" linear systems.
inline constexpr std::string_view kLinearReadIn = "The read-in matrix was\r\n";
inline constexpr std::string_view kLinearRoots = "The roots were";
inline constexpr std::string_view kLinearRoot = "x[%d]";
inline constexpr std::string_view kLinearNotSquare =
    "Error: Row number was not equal to column number. Row %d Column %d";
inline constexpr std::string_view kLinearColumns = "Error: Columns more than 20";
inline constexpr std::string_view kLinearRows = "Error: Rows more than 20";
inline constexpr std::string_view kLinearFormat = "Error: Illegal format of &lrt() function";
inline constexpr std::string_view kLinearSingular =
    "Error: The matrix is singular, there is no unique solution";

}  // namespace orvo::msg
