#include "text/windows1254_text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(BytesToUtf8, KeepsValidUtf8) {
  EXPECT_EQ(bytesToUtf8("NACA 2412"), "NACA 2412");
  EXPECT_EQ(bytesToUtf8("\xC4\xB0stanbul \xF0\x9F\x9B\xA9"), "\xC4\xB0stanbul \xF0\x9F\x9B\xA9");
  EXPECT_EQ(bytesToUtf8(""), "");
}

TEST(BytesToUtf8, DecodesAnythingElseAsWindows1254) {
  // Ğ İ Ş ğ ı ş differ from Latin-1; Ü and é do not.
  EXPECT_EQ(bytesToUtf8("\xD0\xDD\xDE\xF0\xFD\xFE"),
            "\xC4\x9E\xC4\xB0\xC5\x9E\xC4\x9F\xC4\xB1\xC5\x9F");
  EXPECT_EQ(bytesToUtf8("\xDC\xE9"), "\xC3\x9C\xC3\xA9");
  EXPECT_EQ(bytesToUtf8("\x80\x81"), "\xE2\x82\xAC\xEF\xBF\xBD");  // euro, undefined byte
  // Forms that look like UTF-8 but are not: overlong, surrogate, cut short.
  EXPECT_EQ(bytesToUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
  EXPECT_EQ(bytesToUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
  EXPECT_EQ(bytesToUtf8("a\xC3"), "a\xC3\x83");
}

TEST(QuotedForMessage, HidesControlCharactersAndCutsLongPieces) {
  EXPECT_EQ(quotedForMessage("0.2x"), "0.2x");
  EXPECT_EQ(quotedForMessage(std::string("a\0b\x1B", 4)), "a?b?");
  EXPECT_EQ(quotedForMessage("abcdef", 3), "abc...");
  EXPECT_EQ(quotedForMessage("\xDE\xDE\xDE", 2), "\xC5\x9E\xC5\x9E...");
}

// U+009B starts an escape sequence in many terminals, as ESC [ does.
TEST(QuotedForMessage, HidesTheC1ControlsAndDelToo) {
  EXPECT_EQ(quotedForMessage("\xC2\x9B"
                             "31m\x7F"),
            "?31m?");
  EXPECT_EQ(quotedForMessage("\xC2\x80\xC2\x9F\xC2\xA0\xC2\xB0"), "??\xC2\xA0\xC2\xB0");
}

}  // namespace
}  // namespace vantrel
