#include "common/json_parser.h"

#include <limits>
#include <string>
#include <vector>

#include "common/json_document.h"
#include "common/json_number.h"

namespace quillon {
namespace {

constexpr size_t kNone = std::u16string_view::npos;
constexpr size_t kInitialStack = 1024;

// States of an open container.
constexpr int kKeyExpected = 1;    // objects only
constexpr int kValueExpected = 2;
constexpr int kValueEnded = 3;     // a nested container has just closed

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == 0; }
bool IsQuote(char16_t c) { return c == u'"' || c == u'\''; }
bool IsHex(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
int HexValue(char16_t c) {
  if (c <= u'9') return c - u'0';
  if (c <= u'F') return c - u'A' + 10;
  return c - u'a' + 10;
}

// Index just past the escape whose backslash is at text[i]: the backslash takes the next
// character with it, and "\u" the hexadecimal digits (up to four) that follow.
size_t SkipEscape(std::u16string_view text, size_t i) {
  if (i + 1 >= text.size()) return text.size();
  if (text[i + 1] != u'u') return i + 2;
  size_t j = i + 2;
  size_t end = std::min(text.size(), i + 6);
  while (j < end && IsHex(text[j])) ++j;
  return j;
}

// A scanned value token: the span from its first to its last non-blank character.
struct Token {
  size_t first = kNone;
  size_t end = kNone;          // one past the last character
  size_t stop = 0;             // index of the terminator, or the text length
  size_t quote_close = kNone;  // where the token's opening quote closed
  size_t misplaced = kNone;    // a "{" or "[" after value characters
  bool unterminated = false;   // the text ended inside quotes
  bool Empty() const { return first == kNone; }
};

class Parser {
 public:
  Parser(JsonNode& root, std::u16string_view text, bool decode, bool scalars_off)
      : root_(root), text_(text), decode_(decode), scalars_off_(scalars_off) {}

  int32_t Run(int32_t& error_position) {
    int32_t code = kJsonOk;
    try {
      stack_.reserve(kInitialStack);
      code = Loop();
    } catch (...) {
      code = kJsonOutOfMemory;
    }
    if (code != kJsonOk) {
      root_.ResetAs(root_.Type() == kJsonArray ? kJsonArray : kJsonObject);
      size_t at = std::min<size_t>(error_at_, std::numeric_limits<int32_t>::max());
      error_position = static_cast<int32_t>(at);
    } else {
      error_position = 0;
    }
    return code;
  }

 private:
  struct Frame {
    JsonNode* node;
    int state;
  };

  int32_t Fail(int32_t code, size_t at) {
    error_at_ = at;
    return code;
  }

  int32_t Loop() {
    const size_t n = text_.size();
    while (pos_ < n) {
      char16_t c = text_[pos_];
      if (IsBlank(c)) {
        ++pos_;
        continue;
      }
      if (c == u'{' || c == u'[') {
        int32_t code = OpenContainer(c == u'{' ? kJsonObject : kJsonArray);
        if (code != kJsonOk) return code;
        continue;
      }
      int32_t code;
      if (stack_.empty()) {
        code = ReadTopLevelScalar();
      } else if (stack_.back().node->Type() == kJsonArray) {
        code = ArrayStep(c);
      } else {
        code = ObjectStep(c);
      }
      if (code != kJsonOk) return code;
    }
    if (!stack_.empty()) return Fail(kJsonUnclosed, n + 1);
    return kJsonOk;
  }

  int32_t OpenContainer(JsonType type) {
    int state = type == kJsonObject ? kKeyExpected : kValueExpected;
    if (stack_.empty()) {
      // A document is one value: nothing but blanks may follow the top-level container.
      if (root_done_) return Fail(kJsonValueSyntax, pos_);
      root_.ResetAs(type);
      stack_.push_back({&root_, state});
      ++pos_;
      return kJsonOk;
    }
    Frame& top = stack_.back();
    if (top.state != kValueExpected) return Fail(kJsonObjectSyntax, pos_);
    JsonNode* child = JsonNode::NewContainer(type);
    if (top.node->Type() == kJsonArray) {
      top.node->Append(child);
    } else {
      top.node->PutMember(std::move(key_), child);
      key_.clear();
    }
    stack_.push_back({child, state});
    ++pos_;
    return kJsonOk;
  }

  void Pop() {
    stack_.pop_back();
    if (stack_.empty()) {
      root_done_ = true;
    } else {
      stack_.back().state = kValueEnded;
    }
  }

  // Scans a value token from pos_ up to an unquoted "," or closer (0: up to the end).
  Token Scan(char16_t closer) const {
    Token t;
    const size_t n = text_.size();
    size_t i = pos_;
    char16_t quote = 0;
    while (i < n) {
      char16_t c = text_[i];
      if (quote != 0) {
        if (c == u'\\') {
          i = SkipEscape(text_, i);
          t.end = i;
          continue;
        }
        if (c == quote) {
          quote = 0;
          if (t.quote_close == kNone) t.quote_close = i;
        }
        t.end = ++i;
        continue;
      }
      if (closer != 0 && (c == u',' || c == closer)) break;
      if (IsBlank(c)) {
        ++i;
        continue;
      }
      if (c == u'{' || c == u'[') {
        t.misplaced = i;
        break;
      }
      if (t.first == kNone) t.first = i;
      if (c == u'\\') {
        i = SkipEscape(text_, i);
        t.end = i;
        continue;
      }
      if (IsQuote(c)) quote = c;
      t.end = ++i;
    }
    t.stop = i;
    t.unterminated = quote != 0;
    return t;
  }

  // Checks the scanned token and reports a syntax error for it, if any.
  int32_t CheckToken(const Token& t) {
    if (t.misplaced != kNone) return Fail(kJsonValueSyntax, t.misplaced);
    if (t.unterminated) return Fail(kJsonValueSyntax, t.first);
    return kJsonOk;
  }

  // Builds the node for a non-empty token; nullptr (and error_at_ set) when it is no value.
  JsonNode* MakeValue(const Token& t) {
    std::u16string_view token = text_.substr(t.first, t.end - t.first);
    if (IsQuote(token[0])) {
      if (t.quote_close != t.end - 1) {
        error_at_ = t.first;
        return nullptr;
      }
      JsonNode* node = JsonNode::NewString({});
      Unescape(token.substr(1, token.size() - 2), false, node->MutableString());
      return node;
    }
    if (token == u"null") return JsonNode::NewNull();
    if (token == u"true") return JsonNode::NewBool(true);
    if (token == u"false") return JsonNode::NewBool(false);
    JsonNumberKind kind = ClassifyJsonNumber(token);
    if (kind == JsonNumberKind::kNone) {
      error_at_ = t.first;
      return nullptr;
    }
    JsonNode* node = JsonNode::NewNull();
    if (kind == JsonNumberKind::kInteger) {
      int64_t value = LeadingInt64(token);
      node->SetNumberLiteral(kJsonInteger, value, static_cast<double>(value), token);
    } else {
      double value = LeadingReal(token);
      node->SetNumberLiteral(kJsonReal, static_cast<int64_t>(0), value, token);
    }
    return node;
  }

  int32_t ReadTopLevelScalar() {
    if (root_done_ || scalars_off_) return Fail(kJsonValueSyntax, pos_);
    Token t = Scan(0);
    if (int32_t code = CheckToken(t); code != kJsonOk) return code;
    JsonNode* value = MakeValue(t);
    if (value == nullptr) return kJsonValueSyntax;
    // The root node keeps its identity and takes over the value.
    if (value->Type() == kJsonString) {
      root_.SetString(value->Text());
    } else {
      root_.SetNumberLiteral(value->Type(), value->IntValue(), value->RealValue(), value->Text());
    }
    value->Release();
    root_done_ = true;
    pos_ = t.stop;
    return kJsonOk;
  }

  int32_t ArrayStep(char16_t c) {
    Frame& top = stack_.back();
    if (top.state == kValueEnded) {
      top.state = kValueExpected;
      if (c == u',') {
        ++pos_;
        return kJsonOk;
      }
    }
    Token t = Scan(u']');
    if (int32_t code = CheckToken(t); code != kJsonOk) return code;
    if (t.stop >= text_.size()) return Fail(kJsonUnclosed, text_.size() + 1);
    if (!t.Empty()) {
      JsonNode* value = MakeValue(t);
      if (value == nullptr) return kJsonValueSyntax;
      top.node->Append(value);
    }
    if (text_[t.stop] == u']') Pop();
    pos_ = t.stop + 1;
    return kJsonOk;
  }

  int32_t ObjectStep(char16_t c) {
    Frame& top = stack_.back();
    if (top.state == kValueEnded) {
      top.state = kKeyExpected;
      if (c == u',') {
        ++pos_;
        return kJsonOk;
      }
    }
    if (top.state == kKeyExpected) return ReadKey(c);
    // A value is expected after "key:".
    Token t = Scan(u'}');
    if (int32_t code = CheckToken(t); code != kJsonOk) return code;
    if (t.stop >= text_.size()) return Fail(kJsonUnclosed, text_.size() + 1);
    if (t.Empty()) return Fail(kJsonValueSyntax, t.stop);  // key without value
    JsonNode* value = MakeValue(t);
    if (value == nullptr) return kJsonValueSyntax;
    top.node->PutMember(std::move(key_), value);
    key_.clear();
    if (text_[t.stop] == u'}') {
      Pop();
    } else {
      top.state = kKeyExpected;
    }
    pos_ = t.stop + 1;
    return kJsonOk;
  }

  int32_t ReadKey(char16_t c) {
    const size_t n = text_.size();
    if (c == u'}') {  // empty object, or a trailing comma
      Pop();
      ++pos_;
      return kJsonOk;
    }
    if (c == u':' || c == u',') return Fail(kJsonObjectSyntax, pos_);  // empty key
    size_t start = pos_;
    size_t i = pos_;
    std::u16string_view raw;
    if (IsQuote(c)) {
      ++i;
      while (i < n && text_[i] != c) i = text_[i] == u'\\' ? SkipEscape(text_, i) : i + 1;
      if (i >= n) return Fail(kJsonObjectSyntax, start);  // unterminated key
      raw = text_.substr(start + 1, i - start - 1);
      ++i;
      while (i < n && IsBlank(text_[i])) ++i;
      if (i >= n) return Fail(kJsonUnclosed, n + 1);
      if (text_[i] == u'}') return Fail(kJsonValueSyntax, i);  // key without value
      if (text_[i] != u':') return Fail(kJsonObjectSyntax, i);
    } else {
      size_t last = i;  // one past the last non-blank key character
      while (i < n) {
        char16_t k = text_[i];
        if (k == u':' || k == u'}' || k == u'{' || k == u'[' || IsQuote(k)) break;
        if (k == u'\\') {
          i = SkipEscape(text_, i);
          last = i;
          continue;
        }
        ++i;
        if (!IsBlank(k)) last = i;
      }
      if (i >= n) return Fail(kJsonUnclosed, n + 1);
      if (text_[i] == u'}') return Fail(kJsonValueSyntax, i);  // key without value
      if (text_[i] != u':') return Fail(kJsonObjectSyntax, i);
      raw = text_.substr(start, last - start);
    }
    Unescape(raw, true, key_);
    stack_.back().state = kValueExpected;
    pos_ = i + 1;
    return kJsonOk;
  }

  // Turns the escapes of a string's or key's text into the characters they stand for.
  void Unescape(std::u16string_view in, bool is_key, std::u16string& out) const {
    out.clear();
    size_t backslash = in.find(u'\\');
    if (backslash == kNone) {
      out.assign(in);
      return;
    }
    out.reserve(in.size());
    out.append(in.substr(0, backslash));
    size_t i = backslash;
    while (i < in.size()) {
      char16_t c = in[i];
      if (c != u'\\' || i + 1 >= in.size()) {
        out += c;
        ++i;
        continue;
      }
      char16_t e = in[i + 1];
      i += 2;
      switch (e) {
        case u'\\':
        case u'/':
        case u'"': out += e; break;
        case u'b': out += u'\b'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        case u'f': out += u'\f'; break;
        case u'n':
          // A line break is CR LF, except right after a CR and at the very start of a key.
          if ((!out.empty() && out.back() == u'\r') || (is_key && i == 2)) {
            out += u'\n';
          } else {
            out += u"\r\n";
          }
          break;
        case u'u':
          if (decode_ && i + 4 <= in.size() && IsHex(in[i]) && IsHex(in[i + 1]) &&
              IsHex(in[i + 2]) && IsHex(in[i + 3])) {
            out += static_cast<char16_t>(HexValue(in[i]) << 12 | HexValue(in[i + 1]) << 8 |
                                         HexValue(in[i + 2]) << 4 | HexValue(in[i + 3]));
            i += 4;
          } else {
            out += u"\\u";
          }
          break;
        default:
          out += u'\\';
          out += e;
          break;
      }
    }
  }

  JsonNode& root_;
  std::u16string_view text_;
  bool decode_;
  bool scalars_off_;
  size_t pos_ = 0;
  size_t error_at_ = 0;
  bool root_done_ = false;
  std::vector<Frame> stack_;
  std::u16string key_;  // the pending key of the object on top, between ":" and its value
};

}  // namespace

int32_t ParseJsonText(JsonNode& root, std::u16string_view text, bool decodeUnicodeEscapes,
                      bool scalarsOff, int32_t& errorPosition) {
  Parser parser(root, text, decodeUnicodeEscapes, scalarsOff);
  return parser.Run(errorPosition);
}

}  // namespace quillon
