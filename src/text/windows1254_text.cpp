#include "text/windows1254_text.h"

#include <cstdint>

namespace vantrel {
namespace {

// Windows-1254 bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0,      0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0,      0x0178};

char32_t windows1254(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte < 0xA0) {
    const char32_t code = kHighControls[byte - 0x80];
    return code == 0 ? U'\uFFFD' : code;
  }
  // Latin-1 apart from the six Turkish letters.
  switch (byte) {
    case 0xD0:
      return 0x011E;  // Ğ
    case 0xDD:
      return 0x0130;  // İ
    case 0xDE:
      return 0x015E;  // Ş
    case 0xF0:
      return 0x011F;  // ğ
    case 0xFD:
      return 0x0131;  // ı
    case 0xFE:
      return 0x015F;  // ş
    default:
      return byte;
  }
}

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Length of the well-formed UTF-8 sequence at `i` (no overlong forms, no surrogates, at most
// U+10FFFF), or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = at(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  if (at(i + 1) < low || at(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
  }
  return length;
}

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = utf8SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace

std::string bytesToUtf8(std::string_view bytes) {
  if (isValidUtf8(bytes)) return std::string(bytes);
  std::string text;
  for (char byte : bytes) appendUtf8(text, windows1254(static_cast<unsigned char>(byte)));
  return text;
}

std::string quotedForMessage(std::string_view bytes, std::size_t maxCharacters) {
  const std::string text = bytesToUtf8(bytes);
  std::string shown;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (characters == maxCharacters) return shown + "...";
    const std::size_t length = utf8SequenceLength(text, i);
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    // C0 controls, DEL and the C1 controls U+0080..U+009F (U+009B starts an escape sequence in
    // many terminals as ESC [ does).
    const bool c1 = length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (lead < 0x20 || lead == 0x7F || c1) {
      shown += '?';
    } else {
      shown.append(text, i, length);
    }
    i += length;
    ++characters;
  }
  return shown;
}

}  // namespace vantrel
