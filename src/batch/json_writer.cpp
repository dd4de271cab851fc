#include "batch/json_writer.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "batch/number_format.h"

namespace vantrel::batch {
namespace {

// Length of the valid UTF-8 sequence starting at `at`, or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(at);
  std::size_t length = 0;
  std::uint32_t minimum = 0;
  std::uint32_t code = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < minimum || code > 0x10FFFF || surrogate) return 0;
  return length;
}

void appendEscapedAscii(std::string& out, char c) {
  switch (c) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\b':
      out += "\\b";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
    out += escaped;
    return;
  }
  out += c;
}

template <typename Number>
std::string finiteOrNull(Number value) {
  return std::isfinite(value) ? shortestText(value) : std::string("null");
}

}  // namespace

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = utf8SequenceLength(text, at);
    if (length == 0) {
      out += "\\ufffd";
      ++at;
    } else if (length == 1) {
      appendEscapedAscii(out, text[at]);
      ++at;
    } else {
      out.append(text.substr(at, length));
      at += length;
    }
  }
  out += '"';
  return out;
}

std::string jsonNumber(double value) {
  return finiteOrNull(value);
}
std::string jsonNumber(float value) {
  return finiteOrNull(value);
}

std::string jsonArray(const std::vector<double>& values) {
  std::string out = "[";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ',';
    out += jsonNumber(values[i]);
  }
  out += ']';
  return out;
}

}  // namespace vantrel::batch
