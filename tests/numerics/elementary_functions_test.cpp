#include "numerics/elementary_functions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string_view>

namespace vantrel {
namespace {

struct Case {
  std::string_view function;
  double arguments[2];
  double nearest;  // the double nearest the true value, from a 60-digit computation
};

double evaluate(std::string_view function, const double* a) {
  if (function == "sin") return cr::sin(a[0]);
  if (function == "cos") return cr::cos(a[0]);
  if (function == "tan") return cr::tan(a[0]);
  if (function == "atan") return cr::atan(a[0]);
  if (function == "acos") return cr::acos(a[0]);
  if (function == "atan2") return cr::atan2(a[0], a[1]);
  if (function == "hypot") return cr::hypot(a[0], a[1]);
  if (function == "log") return cr::log(a[0]);
  return cr::pow(a[0], static_cast<int>(a[1]));
}

// Moderate and huge arguments, angles next to multiples of pi/2, a subnormal power, and
// arguments whose results glibc rounds the other way; logarithms next to 1 and of a subnormal.
constexpr Case kCases[] = {
    {"sin", {-0x1.3bd5ebda2cbf9p+4}, -0x1.8dea7348e9b01p-1},
    {"sin", {0x1.1c2b191f4c811p+744}, -0x1.78cc1e9c15eb0p-5},
    {"sin", {-0x1.8a2c455e2e92ep+57}, -0x1.e3017967f4bf7p-1},
    {"sin", {0x1.8f22b5963d12p+4}, -0x1.7c478ef2dfa35p-3},
    {"cos", {0x1.40f19b6f3f22cp+237}, 0x1.8c4079c8f5134p-2},
    {"cos", {0x1.28988e58e5feap+547}, -0x1.ad0aa74b58ef1p-2},
    {"cos", {0x1.384d39279836cp+825}, -0x1.cf198a1528615p-1},
    {"cos", {-0x1.8f108fe7a9212p+5}, 0x1.db051ec68e128p-1},
    {"tan", {-0x1.45cd0dd2aef45p+1}, 0x1.5b7bbd2df5040p-1},
    {"tan", {0x1.da86bb2d17df8p+2}, 0x1.103c75e1a3f96p+1},
    {"tan", {-0x1.6f8787f9b7092p+5}, 0x1.39194552e1eacp+1},
    {"tan", {-0x1.5f9ac5e9b05eep+5}, 0x1.03f91c482460ap-5},
    {"atan", {0x1.cf67035b1ee9cp+38}, 0x1.921fb544409bdp+0},
    {"atan", {-0x1.35477aeaa520ap+42}, -0x1.921fb544429c9p+0},
    {"atan", {0x1.2512841b9452ep-21}, 0x1.2512841b9432ep-21},
    {"atan", {-0x1.20139a654010bp+5}, -0x1.8b043714a495fp+0},
    {"acos", {-0x1.09d05d98a8f3dp-1}, 0x1.0eef26b644285p+1},
    {"acos", {0x1.83ced1156ac5p-4}, 0x1.79d97959b55f7p+0},
    {"acos", {-0x1.10e5b432975bp-4}, 0x1.a3314d261f216p+0},
    {"acos", {0x1.27c49f8b3c5b6p-1}, 0x1.e8eb9b4c2576ep-1},
    {"atan2", {-0x1.09d70dc15a75fp-1, 0x1.476a5c056f71bp+6}, -0x1.9fb481f7b7269p-8},
    {"atan2", {-0x1.04c8aff88d113p-1, 0x1.8eeaede47bb3ap-18}, -0x1.921ef1777d85dp+0},
    {"atan2", {0x1.7ba32077d2f2p-5, 0x1.09391d54e2e38p-6}, 0x1.3c179b7d1c76ap+0},
    {"atan2", {0x1.e2138e76451bcp-2, -0x1.8d615e7643777p-13}, 0x1.923a160357edfp+0},
    {"hypot", {0x1.41c05e44e2a0cp-1, -0x1.2e22af19041c9p-9}, 0x1.41c0ec2056e33p-1},
    {"hypot", {-0x1.63bf1476f759ep-2, 0x1.92a069798c39dp-1}, 0x1.b82ac619c0636p-1},
    {"hypot", {0x1.52d741207f82p-3, 0x1.95e6fbd5962e5p+10}, 0x1.95e6fbf8f1ab4p+10},
    {"hypot", {-0x1.5c60603cc338p-1, 0x1.8c3b56b98c533p-11}, 0x1.5c606e520c575p-1},
    {"pow", {0x1.924c1e94cbb63p-1, 22}, 0x1.458540c8129f6p-8},
    {"pow", {0x1.63c83aab36badp-2, 24}, 0x1.50f42fedce88cp-37},
    {"pow", {0x1.1a43bb90c9245p-3, 7}, 0x1.fb2bec564405ap-21},
    {"pow", {0x1.5ac3768822b3fp+0, 1}, 0x1.5ac3768822b3fp+0},
    {"atan", {0x1.0cc559700fb77p-3}, 0x1.0b3e5fc10b352p-3},
    {"atan", {0x1.901379cb6eb49p-4}, 0x1.8ecf9ef75c1b1p-4},
    {"atan", {0x1.cbbe8488b2857p-2}, 0x1.b01fc4143c42dp-2},
    {"atan", {0x1.f480060afc817p-4}, 0x1.f207fbd4d01bcp-4},
    {"hypot", {-0x1.4b545d2d36d64p-2, 0x1.f86f15315ea1bp-5}, 0x1.5146a878de65dp-2},
    {"hypot", {-0x1.e08a3b4b56884p-2, 0x1.fdd7a2ce07dfdp-1}, 0x1.19cf83b1bedc6p+0},
    {"hypot", {-0x1.ff348dd575834p-2, 0x1.2b3915a321f64p-2}, 0x1.282b5d80d3157p-1},
    {"hypot", {0x1.c2fc01dd08514p-2, 0x1.26e711a82b92cp-2}, 0x1.0d6c39a9ffb41p-1},
    {"sin", {0x1.921fb54442d18p+1}, 0x1.1a62633145c07p-53},
    {"cos", {0x1.921fb54442d18p+0}, 0x1.1a62633145c07p-54},
    {"sin", {0x1.5p+1023}, 0x1.f6314abfd0dfep-1},
    {"cos", {-0x1.8p+600}, -0x1.028af148a7b02p-1},
    {"tan", {0x1.921fb54442d18p+0}, 0x1.d02967c31cdb5p+53},
    {"pow", {0x1.8p-97, 11}, 0x0.0000000002b40p-1022},
    {"pow", {-0x1.4p-1, 9}, -0x1.dcd6500000000p-7},
    {"pow", {0x1.fffffffffffffp-1, 1000000}, 0x1.ffffffff0bdc0p-1},
    {"log", {0x1.0000000400000p+0}, 0x1.fffffffc00000p-31},
    {"log", {0x1.fffffffffe000p-1}, -0x1.0000000000800p-40},
    {"log", {0x1.6a09e667f3bcdp-1}, -0x1.62e42fefa39eep-2},
    {"log", {0x1.6a09e667f3bcdp+0}, 0x1.62e42fefa39f0p-2},
    {"log", {0x0.0000000000001p-1022}, -0x1.74385446d71c3p+9},
    {"log", {0x1.999999999999ap-4}, -0x1.26bb1bbb55515p+1},
    {"log", {0x1.cf25c30230da9p-836}, -0x1.2170680826fa3p+9},
    {"log", {0x1.d7a191b32eef8p+979}, 0x1.5399deb95ad83p+9},
};

TEST(CorrectlyRounded, GivesTheNearestDouble) {
  for (const Case& c : kCases) {
    EXPECT_EQ(evaluate(c.function, c.arguments), c.nearest)
        << c.function << "(" << std::hexfloat << c.arguments[0] << ", " << c.arguments[1] << ")";
  }
}

// Zeros, infinities and NaN follow C's rules, as the system's own functions do.
TEST(CorrectlyRounded, SpecialValuesAsInC) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double specials[] = {0.0, -0.0, 1.0, -1.0, 0x1p-1074, -0x1p-1030, inf, -inf, nan};
  const auto same = [](double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
  };
  for (const double x : specials) {
    EXPECT_TRUE(same(cr::sin(x), std::sin(x))) << "sin " << x;
    EXPECT_TRUE(same(cr::cos(x), std::cos(x))) << "cos " << x;
    EXPECT_TRUE(same(cr::tan(x), std::tan(x))) << "tan " << x;
    EXPECT_TRUE(same(cr::atan(x), std::atan(x))) << "atan " << x;
    EXPECT_TRUE(same(cr::acos(x), std::acos(x))) << "acos " << x;
    EXPECT_TRUE(same(cr::log(x), std::log(x))) << "log " << x;
    for (const int n : {-3, -2, 0, 1, 2, 3}) {
      EXPECT_TRUE(same(cr::pow(x, n), std::pow(x, n))) << "pow " << x << " " << n;
    }
    for (const double y : specials) {
      EXPECT_TRUE(same(cr::atan2(y, x), std::atan2(y, x))) << "atan2 " << y << " " << x;
      EXPECT_TRUE(same(cr::hypot(y, x), std::hypot(y, x))) << "hypot " << y << " " << x;
    }
  }
  EXPECT_EQ(cr::pow(2.0, 1024), inf);
  EXPECT_EQ(cr::pow(-2.0, -1075), -0.0);
}

// Elsewhere the C library is within a unit of the nearest double: a wrong table entry or a
// slipped quadrant shows up as a larger difference.
TEST(CorrectlyRounded, WithinAUnitOfTheSystemsFunctions) {
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<double> unit(-1, 1);
  const auto units = [](double a, double b) {
    return std::fabs(a - b) / (std::nextafter(std::fabs(b), 1e308) - std::fabs(b));
  };
  for (int i = 0; i < 20000; ++i) {
    const double angle = unit(random) * 100;
    const double ratio = std::exp(unit(random) * 30);
    const double x = unit(random);
    ASSERT_LE(units(cr::sin(angle), std::sin(angle)), 1) << std::hexfloat << angle;
    ASSERT_LE(units(cr::cos(angle), std::cos(angle)), 1) << std::hexfloat << angle;
    ASSERT_LE(units(cr::tan(angle), std::tan(angle)), 1) << std::hexfloat << angle;
    ASSERT_LE(units(cr::atan(ratio), std::atan(ratio)), 1) << std::hexfloat << ratio;
    ASSERT_LE(units(cr::atan2(x, -ratio), std::atan2(x, -ratio)), 1) << std::hexfloat << x;
    ASSERT_LE(units(cr::acos(x), std::acos(x)), 1) << std::hexfloat << x;
    ASSERT_LE(units(cr::hypot(x, ratio), std::hypot(x, ratio)), 1) << std::hexfloat << x;
    ASSERT_LE(units(cr::log(ratio), std::log(ratio)), 1) << std::hexfloat << ratio;
    ASSERT_LE(units(cr::pow(ratio, i % 9), std::pow(ratio, i % 9)), 1) << std::hexfloat << ratio;
  }
}

// The logarithm and the angle first try a cheaper evaluation and keep it only when its error
// cannot change the rounding: every value must be the full evaluation's, bit for bit, over the
// whole range, next to 1, next to the axes and the diagonal, and in all four quadrants.
TEST(CorrectlyRounded, QuickLogarithmAndAngleGiveTheFullBits) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(0.5, 1);
  std::uniform_int_distribution<int> anyExponent(-1074, 1023), exponent(-60, 60), nearOne(1, 60);
  const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
  for (int i = 0; i < 40000; ++i) {
    const double x = i % 2 == 0 ? std::ldexp(mantissa(random), anyExponent(random))
                                : 1 + std::ldexp(mantissa(random) - 0.75, -nearOne(random));
    ASSERT_EQ(bits(cr::log(x)), bits(cr::full::log(x))) << std::hexfloat << x;
    const double y = std::ldexp(mantissa(random), exponent(random)) * (i % 4 < 2 ? 1 : -1);
    const double along = i % 3 == 0 ? std::fabs(y) * (1 + 0x1p-40 * mantissa(random))
                                    : std::ldexp(mantissa(random), exponent(random));
    for (const double x2 : {along, -along}) {
      ASSERT_EQ(bits(cr::atan2(y, x2)), bits(cr::full::atan2(y, x2)))
          << std::hexfloat << y << " " << x2;
    }
  }
}

}  // namespace
}  // namespace vantrel
