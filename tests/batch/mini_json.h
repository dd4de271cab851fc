#pragma once

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A strict little JSON reader for the tests: it accepts exactly the grammar of RFC 8259 and
// keeps object keys in their order, so a test can check both validity and layout.
namespace vantrel::test_json {

struct Value {
  enum class Kind { Null, Boolean, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<Value> items;
  // Object members in their order; kept as two lists because a pair cannot hold the still
  // incomplete Value.
  std::vector<std::string> memberNames;
  std::vector<Value> memberValues;

  const Value* find(std::string_view key) const {
    for (std::size_t i = 0; i < memberNames.size(); ++i) {
      if (memberNames[i] == key) return &memberValues[i];
    }
    return nullptr;
  }
  const Value& operator[](std::string_view key) const {
    static const Value missing;
    const Value* found = find(key);
    return found != nullptr ? *found : missing;
  }
  const std::vector<std::string>& keys() const { return memberNames; }
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<Value> document() {
    auto value = parseValue();
    skipBlanks();
    if (!value || at_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  void skipBlanks() {
    const std::string_view blanks = " \t\r\n";
    while (at_ < text_.size() && blanks.find(text_[at_]) != std::string_view::npos) ++at_;
  }
  bool literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  std::optional<Value> parseValue() {
    skipBlanks();
    if (at_ >= text_.size()) return std::nullopt;
    Value value;
    const char c = text_[at_];
    if (c == '{') return parseObject();
    if (c == '[') return parseArray();
    if (c == '"') {
      auto text = parseString();
      if (!text) return std::nullopt;
      value.kind = Value::Kind::String;
      value.text = *text;
      return value;
    }
    if (literal("null")) return value;
    if (literal("true") || literal("false")) {
      value.kind = Value::Kind::Boolean;
      value.boolean = text_.substr(at_ - 4, 4) == "true";
      return value;
    }
    return parseNumber();
  }
  std::optional<Value> parseNumber() {
    const std::size_t start = at_;
    auto digits = [&] {
      const std::size_t from = at_;
      while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
      return at_ > from;
    };
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (!digits()) {
      return std::nullopt;
    }
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (!digits()) return std::nullopt;
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!digits()) return std::nullopt;
    }
    Value value;
    value.kind = Value::Kind::Number;
    value.number = std::strtod(std::string(text_.substr(start, at_ - start)).c_str(), nullptr);
    return value;
  }
  std::optional<std::string> parseString() {
    std::string out;
    ++at_;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) return std::nullopt;
      const char e = text_[at_++];
      const std::string_view simple = "\"\\/bfnrt";
      const std::string_view meaning = "\"\\/\b\f\n\r\t";
      if (simple.find(e) != std::string_view::npos) {
        out += meaning[simple.find(e)];
      } else if (e == 'u' && at_ + 4 <= text_.size()) {
        const unsigned code = std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16);
        at_ += 4;
        appendUtf8(out, code);
      } else {
        return std::nullopt;
      }
    }
    return std::nullopt;
  }
  static void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  std::optional<Value> parseArray() {
    Value value;
    value.kind = Value::Kind::Array;
    ++at_;
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == ']') {
      ++at_;
      return value;
    }
    while (true) {
      auto item = parseValue();
      if (!item) return std::nullopt;
      value.items.push_back(std::move(*item));
      skipBlanks();
      if (at_ >= text_.size()) return std::nullopt;
      if (text_[at_] == ']') {
        ++at_;
        return value;
      }
      if (text_[at_++] != ',') return std::nullopt;
    }
  }
  std::optional<Value> parseObject() {
    Value value;
    value.kind = Value::Kind::Object;
    ++at_;
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == '}') {
      ++at_;
      return value;
    }
    while (true) {
      skipBlanks();
      if (at_ >= text_.size() || text_[at_] != '"') return std::nullopt;
      auto key = parseString();
      skipBlanks();
      if (!key || at_ >= text_.size() || text_[at_++] != ':') return std::nullopt;
      auto item = parseValue();
      if (!item) return std::nullopt;
      value.memberNames.push_back(std::move(*key));
      value.memberValues.push_back(std::move(*item));
      skipBlanks();
      if (at_ >= text_.size()) return std::nullopt;
      if (text_[at_] == '}') {
        ++at_;
        return value;
      }
      if (text_[at_++] != ',') return std::nullopt;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

inline std::optional<Value> parse(std::string_view text) {
  return Parser(text).document();
}

}  // namespace vantrel::test_json
