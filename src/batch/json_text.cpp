#include "batch/json_text.h"

#include <algorithm>
#include <cmath>

#include "text/locale_free_numbers.h"

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

// One U+FFFD for every stray byte, as the tool has always replaced them (the library's own
// replacement merges some runs of bad bytes into one).
std::string validUtf8(std::string_view text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = utf8SequenceLength(text, at);
    out += length == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(at, length);
    at += std::max<std::size_t>(length, 1);
  }
  return out;
}

std::string stringText(std::string_view text) {
  return Json(validUtf8(text)).dump();
}

template <typename Document>
bool allNumbers(const Document& array) {
  return std::all_of(array.begin(), array.end(),
                     [](const Document& item) { return item.is_number_float() || item.is_null(); });
}

template <typename Document>
std::string text(const Document& document) {
  std::string out;
  switch (document.type()) {
    case nlohmann::json::value_t::object:
      for (const auto& [key, item] : document.items()) {
        out += (out.empty() ? "{" : ", ") + stringText(key) + ": " + text(item);
      }
      return out.empty() ? "{}" : out + "}";
    case nlohmann::json::value_t::array: {
      const char* separator = allNumbers(document) ? "," : ", ";
      for (const Document& item : document) out += (out.empty() ? "[" : separator) + text(item);
      return out.empty() ? "[]" : out + "]";
    }
    case nlohmann::json::value_t::number_float: {
      const auto value = document.template get<typename Document::number_float_t>();
      return std::isfinite(value) ? shortestText(value) : "null";
    }
    case nlohmann::json::value_t::string:
      return stringText(document.template get_ref<const std::string&>());
    default:  // null, true, false and integers
      return document.dump();
  }
}

}  // namespace

std::string jsonText(const Json& document) {
  return text(document);
}
std::string jsonText(const FloatJson& document) {
  return text(document);
}

}  // namespace vantrel::batch
