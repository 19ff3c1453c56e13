// JsonDocument: the one structured-data type of both plugins, with path access.
//
// A document refers to one root JsonNode, or to none until Parse (with or without text),
// ParseInto, AttachNode or one of the New operations gives it one. Copying a document makes an
// alias of the same root; the operations that return documents (New*, GetMember, GetAt,
// GetPath, GetParent, GetChildren) return aliases of nodes of the same tree. Only Clone and the
// operations that take another document as input (SetMember, Append, InsertAt, SetAt,
// MergeObject, AppendAll, InsertMember) make deep copies.
//
// Texts in and out are GBK; every path-taking operation has a UTF-16 twin ending in W.
// Paths: "Zones.S_1.enable", "[2].name", "data.list[2][0]"; "\" before ".", "[", "]" or "\"
// takes that character literally; an empty path (or ".") is the root. Reads resolve a path
// without changing anything (a missing step gives the neutral result: empty text, 0, false,
// -1 for GetType, an empty document). Writes resolve it in write mode: a key step turns a
// non-object into an empty object and creates a missing member (null); an index step turns a
// non-array into an empty array and appends nulls up to the index; a negative index fails.
//
// Reads are const and change nothing (only reference counts of returned aliases), so one
// immutable tree may be read by several threads at once. Changes need the only user.
// Nothing throws: failures are reported by the result (false, 0, empty).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/json_node.h"

namespace quillon {

// Error codes of Parse.
enum JsonParseError : int32_t {
  kJsonOk = 0,
  kJsonNoText = -2,          // no root to parse into
  kJsonOutOfMemory = -3,     // a node, the stack or an insertion could not be created
  kJsonObjectSyntax = -4,    // misplaced container, bad or missing key, value without key
  kJsonUnclosed = -5,        // the text ended inside an unclosed object or array
  kJsonValueSyntax = -6,     // bad literal, unterminated string, misplaced container, key
                             // without value
};

// Comparison routine of SortWith: negative, zero or positive as a orders before, with or after b.
using JsonCompare = int32_t (*)(const JsonNode& a, const JsonNode& b, void* argument);

class JsonDocument {
 public:
  JsonDocument();  // no root
  JsonDocument(const JsonDocument& other);  // alias: same root node
  JsonDocument& operator=(const JsonDocument& other);
  JsonDocument(JsonDocument&& other) noexcept;
  JsonDocument& operator=(JsonDocument&& other) noexcept;
  ~JsonDocument();

  bool HasRoot() const { return root_ != nullptr; }

  // --- Root management --------------------------------------------------------------------

  // Gives the document a new root, an empty object (the previous root is released by this
  // document only).
  bool Parse();
  // New root, then parses text into it. True exactly when errorCode is 0. On an error the root
  // is an empty object or array, errorCode is one of JsonParseError and errorPosition the
  // 0-based index in UTF-16 units where parsing stopped (text length + 1 for kJsonUnclosed);
  // on success errorPosition is 0. decodeUnicodeEscapes turns \uXXXX into that unit;
  // scalarsOff refuses a text that is not an object or array.
  bool Parse(std::string_view text, bool decodeUnicodeEscapes = false, bool scalarsOff = false,
             int32_t* errorCode = nullptr, int32_t* errorPosition = nullptr);
  bool ParseW();
  bool ParseW(std::u16string_view text, bool decodeUnicodeEscapes = false,
              bool scalarsOff = false, int32_t* errorCode = nullptr,
              int32_t* errorPosition = nullptr);
  // Like Parse, but into the existing root node (emptied first; created when there is none),
  // so documents sharing that node see the result.
  bool ParseInto(std::string_view text, bool decodeUnicodeEscapes = false,
                 bool scalarsOff = false, int32_t* errorCode = nullptr,
                 int32_t* errorPosition = nullptr);
  bool ParseIntoW(std::u16string_view text, bool decodeUnicodeEscapes = false,
                  bool scalarsOff = false, int32_t* errorCode = nullptr,
                  int32_t* errorPosition = nullptr);
  // Releases the root; the document has none.
  void Clear();
  // The root node (no reference added), or nullptr.
  JsonNode* GetNode() const { return root_; }
  // Makes node the root, adding a reference (nullptr clears the document).
  void AttachNode(JsonNode* node);
  // Unlinks the root node from the container holding it; false when it has no parent.
  bool Detach();

  // New documents holding a new node.
  static JsonDocument NewObject();
  static JsonDocument NewArray();
  static JsonDocument NewNull();
  static JsonDocument NewBool(bool value);
  static JsonDocument NewString(std::string_view text);
  static JsonDocument NewStringW(std::u16string_view text);
  static JsonDocument NewReal(double value);
  static JsonDocument NewInt64(int64_t value);

  // --- Output -------------------------------------------------------------------------------

  // The node at path as JSON text; empty when the path does not resolve. escape puts "\"
  // before "\", "/" and '"' and writes backspace, TAB, LF, CR and form feed as \b \t \n \r \f;
  // without it strings and keys are written raw. indent breaks object members into lines
  // (CR LF, one TAB per level); arrays stay on one line. initialBufferBytes sizes the buffer.
  std::string ToText(std::string_view path = {}, bool indent = false, bool escape = true,
                     int32_t initialBufferBytes = 1024) const;
  std::u16string ToTextW(std::u16string_view path = {}, bool indent = false, bool escape = true,
                         int32_t initialBufferBytes = 1024) const;

  // --- Reads (read-mode resolution) ---------------------------------------------------------

  // JsonType of the node, or -1.
  int32_t GetType(std::string_view path) const;
  int32_t GetTypeW(std::u16string_view path) const;
  // Members of an object, elements of an array; 0 otherwise.
  int32_t GetCount(std::string_view path) const;
  int32_t GetCountW(std::u16string_view path) const;
  // The key under which the node is stored in its parent object; empty for a node without a
  // parent object. "[i]" on an object names its i-th member.
  std::string GetKey(std::string_view path) const;
  std::u16string GetKeyW(std::u16string_view path) const;
  // True when the (non-empty) path resolves.
  bool Exists(std::string_view path) const;
  bool ExistsW(std::u16string_view path) const;
  // String: its value; null, real, integer, boolean: the literal text; else empty.
  std::string GetText(std::string_view path) const;
  std::u16string GetTextW(std::u16string_view path) const;
  // Literal text of a null, real, integer or boolean node; empty otherwise.
  std::string GetRawText(std::string_view path) const;
  std::u16string GetRawTextW(std::u16string_view path) const;
  // Real truncated toward zero (clamped to the range), integer's low 32 bits, boolean 0/1,
  // string's leading decimal integer (clamped); else 0.
  int32_t GetInt(std::string_view path) const;
  int32_t GetIntW(std::u16string_view path) const;
  int64_t GetInt64(std::string_view path) const;
  int64_t GetInt64W(std::u16string_view path) const;
  // Real: |x| > 1e-7; integer, boolean: non-zero; everything else false.
  bool GetBool(std::string_view path) const;
  bool GetBoolW(std::u16string_view path) const;
  // Real, integer, boolean: the value; string: its text read as a number; else 0.
  double GetReal(std::string_view path) const;
  double GetRealW(std::u16string_view path) const;
  // Member names of the object at path in member order (keys is replaced); returns the count.
  int32_t GetKeys(std::string_view path, std::vector<std::string>& keys) const;
  int32_t GetKeysW(std::u16string_view path, std::vector<std::u16string>& keys) const;

  // Aliases (documents referring to nodes of this tree); empty documents when not found.
  JsonDocument GetMember(std::string_view path, std::string_view key) const;
  JsonDocument GetMemberW(std::u16string_view path, std::u16string_view key) const;
  // Element index of an array, or the index-th member of an object.
  JsonDocument GetAt(std::string_view path, int32_t index) const;
  JsonDocument GetAtW(std::u16string_view path, int32_t index) const;
  // The container holding the node at path.
  JsonDocument GetParent(std::string_view path) const;
  JsonDocument GetParentW(std::u16string_view path) const;
  // One alias per member or element, in order (children is replaced); returns the count.
  int32_t GetChildren(std::string_view path, std::vector<JsonDocument>& children) const;
  int32_t GetChildrenW(std::u16string_view path, std::vector<JsonDocument>& children) const;

  // --- Writes (write-mode resolution) -------------------------------------------------------

  // The node at path becomes that scalar, discarding what it held. False only when the path
  // cannot be resolved (no root, negative index, out of memory).
  bool SetString(std::string_view path, std::string_view text);
  bool SetStringW(std::u16string_view path, std::u16string_view text);
  bool SetNull(std::string_view path);
  bool SetNullW(std::u16string_view path);
  bool SetBool(std::string_view path, bool value);
  bool SetBoolW(std::u16string_view path, bool value);
  bool SetInt(std::string_view path, int32_t value);
  bool SetIntW(std::u16string_view path, int32_t value);
  bool SetInt64(std::string_view path, int64_t value);
  bool SetInt64W(std::u16string_view path, int64_t value);
  bool SetReal(std::string_view path, double value);
  bool SetRealW(std::u16string_view path, double value);
  // The node becomes an empty object (array) unless it already is one.
  bool MakeObject(std::string_view path);
  bool MakeObjectW(std::u16string_view path);
  bool MakeArray(std::string_view path);
  bool MakeArrayW(std::u16string_view path);
  // Containers lose all children; a scalar keeps its type with a zero or empty value.
  bool ClearAt(std::string_view path);
  bool ClearAtW(std::u16string_view path);
  // Removes member key of the object at path; false when there is none.
  bool RemoveKey(std::string_view path, std::string_view key);
  bool RemoveKeyW(std::u16string_view path, std::u16string_view key);
  // Removes element index of the array at path (or the index-th member of an object).
  bool RemoveAt(std::string_view path, int32_t index);
  bool RemoveAtW(std::u16string_view path, int32_t index);
  // Alias of the node at path, created as needed.
  JsonDocument GetPath(std::string_view path);
  JsonDocument GetPathW(std::u16string_view path);

  // Deep copies of other documents' roots (taken before the path is resolved, so a document
  // may be copied into its own tree). False when the source has no root.
  // Inserts or replaces member key (the node at path becomes an object unless it is one).
  bool SetMember(std::string_view path, std::string_view key, const JsonDocument& value);
  bool SetMemberW(std::u16string_view path, std::u16string_view key, const JsonDocument& value);
  // Like SetMember, but a new key goes to position (0..count) of the member order.
  bool InsertMember(std::string_view path, int32_t position, std::string_view key,
                    const JsonDocument& value);
  bool InsertMemberW(std::u16string_view path, int32_t position, std::u16string_view key,
                     const JsonDocument& value);
  // The node at path becomes an array unless it is one; appends the copy.
  bool Append(std::string_view path, const JsonDocument& value);
  bool AppendW(std::u16string_view path, const JsonDocument& value);
  // Inserts the copy at index 0..count.
  bool InsertAt(std::string_view path, int32_t index, const JsonDocument& value);
  bool InsertAtW(std::u16string_view path, int32_t index, const JsonDocument& value);
  // Replaces element index, extending the array with nulls when it is beyond the end.
  bool SetAt(std::string_view path, int32_t index, const JsonDocument& value);
  bool SetAtW(std::u16string_view path, int32_t index, const JsonDocument& value);
  // The node at path becomes an object unless it is one; every member of the source's root
  // object is added or replaces the member of the same key (the source must be an object).
  bool MergeObject(std::string_view path, const JsonDocument& source);
  bool MergeObjectW(std::u16string_view path, const JsonDocument& source);
  // The node at path becomes an array unless it is one; every element of the source's root
  // array is appended (the source must be an array).
  bool AppendAll(std::string_view path, const JsonDocument& source);
  bool AppendAllW(std::u16string_view path, const JsonDocument& source);

  // Parses text and merges it into the node at path: two objects merge member by member
  // (a member present in both is merged the same way, a member only in the text is added
  // when addMissing is set); otherwise, when the target is an object member, the parsed value
  // replaces it in place. False when the text does not parse or the target is the root or an
  // array element and not both are objects.
  bool MergeText(std::string_view path, std::string_view text, bool decodeUnicodeEscapes = false,
                 bool addMissing = false);
  bool MergeTextW(std::u16string_view path, std::u16string_view text,
                  bool decodeUnicodeEscapes = false, bool addMissing = false);

  // New document holding a deep copy of the node at path (write-mode resolution).
  JsonDocument Clone(std::string_view path = {});
  JsonDocument CloneW(std::u16string_view path = {});

  // Reorders the member order of the object at path by key: ordinal UTF-16 order, ASCII
  // letters folded when ignoreCase is set; stable.
  bool SortKeys(std::string_view path, bool descending = false, bool ignoreCase = false);
  bool SortKeysW(std::u16string_view path, bool descending = false, bool ignoreCase = false);
  // Reorders the members or elements at path with compare (stable).
  bool SortWith(std::string_view path, JsonCompare compare, void* argument);
  bool SortWithW(std::u16string_view path, JsonCompare compare, void* argument);

 private:
  explicit JsonDocument(JsonNode* adopted) : root_(adopted) {}
  static JsonDocument AliasOf(JsonNode* node);  // adds a reference; empty for nullptr

  // SetMember (position -1) and InsertMember.
  bool PutMemberCopy(std::u16string_view path, int32_t position, std::u16string_view key,
                     const JsonDocument& value);
  JsonNode* ReadNode(std::u16string_view path) const;
  JsonNode* WriteNode(std::u16string_view path);

  JsonNode* root_ = nullptr;
};

}  // namespace quillon
