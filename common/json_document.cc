#include "common/json_document.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include "common/gbk_text.h"
#include "common/json_number.h"
#include "common/json_parser.h"
#include "common/json_path.h"
#include "common/json_writer.h"

namespace quillon {
namespace {

// Releases a node the caller has not yet handed to a container.
struct ReleaseNode {
  void operator()(JsonNode* node) const { node->Release(); }
};
using NodeHolder = std::unique_ptr<JsonNode, ReleaseNode>;

// Runs body; any exception (only out of memory is possible) gives fallback.
template <typename Result, typename Body>
Result NoThrow(Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

std::u16string Wide(std::string_view gbk) { return GbkToUtf16(gbk); }
std::string Narrow(std::u16string_view text) { return Utf16ToGbk(text); }

// Largest buffer reserved up front for output; beyond it the buffer grows as needed.
constexpr int32_t kMaxInitialBufferBytes = 16 << 20;

template <typename To>
To ClampReal(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(std::numeric_limits<To>::min())) {
    return std::numeric_limits<To>::min();
  }
  if (value >= static_cast<double>(std::numeric_limits<To>::max())) {
    return std::numeric_limits<To>::max();
  }
  return static_cast<To>(value);
}

int64_t NodeInt64(const JsonNode* node) {
  if (node == nullptr) return 0;
  switch (node->Type()) {
    case kJsonReal: return ClampReal<int64_t>(node->RealValue());
    case kJsonInteger:
    case kJsonBoolean: return node->IntValue();
    case kJsonString: return LeadingInt64(node->Text());
    default: return 0;
  }
}

int32_t NodeInt32(const JsonNode* node) {
  if (node == nullptr) return 0;
  switch (node->Type()) {
    case kJsonReal: return ClampReal<int32_t>(node->RealValue());
    case kJsonInteger:
    case kJsonBoolean:
      return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(node->IntValue())));
    case kJsonString:
      return static_cast<int32_t>(std::clamp<int64_t>(LeadingInt64(node->Text()),
                                                      std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max()));
    default: return 0;
  }
}

bool IsScalarWithLiteral(const JsonNode* node) {
  return node != nullptr && (node->Type() == kJsonNull || node->Type() == kJsonReal ||
                             node->Type() == kJsonInteger || node->Type() == kJsonBoolean);
}

char16_t FoldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

int CompareKeys(const std::u16string& a, const std::u16string& b, bool ignore_case) {
  if (!ignore_case) return a.compare(b);
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    char16_t x = FoldAscii(a[i]);
    char16_t y = FoldAscii(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Member-by-member merge of source into target (both objects), without recursion: a member
// present in both is merged the same way when both values are objects and replaced by a copy
// otherwise; a member only in source is added when add_missing is set.
void MergeObjects(JsonNode* target, const JsonNode* source, bool add_missing) {
  std::vector<std::pair<JsonNode*, const JsonNode*>> pending{{target, source}};
  while (!pending.empty()) {
    auto [to, from] = pending.back();
    pending.pop_back();
    for (const JsonNode* member : from->Children()) {
      JsonNode* existing = to->FindMember(member->Key());
      if (existing == nullptr && !add_missing) continue;
      if (existing != nullptr && existing->Type() == kJsonObject &&
          member->Type() == kJsonObject) {
        pending.emplace_back(existing, member);
        continue;
      }
      NodeHolder copy(JsonNode::DeepCopy(*member));
      if (copy == nullptr) throw std::bad_alloc();
      to->PutMember(member->Key(), copy.get());
      copy.release();
    }
  }
}

}  // namespace

// --- Lifecycle --------------------------------------------------------------------------------

JsonDocument::JsonDocument() = default;

JsonDocument::JsonDocument(const JsonDocument& other) : root_(other.root_) {
  if (root_ != nullptr) root_->AddRef();
}

JsonDocument& JsonDocument::operator=(const JsonDocument& other) {
  AttachNode(other.root_);
  return *this;
}

JsonDocument::JsonDocument(JsonDocument&& other) noexcept : root_(other.root_) {
  other.root_ = nullptr;
}

JsonDocument& JsonDocument::operator=(JsonDocument&& other) noexcept {
  if (this != &other) {
    JsonNode* old = root_;
    root_ = other.root_;
    other.root_ = nullptr;
    if (old != nullptr) old->Release();
  }
  return *this;
}

JsonDocument::~JsonDocument() { Clear(); }

JsonDocument JsonDocument::AliasOf(JsonNode* node) {
  if (node != nullptr) node->AddRef();
  return JsonDocument(node);
}

void JsonDocument::Clear() {
  JsonNode* old = root_;
  root_ = nullptr;
  if (old != nullptr) old->Release();
}

void JsonDocument::AttachNode(JsonNode* node) {
  if (node != nullptr) node->AddRef();
  JsonNode* old = root_;
  root_ = node;
  if (old != nullptr) old->Release();
}

bool JsonDocument::Detach() {
  if (root_ == nullptr || root_->Parent() == nullptr) return false;
  JsonNode* parent = root_->Parent();
  ptrdiff_t index = parent->IndexOf(root_);
  if (index < 0) return false;
  parent->RemoveAt(static_cast<size_t>(index));  // drops the container's reference; ours stays
  return true;
}

JsonDocument JsonDocument::NewObject() {
  return NoThrow(JsonDocument(), [] { return JsonDocument(JsonNode::NewContainer(kJsonObject)); });
}
JsonDocument JsonDocument::NewArray() {
  return NoThrow(JsonDocument(), [] { return JsonDocument(JsonNode::NewContainer(kJsonArray)); });
}
JsonDocument JsonDocument::NewNull() {
  return NoThrow(JsonDocument(), [] { return JsonDocument(JsonNode::NewNull()); });
}
JsonDocument JsonDocument::NewBool(bool value) {
  return NoThrow(JsonDocument(), [&] { return JsonDocument(JsonNode::NewBool(value)); });
}
JsonDocument JsonDocument::NewString(std::string_view text) {
  return NoThrow(JsonDocument(), [&] { return JsonDocument(JsonNode::NewString(Wide(text))); });
}
JsonDocument JsonDocument::NewStringW(std::u16string_view text) {
  return NoThrow(JsonDocument(), [&] { return JsonDocument(JsonNode::NewString(text)); });
}
JsonDocument JsonDocument::NewReal(double value) {
  return NoThrow(JsonDocument(), [&] { return JsonDocument(JsonNode::NewReal(value)); });
}
JsonDocument JsonDocument::NewInt64(int64_t value) {
  return NoThrow(JsonDocument(), [&] { return JsonDocument(JsonNode::NewInt64(value)); });
}

// --- Parsing ----------------------------------------------------------------------------------

bool JsonDocument::Parse() { return ParseW(); }

bool JsonDocument::ParseW() {
  return NoThrow(false, [&] {
    JsonNode* fresh = JsonNode::NewContainer(kJsonObject);
    Clear();
    root_ = fresh;
    return true;
  });
}

bool JsonDocument::Parse(std::string_view text, bool decodeUnicodeEscapes, bool scalarsOff,
                         int32_t* errorCode, int32_t* errorPosition) {
  std::u16string wide;
  try {
    wide = Wide(text);
  } catch (...) {
    if (errorCode != nullptr) *errorCode = kJsonOutOfMemory;
    if (errorPosition != nullptr) *errorPosition = 0;
    return false;
  }
  return ParseW(wide, decodeUnicodeEscapes, scalarsOff, errorCode, errorPosition);
}

bool JsonDocument::ParseW(std::u16string_view text, bool decodeUnicodeEscapes, bool scalarsOff,
                          int32_t* errorCode, int32_t* errorPosition) {
  if (!ParseW()) {
    if (errorCode != nullptr) *errorCode = kJsonOutOfMemory;
    if (errorPosition != nullptr) *errorPosition = 0;
    return false;
  }
  return ParseIntoW(text, decodeUnicodeEscapes, scalarsOff, errorCode, errorPosition);
}

bool JsonDocument::ParseInto(std::string_view text, bool decodeUnicodeEscapes, bool scalarsOff,
                             int32_t* errorCode, int32_t* errorPosition) {
  std::u16string wide;
  try {
    wide = Wide(text);
  } catch (...) {
    if (errorCode != nullptr) *errorCode = kJsonOutOfMemory;
    if (errorPosition != nullptr) *errorPosition = 0;
    return false;
  }
  return ParseIntoW(wide, decodeUnicodeEscapes, scalarsOff, errorCode, errorPosition);
}

bool JsonDocument::ParseIntoW(std::u16string_view text, bool decodeUnicodeEscapes,
                              bool scalarsOff, int32_t* errorCode, int32_t* errorPosition) {
  int32_t code = kJsonOk;
  int32_t position = 0;
  if (root_ == nullptr && !ParseW()) {
    code = kJsonOutOfMemory;
  } else {
    try {
      root_->ResetAs(kJsonObject);
      code = ParseJsonText(*root_, text, decodeUnicodeEscapes, scalarsOff, position);
    } catch (...) {
      code = kJsonOutOfMemory;
      position = 0;
    }
  }
  if (errorCode != nullptr) *errorCode = code;
  if (errorPosition != nullptr) *errorPosition = position;
  return code == kJsonOk;
}

// --- Resolution -------------------------------------------------------------------------------

JsonNode* JsonDocument::ReadNode(std::u16string_view path) const {
  return root_ == nullptr ? nullptr : ResolveJsonPath(root_, path);
}

JsonNode* JsonDocument::WriteNode(std::u16string_view path) {
  return root_ == nullptr ? nullptr : ResolveJsonPathForWrite(root_, path);
}

// --- Output -----------------------------------------------------------------------------------

std::u16string JsonDocument::ToTextW(std::u16string_view path, bool indent, bool escape,
                                     int32_t initialBufferBytes) const {
  return NoThrow(std::u16string(), [&] {
    std::u16string out;
    const JsonNode* node = ReadNode(path);
    if (node == nullptr) return out;
    int32_t bytes = initialBufferBytes <= 0 ? 1024 : initialBufferBytes;
    out.reserve(static_cast<size_t>(std::min(bytes, kMaxInitialBufferBytes)) / 2);
    WriteJsonText(*node, indent, escape, out);
    return out;
  });
}

std::string JsonDocument::ToText(std::string_view path, bool indent, bool escape,
                                 int32_t initialBufferBytes) const {
  return NoThrow(std::string(), [&] {
    return Narrow(ToTextW(Wide(path), indent, escape, initialBufferBytes));
  });
}

// --- Reads ------------------------------------------------------------------------------------

int32_t JsonDocument::GetTypeW(std::u16string_view path) const {
  const JsonNode* node = ReadNode(path);
  return node == nullptr ? -1 : node->Type();
}
int32_t JsonDocument::GetType(std::string_view path) const {
  return NoThrow(-1, [&] { return GetTypeW(Wide(path)); });
}

int32_t JsonDocument::GetCountW(std::u16string_view path) const {
  const JsonNode* node = ReadNode(path);
  if (node == nullptr) return 0;
  return static_cast<int32_t>(std::min<size_t>(node->Count(), std::numeric_limits<int32_t>::max()));
}
int32_t JsonDocument::GetCount(std::string_view path) const {
  return NoThrow(0, [&] { return GetCountW(Wide(path)); });
}

std::u16string JsonDocument::GetKeyW(std::u16string_view path) const {
  return NoThrow(std::u16string(), [&] {
    const JsonNode* node = ReadNode(path);
    if (node == nullptr || node->Parent() == nullptr || node->Parent()->Type() != kJsonObject) {
      return std::u16string();
    }
    return node->Key();
  });
}
std::string JsonDocument::GetKey(std::string_view path) const {
  return NoThrow(std::string(), [&] { return Narrow(GetKeyW(Wide(path))); });
}

bool JsonDocument::ExistsW(std::u16string_view path) const {
  return !path.empty() && ReadNode(path) != nullptr;
}
bool JsonDocument::Exists(std::string_view path) const {
  return NoThrow(false, [&] { return ExistsW(Wide(path)); });
}

std::u16string JsonDocument::GetTextW(std::u16string_view path) const {
  return NoThrow(std::u16string(), [&] {
    const JsonNode* node = ReadNode(path);
    if (node == nullptr || node->Type() == kJsonNull || node->IsContainer()) {
      return std::u16string();
    }
    return node->Text();
  });
}
std::string JsonDocument::GetText(std::string_view path) const {
  return NoThrow(std::string(), [&] { return Narrow(GetTextW(Wide(path))); });
}

std::u16string JsonDocument::GetRawTextW(std::u16string_view path) const {
  return NoThrow(std::u16string(), [&] {
    const JsonNode* node = ReadNode(path);
    return IsScalarWithLiteral(node) ? node->Text() : std::u16string();
  });
}
std::string JsonDocument::GetRawText(std::string_view path) const {
  return NoThrow(std::string(), [&] { return Narrow(GetRawTextW(Wide(path))); });
}

int32_t JsonDocument::GetIntW(std::u16string_view path) const { return NodeInt32(ReadNode(path)); }
int32_t JsonDocument::GetInt(std::string_view path) const {
  return NoThrow(0, [&] { return GetIntW(Wide(path)); });
}

int64_t JsonDocument::GetInt64W(std::u16string_view path) const {
  return NodeInt64(ReadNode(path));
}
int64_t JsonDocument::GetInt64(std::string_view path) const {
  return NoThrow(int64_t{0}, [&] { return GetInt64W(Wide(path)); });
}

bool JsonDocument::GetBoolW(std::u16string_view path) const {
  const JsonNode* node = ReadNode(path);
  if (node == nullptr) return false;
  switch (node->Type()) {
    case kJsonReal: return std::fabs(node->RealValue()) > 1e-7;
    case kJsonInteger:
    case kJsonBoolean: return node->IntValue() != 0;
    default: return false;
  }
}
bool JsonDocument::GetBool(std::string_view path) const {
  return NoThrow(false, [&] { return GetBoolW(Wide(path)); });
}

double JsonDocument::GetRealW(std::u16string_view path) const {
  return NoThrow(0.0, [&] {
    const JsonNode* node = ReadNode(path);
    if (node == nullptr) return 0.0;
    switch (node->Type()) {
      case kJsonReal: return node->RealValue();
      case kJsonInteger:
      case kJsonBoolean: return static_cast<double>(node->IntValue());
      case kJsonString: return LeadingReal(node->Text());
      default: return 0.0;
    }
  });
}
double JsonDocument::GetReal(std::string_view path) const {
  return NoThrow(0.0, [&] { return GetRealW(Wide(path)); });
}

int32_t JsonDocument::GetKeysW(std::u16string_view path, std::vector<std::u16string>& keys) const {
  keys.clear();
  return NoThrow(0, [&] {
    const JsonNode* node = ReadNode(path);
    if (node == nullptr || node->Type() != kJsonObject) return 0;
    for (const JsonNode* member : node->Children()) keys.push_back(member->Key());
    return static_cast<int32_t>(keys.size());
  });
}
int32_t JsonDocument::GetKeys(std::string_view path, std::vector<std::string>& keys) const {
  keys.clear();
  return NoThrow(0, [&] {
    std::vector<std::u16string> wide;
    GetKeysW(Wide(path), wide);
    for (const auto& key : wide) keys.push_back(Narrow(key));
    return static_cast<int32_t>(keys.size());
  });
}

JsonDocument JsonDocument::GetMemberW(std::u16string_view path, std::u16string_view key) const {
  const JsonNode* node = ReadNode(path);
  return AliasOf(node == nullptr ? nullptr : node->FindMember(key));
}
JsonDocument JsonDocument::GetMember(std::string_view path, std::string_view key) const {
  return NoThrow(JsonDocument(), [&] { return GetMemberW(Wide(path), Wide(key)); });
}

JsonDocument JsonDocument::GetAtW(std::u16string_view path, int32_t index) const {
  const JsonNode* node = ReadNode(path);
  if (node == nullptr || index < 0 || static_cast<size_t>(index) >= node->Count()) return {};
  return AliasOf(node->Children()[static_cast<size_t>(index)]);
}
JsonDocument JsonDocument::GetAt(std::string_view path, int32_t index) const {
  return NoThrow(JsonDocument(), [&] { return GetAtW(Wide(path), index); });
}

JsonDocument JsonDocument::GetParentW(std::u16string_view path) const {
  const JsonNode* node = ReadNode(path);
  return AliasOf(node == nullptr ? nullptr : node->Parent());
}
JsonDocument JsonDocument::GetParent(std::string_view path) const {
  return NoThrow(JsonDocument(), [&] { return GetParentW(Wide(path)); });
}

int32_t JsonDocument::GetChildrenW(std::u16string_view path,
                                   std::vector<JsonDocument>& children) const {
  children.clear();
  return NoThrow(0, [&] {
    const JsonNode* node = ReadNode(path);
    if (node == nullptr) return 0;
    children.reserve(node->Count());
    for (JsonNode* child : node->Children()) children.push_back(AliasOf(child));
    return static_cast<int32_t>(children.size());
  });
}
int32_t JsonDocument::GetChildren(std::string_view path,
                                  std::vector<JsonDocument>& children) const {
  children.clear();
  return NoThrow(0, [&] { return GetChildrenW(Wide(path), children); });
}

// --- Scalar writes ----------------------------------------------------------------------------

bool JsonDocument::SetStringW(std::u16string_view path, std::u16string_view text) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    node->SetString(text);
    return true;
  });
}
bool JsonDocument::SetString(std::string_view path, std::string_view text) {
  return NoThrow(false, [&] { return SetStringW(Wide(path), Wide(text)); });
}

bool JsonDocument::SetNullW(std::u16string_view path) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    node->SetNull();
    return true;
  });
}
bool JsonDocument::SetNull(std::string_view path) {
  return NoThrow(false, [&] { return SetNullW(Wide(path)); });
}

bool JsonDocument::SetBoolW(std::u16string_view path, bool value) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    node->SetBool(value);
    return true;
  });
}
bool JsonDocument::SetBool(std::string_view path, bool value) {
  return NoThrow(false, [&] { return SetBoolW(Wide(path), value); });
}

bool JsonDocument::SetInt64W(std::u16string_view path, int64_t value) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    node->SetInt64(value);
    return true;
  });
}
bool JsonDocument::SetInt64(std::string_view path, int64_t value) {
  return NoThrow(false, [&] { return SetInt64W(Wide(path), value); });
}
bool JsonDocument::SetIntW(std::u16string_view path, int32_t value) {
  return SetInt64W(path, value);
}
bool JsonDocument::SetInt(std::string_view path, int32_t value) { return SetInt64(path, value); }

bool JsonDocument::SetRealW(std::u16string_view path, double value) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    node->SetReal(value);
    return true;
  });
}
bool JsonDocument::SetReal(std::string_view path, double value) {
  return NoThrow(false, [&] { return SetRealW(Wide(path), value); });
}

bool JsonDocument::MakeObjectW(std::u16string_view path) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->Type() != kJsonObject) node->ResetAs(kJsonObject);
    return true;
  });
}
bool JsonDocument::MakeObject(std::string_view path) {
  return NoThrow(false, [&] { return MakeObjectW(Wide(path)); });
}

bool JsonDocument::MakeArrayW(std::u16string_view path) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->Type() != kJsonArray) node->ResetAs(kJsonArray);
    return true;
  });
}
bool JsonDocument::MakeArray(std::string_view path) {
  return NoThrow(false, [&] { return MakeArrayW(Wide(path)); });
}

bool JsonDocument::ClearAtW(std::u16string_view path) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->IsContainer()) {
      node->RemoveAll();
    } else {
      node->ResetAs(node->Type());
    }
    return true;
  });
}
bool JsonDocument::ClearAt(std::string_view path) {
  return NoThrow(false, [&] { return ClearAtW(Wide(path)); });
}

bool JsonDocument::RemoveKeyW(std::u16string_view path, std::u16string_view key) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    JsonNode* member = node == nullptr ? nullptr : node->FindMember(key);
    if (member == nullptr) return false;
    node->RemoveAt(static_cast<size_t>(node->IndexOf(member)));
    return true;
  });
}
bool JsonDocument::RemoveKey(std::string_view path, std::string_view key) {
  return NoThrow(false, [&] { return RemoveKeyW(Wide(path), Wide(key)); });
}

bool JsonDocument::RemoveAtW(std::u16string_view path, int32_t index) {
  return NoThrow(false, [&] {
    JsonNode* node = WriteNode(path);
    if (node == nullptr || index < 0 || static_cast<size_t>(index) >= node->Count()) return false;
    node->RemoveAt(static_cast<size_t>(index));
    return true;
  });
}
bool JsonDocument::RemoveAt(std::string_view path, int32_t index) {
  return NoThrow(false, [&] { return RemoveAtW(Wide(path), index); });
}

JsonDocument JsonDocument::GetPathW(std::u16string_view path) {
  return NoThrow(JsonDocument(), [&] { return AliasOf(WriteNode(path)); });
}
JsonDocument JsonDocument::GetPath(std::string_view path) {
  return NoThrow(JsonDocument(), [&] { return GetPathW(Wide(path)); });
}

// --- Writes of other documents ------------------------------------------------------------------

bool JsonDocument::SetMemberW(std::u16string_view path, std::u16string_view key,
                              const JsonDocument& value) {
  return PutMemberCopy(path, -1, key, value);
}
bool JsonDocument::SetMember(std::string_view path, std::string_view key,
                             const JsonDocument& value) {
  return NoThrow(false, [&] { return SetMemberW(Wide(path), Wide(key), value); });
}

bool JsonDocument::InsertMemberW(std::u16string_view path, int32_t position,
                                 std::u16string_view key, const JsonDocument& value) {
  return position >= 0 && PutMemberCopy(path, position, key, value);
}

bool JsonDocument::PutMemberCopy(std::u16string_view path, int32_t position,
                                 std::u16string_view key, const JsonDocument& value) {
  return NoThrow(false, [&] {
    if (value.root_ == nullptr) return false;
    // Copy first: value may share nodes with the path about to be resolved.
    NodeHolder copy(JsonNode::DeepCopy(*value.root_));
    if (copy == nullptr) return false;
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->Type() != kJsonObject) node->ResetAs(kJsonObject);
    // position -1 is SetMember's "at the end"; InsertMember takes 0..count.
    if (position >= 0 && static_cast<size_t>(position) > node->Count()) return false;
    node->PutMember(std::u16string(key), copy.get(), position);
    copy.release();
    return true;
  });
}
bool JsonDocument::InsertMember(std::string_view path, int32_t position, std::string_view key,
                                const JsonDocument& value) {
  return NoThrow(false, [&] { return InsertMemberW(Wide(path), position, Wide(key), value); });
}

bool JsonDocument::AppendW(std::u16string_view path, const JsonDocument& value) {
  return NoThrow(false, [&] {
    if (value.root_ == nullptr) return false;
    NodeHolder copy(JsonNode::DeepCopy(*value.root_));
    if (copy == nullptr) return false;
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->Type() != kJsonArray) node->ResetAs(kJsonArray);
    node->Append(copy.get());
    copy.release();
    return true;
  });
}
bool JsonDocument::Append(std::string_view path, const JsonDocument& value) {
  return NoThrow(false, [&] { return AppendW(Wide(path), value); });
}

bool JsonDocument::InsertAtW(std::u16string_view path, int32_t index, const JsonDocument& value) {
  return NoThrow(false, [&] {
    if (value.root_ == nullptr || index < 0) return false;
    NodeHolder copy(JsonNode::DeepCopy(*value.root_));
    if (copy == nullptr) return false;
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->Type() != kJsonArray) node->ResetAs(kJsonArray);
    if (static_cast<size_t>(index) > node->Count()) return false;
    node->InsertAt(static_cast<size_t>(index), copy.get());
    copy.release();
    return true;
  });
}
bool JsonDocument::InsertAt(std::string_view path, int32_t index, const JsonDocument& value) {
  return NoThrow(false, [&] { return InsertAtW(Wide(path), index, value); });
}

bool JsonDocument::SetAtW(std::u16string_view path, int32_t index, const JsonDocument& value) {
  return NoThrow(false, [&] {
    if (value.root_ == nullptr || index < 0) return false;
    NodeHolder copy(JsonNode::DeepCopy(*value.root_));
    if (copy == nullptr) return false;
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->Type() != kJsonArray) node->ResetAs(kJsonArray);
    if (!ExtendJsonArrayTo(*node, static_cast<uint64_t>(index))) return false;
    node->ReplaceAt(static_cast<size_t>(index), copy.release());
    return true;
  });
}
bool JsonDocument::SetAt(std::string_view path, int32_t index, const JsonDocument& value) {
  return NoThrow(false, [&] { return SetAtW(Wide(path), index, value); });
}

bool JsonDocument::MergeObjectW(std::u16string_view path, const JsonDocument& source) {
  return NoThrow(false, [&] {
    if (source.root_ == nullptr || source.root_->Type() != kJsonObject) return false;
    NodeHolder copy(JsonNode::DeepCopy(*source.root_));
    if (copy == nullptr) return false;
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->Type() != kJsonObject) node->ResetAs(kJsonObject);
    std::vector<JsonNode*> members = copy->TakeAll();
    size_t next = 0;
    try {
      for (; next < members.size(); ++next) {
        node->PutMember(members[next]->Key(), members[next]);
      }
    } catch (...) {
      for (; next < members.size(); ++next) members[next]->Release();
      throw;
    }
    return true;
  });
}
bool JsonDocument::MergeObject(std::string_view path, const JsonDocument& source) {
  return NoThrow(false, [&] { return MergeObjectW(Wide(path), source); });
}

bool JsonDocument::AppendAllW(std::u16string_view path, const JsonDocument& source) {
  return NoThrow(false, [&] {
    if (source.root_ == nullptr || source.root_->Type() != kJsonArray) return false;
    NodeHolder copy(JsonNode::DeepCopy(*source.root_));
    if (copy == nullptr) return false;
    JsonNode* node = WriteNode(path);
    if (node == nullptr) return false;
    if (node->Type() != kJsonArray) node->ResetAs(kJsonArray);
    std::vector<JsonNode*> elements = copy->TakeAll();
    size_t next = 0;
    try {
      for (; next < elements.size(); ++next) node->Append(elements[next]);
    } catch (...) {
      for (; next < elements.size(); ++next) elements[next]->Release();
      throw;
    }
    return true;
  });
}
bool JsonDocument::AppendAll(std::string_view path, const JsonDocument& source) {
  return NoThrow(false, [&] { return AppendAllW(Wide(path), source); });
}

bool JsonDocument::MergeTextW(std::u16string_view path, std::u16string_view text,
                              bool decodeUnicodeEscapes, bool addMissing) {
  return NoThrow(false, [&] {
    // Parse first: a text that does not parse changes nothing.
    JsonDocument parsed;
    if (!parsed.ParseW(text, decodeUnicodeEscapes, false)) return false;
    JsonNode* source = parsed.root_;
    JsonNode* target = WriteNode(path);
    if (target == nullptr) return false;
    if (target->Type() == kJsonObject && source->Type() == kJsonObject) {
      MergeObjects(target, source, addMissing);
      return true;
    }
    JsonNode* parent = target->Parent();
    if (parent == nullptr || parent->Type() != kJsonObject) return false;
    source->AddRef();  // the container's reference; parsed keeps its own until it goes
    NodeHolder holder(source);
    parent->PutMember(target->Key(), source);
    holder.release();
    return true;
  });
}
bool JsonDocument::MergeText(std::string_view path, std::string_view text,
                             bool decodeUnicodeEscapes, bool addMissing) {
  return NoThrow(false, [&] {
    return MergeTextW(Wide(path), Wide(text), decodeUnicodeEscapes, addMissing);
  });
}

JsonDocument JsonDocument::CloneW(std::u16string_view path) {
  return NoThrow(JsonDocument(), [&] {
    JsonNode* node = WriteNode(path);
    return node == nullptr ? JsonDocument() : JsonDocument(JsonNode::DeepCopy(*node));
  });
}
JsonDocument JsonDocument::Clone(std::string_view path) {
  return NoThrow(JsonDocument(), [&] { return CloneW(Wide(path)); });
}

// --- Sorting ----------------------------------------------------------------------------------

bool JsonDocument::SortKeysW(std::u16string_view path, bool descending, bool ignoreCase) {
  return NoThrow(false, [&] {
    JsonNode* node = ReadNode(path);
    if (node == nullptr || node->Type() != kJsonObject) return false;
    std::vector<JsonNode*> order = node->Children();
    std::stable_sort(order.begin(), order.end(), [&](const JsonNode* a, const JsonNode* b) {
      int c = CompareKeys(a->Key(), b->Key(), ignoreCase);
      return descending ? c > 0 : c < 0;
    });
    node->Reorder(std::move(order));
    return true;
  });
}
bool JsonDocument::SortKeys(std::string_view path, bool descending, bool ignoreCase) {
  return NoThrow(false, [&] { return SortKeysW(Wide(path), descending, ignoreCase); });
}

bool JsonDocument::SortWithW(std::u16string_view path, JsonCompare compare, void* argument) {
  return NoThrow(false, [&] {
    JsonNode* node = ReadNode(path);
    if (node == nullptr || !node->IsContainer() || compare == nullptr) return false;
    std::vector<JsonNode*> order = node->Children();
    std::stable_sort(order.begin(), order.end(), [&](const JsonNode* a, const JsonNode* b) {
      return compare(*a, *b, argument) < 0;
    });
    node->Reorder(std::move(order));
    return true;
  });
}
bool JsonDocument::SortWith(std::string_view path, JsonCompare compare, void* argument) {
  return NoThrow(false, [&] { return SortWithW(Wide(path), compare, argument); });
}

}  // namespace quillon
