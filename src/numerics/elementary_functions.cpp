#include "numerics/elementary_functions.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

// Values are carried as unevaluated sums of two doubles (hi + lo, |lo| <= ulp(hi) / 2), built
// from error-free sums and products. Products are split by Dekker's method rather than a fused
// multiply-add, which WebAssembly lacks; both give the same exact error terms, so every platform
// computes the same bits.
namespace vantrel::cr {
namespace {

struct Double2 {
  double hi;
  double lo;
};

#include "numerics/math_tables.inc"

Double2 quickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

Double2 twoSum(double a, double b) {
  const double s = a + b;
  const double bPart = s - a;
  return {s, (a - (s - bPart)) + (b - bPart)};
}

Double2 split(double a) {
  const double c = 134217729.0 * a;  // 2^27 + 1
  const double hi = c - (c - a);
  return {hi, a - hi};
}

Double2 twoProduct(double a, double b) {
  const double p = a * b;
  const auto [ah, al] = split(a);
  const auto [bh, bl] = split(b);
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

Double2 operator-(Double2 a) {
  return {-a.hi, -a.lo};
}

Double2 operator+(Double2 a, Double2 b) {
  Double2 s = twoSum(a.hi, b.hi);
  const Double2 t = twoSum(a.lo, b.lo);
  s = quickTwoSum(s.hi, s.lo + t.hi);
  return quickTwoSum(s.hi, s.lo + t.lo);
}

Double2 operator+(Double2 a, double b) {
  const Double2 s = twoSum(a.hi, b);
  return quickTwoSum(s.hi, s.lo + a.lo);
}

Double2 operator-(Double2 a, Double2 b) {
  return a + -b;
}

Double2 operator*(Double2 a, Double2 b) {
  const Double2 p = twoProduct(a.hi, b.hi);
  return quickTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Double2 operator*(Double2 a, double b) {
  const Double2 p = twoProduct(a.hi, b);
  return quickTwoSum(p.hi, p.lo + a.lo * b);
}

Double2 operator/(Double2 a, Double2 b) {
  const double q1 = a.hi / b.hi;
  Double2 rest = a - b * q1;
  const double q2 = rest.hi / b.hi;
  rest = rest - b * q2;
  const double q3 = rest.hi / b.hi;
  return quickTwoSum(q1, q2) + q3;
}

// The whole number nearest v (|v| < 2^51), ties to even, without a library call.
double nearestWhole(double v) {
  constexpr double kShift = 0x1.8p52;
  return (v + kShift) - kShift;
}

Double2 scaled(Double2 a, int exponent) {
  return {std::ldexp(a.hi, exponent), std::ldexp(a.lo, exponent)};
}

Double2 squareRoot(Double2 a) {
  if (a.hi == 0) return {0, 0};
  const double root = std::sqrt(a.hi);
  const Double2 rest = a - twoProduct(root, root);
  return quickTwoSum(root, rest.hi / (2 * root));
}

// The double nearest v * 2^exponent. Only a result below the normal range is rounded by the
// scaling; if hi then lies half a unit from both neighbours, lo says which is nearer.
double roundScaled(Double2 v, int exponent) {
  const double r = std::ldexp(v.hi, exponent);
  if (std::fabs(r) >= std::numeric_limits<double>::min() || v.lo == 0) return r;
  const double half = std::ldexp(std::numeric_limits<double>::denorm_min(), -exponent - 1);
  if (std::fabs(v.hi - std::ldexp(r, -exponent)) != half) return r;
  return std::ldexp(v.hi + std::copysign(half, v.lo), exponent);
}

// v * 2^exponent with v's hi brought into [0.5, 1).
void normalise(Double2& v, long long& exponent) {
  int k = 0;
  std::frexp(v.hi, &k);
  v = scaled(v, -k);
  exponent += k;
}

// Whether every value within `error` of v rounds to the same double, which is then `result`: a
// cheaper evaluation whose error is known settles the rounding unless v lies that close to the
// midpoint between two doubles.
bool roundsAlike(Double2 v, double error, double& result) {
  const double up = v.hi + (v.lo + error);
  const double down = v.hi + (v.lo - error);
  if (up != down) return false;
  result = up;
  return true;
}

// --- sin and cos ---------------------------------------------------------------------------

// x = quadrant * pi/2 + r, |r| <= pi/4 (a hair more after rounding).
struct Reduced {
  Double2 r;
  int quadrant;
};

// Cody and Waite: pi/2 in 25-bit pieces, so k * piece is exact while |k| < 2^28.
Reduced reduceModerate(double x) {
  const double k = nearestWhole(x / kHalfPi.hi);
  Double2 r = twoSum(x - k * kHalfPiPieces[0], -k * kHalfPiPieces[1]);
  for (int i = 2; i < 6; ++i) r = r + -k * kHalfPiPieces[i];
  return {r, static_cast<int>(static_cast<long long>(k) & 3)};
}

// Payne and Hanek: x * 2/pi from the bits of 2/pi that matter at x's size, in base-2^24 words.
class WideFraction {
 public:
  static constexpr int kWords = 11;
  static constexpr int kWordBits = 24;
  static constexpr std::uint64_t kWordMask = (1u << kWordBits) - 1;

  bool bit(int at) const { return (words_[at / kWordBits] >> (at % kWordBits)) & 1u; }
  void keepBelow(int at) {
    for (int w = 0; w < kWords; ++w) {
      const int low = w * kWordBits;
      if (low >= at)
        words_[w] = 0;
      else if (low + kWordBits > at)
        words_[w] &= (std::uint64_t{1} << (at - low)) - 1;
    }
  }
  void addBit(int at) {
    words_[at / kWordBits] += std::uint64_t{1} << (at % kWordBits);
    carry();
  }
  void complementBelow(int at) {
    for (int w = 0; w < kWords; ++w) words_[w] = ~words_[w] & kWordMask;
    keepBelow(at);
  }
  void carry() {
    for (int w = 0; w + 1 < kWords; ++w) {
      words_[w + 1] += words_[w] >> kWordBits;
      words_[w] &= kWordMask;
    }
  }
  // The value times 2^-fractionBits, to double-double precision.
  Double2 value(int fractionBits) const {
    Double2 sum{0, 0};
    for (int w = kWords - 1; w >= 0; --w) {
      sum = sum + std::ldexp(static_cast<double>(words_[w]), w * kWordBits - fractionBits);
    }
    return sum;
  }
  std::array<std::uint64_t, kWords> words_{};
};

Reduced reduceLarge(double x) {
  constexpr int kWindow = 8;  // words of 2/pi used: over 190 bits below the binary point
  int exponent = 0;
  const double mantissa = std::frexp(std::fabs(x), &exponent);
  const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
  const int e = exponent - 53;  // |x| = m * 2^e
  // Words before `first` contribute multiples of 4 to x * 2/pi: whole turns.
  const int first = e >= 2 ? (e - 2) / WideFraction::kWordBits : 0;
  WideFraction product;
  const std::uint64_t mWords[3] = {m & WideFraction::kWordMask, (m >> 24) & WideFraction::kWordMask,
                                   m >> 48};
  for (int i = 0; i < kWindow; ++i) {
    const std::uint64_t word = kTwoOverPiWords[first + i];
    for (int j = 0; j < 3; ++j) product.words_[kWindow - 1 - i + j] += mWords[j] * word;
    product.carry();
  }
  // product * 2^-fractionBits = x * 2/pi less whole turns.
  const int fractionBits = WideFraction::kWordBits * (first + kWindow) - e;
  product.keepBelow(fractionBits + 2);
  product.addBit(fractionBits - 1);  // + 1/2, so the quadrant is the nearest whole number
  const int quadrant =
      (product.bit(fractionBits + 1) ? 2 : 0) + (product.bit(fractionBits) ? 1 : 0);
  product.keepBelow(fractionBits);
  // What remains is f + 1/2 with -1/2 <= f < 1/2.
  Double2 f;
  if (product.bit(fractionBits - 1)) {
    product.keepBelow(fractionBits - 1);
    f = product.value(fractionBits);
  } else {
    product.complementBelow(fractionBits - 1);  // 1/2 - (f + 1/2) less one unit
    product.addBit(0);
    f = -product.value(fractionBits);
  }
  const Reduced reduced{f * kHalfPi, quadrant};
  if (x > 0) return reduced;
  return {-reduced.r, (4 - quadrant) % 4};
}

Reduced reduce(double x) {
  if (std::fabs(x) <= kHalfPi.hi / 2) return {{x, 0}, 0};
  return std::fabs(x) < 0x1p28 ? reduceModerate(x) : reduceLarge(x);
}

// c[n] s^(n/2) - c[n-2] s^(n/2 - 1) + ... down to c[0] or c[1], by Horner's rule in s = x^2:
// the even or odd terms of a Taylor series whose signs alternate, divided by x for the odd ones.
Double2 alternatingSeries(const Double2* coefficients, int highest, Double2 square) {
  const auto term = [&](int n) { return (n / 2) % 2 == 0 ? coefficients[n] : -coefficients[n]; };
  Double2 sum = term(highest);
  for (int n = highest - 2; n >= 0; n -= 2) sum = sum * square + term(n);
  return sum;
}

// Taylor series of sin and cos for |d| <= 1/128: terms to d^13 and d^12 reach 2^-110.
Double2 sinSmall(Double2 d) {
  return alternatingSeries(kInverseFactorial, 13, d * d) * d;
}

Double2 cosSmall(Double2 d) {
  return alternatingSeries(kInverseFactorial, 12, d * d);
}

struct SinCos {
  Double2 sin;
  Double2 cos;
};

// sin and cos of |r| <= pi/4 from the nearest table angle j/64 and the small rest.
SinCos sinCosReduced(Double2 r) {
  const int j = static_cast<int>(nearestWhole(r.hi * 64));
  const Double2 d = r + static_cast<double>(-j) / 64;
  const Double2 sinD = sinSmall(d);
  const Double2 cosD = cosSmall(d);
  const Double2 sinJ = j < 0 ? -kSinTable[-j] : kSinTable[j];
  const Double2 cosJ = kCosTable[j < 0 ? -j : j];
  return {sinJ * cosD + cosJ * sinD, cosJ * cosD - sinJ * sinD};
}

SinCos sinCos(double x);

// A cheaper first evaluation: pi/2 in two 25-bit pieces and a double, then the series' tails in
// plain doubles. It is within 2^-64 of the result, plus what the shorter pi/2 may cost; most
// results round the same way at both ends of that interval, and only the rest are evaluated in
// full.
bool quickSinOrCos(double x, int quarterTurns, double& result) {
  if (!(std::fabs(x) < 0x1p28)) return false;
  double k = 0;
  Double2 r{x, 0};
  if (std::fabs(x) > kHalfPi.hi / 2) {
    k = nearestWhole(x / kHalfPi.hi);
    r = twoSum(x - k * kHalfPiPieces[0], -k * kHalfPiPieces[1]) + -k * kHalfPiAfterTwoPieces;
  }
  const int quadrant = static_cast<int>((static_cast<long long>(k) + quarterTurns) & 3);
  const int j = static_cast<int>(nearestWhole(r.hi * 64));
  const Double2 d = r + static_cast<double>(-j) / 64;
  const double dh = d.hi;
  const double d2 = dh * dh;
  const double sinTail = dh * d2 * (-1.0 / 6 + d2 * (1.0 / 120 + d2 * (-1.0 / 5040 + d2 / 362880)));
  const double cosTail =
      -(d2 / 2 + dh * d.lo) + d2 * d2 * (1.0 / 24 + d2 * (-1.0 / 720 + d2 / 40320));
  const Double2 sinJ = j < 0 ? -kSinTable[-j] : kSinTable[j];
  const Double2 cosJ = kCosTable[j < 0 ? -j : j];
  Double2 value;
  if (quadrant % 2 == 1) {
    value = (cosJ - twoProduct(sinJ.hi, dh)) +
            (cosJ.hi * cosTail - sinJ.hi * (d.lo + sinTail) - sinJ.lo * dh);
  } else {
    value = (sinJ + twoProduct(cosJ.hi, dh)) +
            (sinJ.hi * cosTail + cosJ.hi * (d.lo + sinTail) + cosJ.lo * dh);
  }
  const double error = 0x1p-64 * std::fabs(value.hi) + (std::fabs(k) + 1) * 0x1p-104;
  if (!roundsAlike(value, error, result)) return false;
  if (quadrant >= 2) result = -result;
  return true;
}

// sin x, or cos x = sin(x + pi/2).
double sinOfShifted(double x, int quarterTurns) {
  double result = 0;
  if (quickSinOrCos(x, quarterTurns, result)) return result;
  const SinCos s = sinCos(x);
  return quarterTurns == 0 ? s.sin.hi : s.cos.hi;
}

SinCos sinCos(double x) {
  const Reduced reduced = reduce(x);
  const SinCos s = sinCosReduced(reduced.r);
  switch (reduced.quadrant) {
    case 0:
      return s;
    case 1:
      return {s.cos, -s.sin};
    case 2:
      return {-s.sin, -s.cos};
    default:
      return {-s.cos, s.sin};
  }
}

// --- atan ----------------------------------------------------------------------------------

// Taylor series of atan for |t| <= 1/128: terms to t^17 reach 2^-110.
Double2 atanSmall(Double2 t) {
  return alternatingSeries(kInverse, 17, t * t) * t;
}

// atan z for 0 <= z <= 1: atan z = atan c + atan((z - c) / (1 + z c)), c = j/64 nearest z.
Double2 atanAtMostOne(Double2 z) {
  const int j = static_cast<int>(nearestWhole(z.hi * 64));
  const double c = j / 64.0;
  const Double2 t = (z + -c) / (z * c + 1.0);
  return kAtanTable[j] + atanSmall(t);
}

// The angle of the point (x, y) with both positive, from 0 to pi/2.
Double2 firstQuadrantAngle(Double2 y, Double2 x) {
  if (y.hi <= x.hi) return atanAtMostOne(y / x);
  return kHalfPi - atanAtMostOne(x / y);
}

// A cheaper first evaluation of the angle of (x, y), x and y positive, turned through pi when
// `left`: the ratio and the reduced argument in double-double, the series' tail in plain doubles.
// It is within 2^-65 of the result; most results round the same way at both ends of a wider
// interval, and only the rest are evaluated in full.
bool quickAngle(double y, double x, bool left, double& result) {
  const bool steep = y > x;
  const double a = steep ? x : y;
  const double b = steep ? y : x;
  const double zh = a / b;
  const Double2 product = twoProduct(zh, b);
  const double zl = ((a - product.hi) - product.lo) / b;  // a - product.hi is exact
  const int j = static_cast<int>(nearestWhole(zh * 64));
  const double c = j / 64.0;
  const Double2 t = twoSum(zh - c, zl) / (twoProduct(c, zh) + 1.0 + c * zl);
  const double th = t.hi;
  const double s = th * th;
  const double tail =
      th * s *
      (-1.0 / 3 + s * (1.0 / 5 + s * (-1.0 / 7 + s * (1.0 / 9 + s * (-1.0 / 11 + s / 13)))));
  Double2 angle = kAtanTable[j] + t + tail;
  if (steep) angle = kHalfPi - angle;
  if (left) angle = kPi - angle;
  return roundsAlike(angle, 0x1p-62 * std::fabs(angle.hi), result);
}

// --- log -------------------------------------------------------------------------------------

constexpr Double2 kLn2 = {0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};

// 1/(2k + 1) for the series of atanh: with |s| <= 0.1716 its 23 terms reach 2^-110 of the sum.
constexpr int kAtanhTerms = 23;
const std::array<Double2, kAtanhTerms>& atanhCoefficients() {
  static const std::array<Double2, kAtanhTerms> coefficients = [] {
    std::array<Double2, kAtanhTerms> c{};
    for (int k = 0; k < kAtanhTerms; ++k) c[k] = Double2{1, 0} / Double2{2.0 * k + 1, 0};
    return c;
  }();
  return coefficients;
}

// log m for m near 1 (from 0.7 to 1.42): 2 atanh s with s = (m - 1)/(m + 1); m - 1 is exact,
// and m + 1 is kept in two parts.
Double2 logNearOne(double m) {
  const Double2 s = Double2{m - 1, 0} / twoSum(m, 1.0);
  const Double2 s2 = s * s;
  const auto& c = atanhCoefficients();
  Double2 series = c[kAtanhTerms - 1];
  for (int k = kAtanhTerms - 2; k >= 0; --k) series = series * s2 + c[k];
  return scaled(s * series, 1);
}

// The quick logarithm's table points j/128 span the reduced range [0.707, 1.414).
constexpr int kFirstLogPoint = 90;
constexpr int kLogPoints = 93;

// log(j/128), j = 90..182, each evaluated in full once.
const std::array<Double2, kLogPoints>& logTable() {
  static const std::array<Double2, kLogPoints> table = [] {
    std::array<Double2, kLogPoints> logs{};
    for (int k = 0; k < kLogPoints; ++k) logs[k] = logNearOne((kFirstLogPoint + k) / 128.0);
    return logs;
  }();
  return table;
}

// A cheaper first evaluation of log(m * 2^exponent): log m = log c + log(1 + u) with c = j/128
// nearest m and u = (m - c)/c in double-double, the series' terms from u^3 on in plain doubles.
// It is within 2^-65 of the result; most results round the same way at both ends of a wider
// interval, and only the rest are evaluated in full.
bool quickLog(double m, int exponent, double& result) {
  const int j = static_cast<int>(nearestWhole(m * 128));
  const double c = j / 128.0;
  const double f = m - c;  // exact: m lies within a factor 2 of c
  const double uh = f / c;
  const Double2 product = twoProduct(uh, c);
  const double ul = ((f - product.hi) - product.lo) / c;
  Double2 u2 = twoProduct(uh, uh);
  u2 = quickTwoSum(u2.hi, u2.lo + 2 * uh * ul);
  // u^3 (1/3 - u/4 + u^2/5 - ... + u^8/11)
  double rest = 1.0 / 11;
  for (int k = 10; k >= 3; --k) rest = (k % 2 == 1 ? 1.0 : -1.0) / k + uh * rest;
  const double tail = uh * u2.hi * rest;
  const Double2 value = kLn2 * static_cast<double>(exponent) + logTable()[j - kFirstLogPoint] +
                        Double2{uh, ul} + Double2{-0.5 * u2.hi, -0.5 * u2.lo} + tail;
  return roundsAlike(value, 0x1p-62 * std::fabs(value.hi), result);
}

}  // namespace

double sin(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-26) return x;  // x^3/6 is below half a unit of x
  return sinOfShifted(x, 0);
}

double cos(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return 1.0;  // x^2/2 is below half a unit of 1
  return sinOfShifted(x, 1);
}

double tan(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return x;  // x^3/3 is below half a unit of x
  const SinCos s = sinCos(x);
  return (s.sin / s.cos).hi;
}

double atan(double x) {
  if (std::isnan(x)) return x + x;
  const double a = std::fabs(x);
  if (a < 0x1p-27) return x;                            // x^3/3 is below half a unit of x
  if (a > 0x1p60) return std::copysign(kHalfPi.hi, x);  // pi/2 - 1/x rounds to pi/2
  const Double2 angle = firstQuadrantAngle({a, 0}, {1, 0});
  return std::copysign(angle.hi, x);
}

namespace {

double atan2Of(double y, double x, bool quickFirst) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  const bool left = std::signbit(x);
  if (y == 0) return std::copysign(left ? kPi.hi : 0.0, y);
  if (std::isinf(x) && std::isinf(y)) {
    return std::copysign(left ? (kPi - scaled(kHalfPi, -1)).hi : kHalfPi.hi / 2, y);
  }
  if (std::isinf(x)) return std::copysign(left ? kPi.hi : 0.0, y);
  if (std::isinf(y) || x == 0) return std::copysign(kHalfPi.hi, y);
  int ey = 0;
  int ex = 0;
  const double ny = std::frexp(std::fabs(y), &ey);
  const double nx = std::frexp(std::fabs(x), &ex);
  const int shift = ey - ex;
  // Far from the axes' directions the angle is the ratio, or pi/2 or pi less a part too small to
  // change the rounded result.
  if (shift > 60) return std::copysign(kHalfPi.hi, y);
  if (shift < -60) return std::copysign(left ? kPi.hi : std::fabs(y) / std::fabs(x), y);
  const double scaledY = std::ldexp(ny, shift);
  double result = 0;
  if (quickFirst && quickAngle(scaledY, nx, left, result)) return std::copysign(result, y);
  Double2 angle = firstQuadrantAngle({scaledY, 0}, {nx, 0});
  if (left) angle = kPi - angle;
  return std::copysign(angle.hi, y);
}

}  // namespace

double atan2(double y, double x) {
  return atan2Of(y, x, true);
}

double acos(double x) {
  if (std::isnan(x)) return x + x;
  const double a = std::fabs(x);
  if (a > 1) return std::numeric_limits<double>::quiet_NaN();
  if (x == 1) return 0.0;
  if (a < 0x1p-57) return kHalfPi.hi;  // pi/2 - x rounds to pi/2
  const Double2 side = squareRoot(Double2{1, 0} - twoProduct(a, a));
  const Double2 angle = firstQuadrantAngle(side, {a, 0});
  return x < 0 ? (kPi - angle).hi : angle.hi;
}

double hypot(double x, double y) {
  if (std::isinf(x) || std::isinf(y)) return std::numeric_limits<double>::infinity();
  if (std::isnan(x) || std::isnan(y)) return x + y;
  double big = std::fabs(x);
  double small = std::fabs(y);
  if (big < small) std::swap(big, small);
  if (small == 0) return big;
  int exponent = 0;
  std::frexp(big, &exponent);
  // (small/big)^2 / 2 below 2^-120 of big cannot change the rounded result.
  if (std::ilogb(big) - std::ilogb(small) > 62) return big;
  const double b = std::ldexp(big, -exponent);
  const double s = std::ldexp(small, -exponent);
  const Double2 root = squareRoot(twoProduct(b, b) + twoProduct(s, s));
  return roundScaled(root, exponent);
}

double pow(double x, int n) {
  if (n == 0) return 1.0;
  if (x == 0 || !std::isfinite(x)) return std::pow(x, n);  // C's rules for zeros and infinities
  int e = 0;
  Double2 base{std::frexp(std::fabs(x), &e), 0};
  long long baseExponent = e;  // |x|^(2^i) = base * 2^baseExponent
  Double2 power{1, 0};
  long long exponent = 0;
  for (unsigned k = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);;) {
    if (k & 1u) {
      power = power * base;
      exponent += baseExponent;
      normalise(power, exponent);
    }
    k >>= 1;
    if (k == 0) break;
    base = base * base;
    baseExponent *= 2;
    normalise(base, baseExponent);
  }
  if (n < 0) {
    power = Double2{1, 0} / power;
    exponent = -exponent;
    normalise(power, exponent);
  }
  const bool negative = x < 0 && n % 2 != 0;
  double magnitude = 0;
  if (exponent > 1100)
    magnitude = std::numeric_limits<double>::infinity();
  else if (exponent >= -1100)
    magnitude = roundScaled(power, static_cast<int>(exponent));
  return negative ? -magnitude : magnitude;
}

namespace {

double logOf(double x, bool quickFirst) {
  if (std::isnan(x)) return x + x;
  if (x < 0) return std::numeric_limits<double>::quiet_NaN();
  if (x == 0) return -std::numeric_limits<double>::infinity();
  if (std::isinf(x)) return x;
  if (x == 1) return 0.0;
  int exponent = 0;
  double m = std::frexp(x, &exponent);
  if (m < 0x1.6a09e667f3bcdp-1) {  // below the square root of a half: m goes to [0.707, 1.414)
    m *= 2;
    --exponent;
  }
  double result = 0;
  if (quickFirst && quickLog(m, exponent, result)) return result;
  return (kLn2 * static_cast<double>(exponent) + logNearOne(m)).hi;
}

}  // namespace

double log(double x) {
  return logOf(x, true);
}

namespace full {

double log(double x) {
  return logOf(x, false);
}

double atan2(double y, double x) {
  return atan2Of(y, x, false);
}

}  // namespace full

}  // namespace vantrel::cr
