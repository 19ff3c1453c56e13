// One value of a JSON tree: null, real, integer, boolean, string, array or object.
//
// Nodes are reference counted (atomically); a container holds one reference to each child and
// a JsonDocument one to its root. Keys, strings and literal texts are UTF-16. An object keeps
// its members in a hash table (chained buckets: 11, 23, 47, ... buckets, load factor 0.75) and,
// beside it, in a member-order vector that iteration, index access and output follow.
//
// Releasing a node never recurses: children whose count drops to zero are freed from a work
// list threaded through the nodes themselves, so a tree of any depth is freed in constant stack
// space and without allocating. Nothing here is synchronised beyond the reference counts: a
// tree may be read by several threads at once but changed by one thread with no readers.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

enum JsonType : int32_t {
  kJsonNull = 0,
  kJsonReal = 1,
  kJsonInteger = 2,
  kJsonBoolean = 3,
  kJsonString = 4,
  kJsonArray = 5,
  kJsonObject = 6
};

class JsonNode {
 public:
  // A new node with one reference, owned by the caller. Scalars get their literal text.
  static JsonNode* NewNull();
  static JsonNode* NewBool(bool value);
  static JsonNode* NewInt64(int64_t value);
  static JsonNode* NewReal(double value);
  static JsonNode* NewString(std::u16string_view value);
  static JsonNode* NewContainer(JsonType type);  // kJsonArray or kJsonObject

  // A deep copy (no key, no parent) with one reference; nullptr when out of memory.
  static JsonNode* DeepCopy(const JsonNode& source);

  JsonNode(const JsonNode&) = delete;
  JsonNode& operator=(const JsonNode&) = delete;

  void AddRef() { refs_.fetch_add(1, std::memory_order_relaxed); }
  // Drops one reference; at zero the node is unlinked from its parent (if still linked) and
  // freed together with every child no one else refers to.
  void Release();
  int32_t RefCount() const { return refs_.load(std::memory_order_relaxed); }

  // Read access.
  JsonType Type() const { return type_; }
  bool IsContainer() const { return type_ == kJsonArray || type_ == kJsonObject; }
  // String value for strings, literal text for null, real, integer and boolean; empty for
  // containers.
  const std::u16string& Text() const { return text_; }
  int64_t IntValue() const { return int_value_; }  // integer and boolean (0/1)
  double RealValue() const { return real_value_; }
  const std::u16string& Key() const { return key_; }  // member name, empty otherwise
  JsonNode* Parent() const { return parent_; }
  // Elements of an array, members of an object in member order; empty for scalars.
  const std::vector<JsonNode*>& Children() const { return items_; }
  size_t Count() const { return items_.size(); }
  // Member with that key, or nullptr (also for non-objects).
  JsonNode* FindMember(std::u16string_view key) const;
  // Position of child among the children, or -1.
  ptrdiff_t IndexOf(const JsonNode* child) const;

  // Changes in place (the node keeps its identity, so aliases see the change). Every one
  // discards what the node held before, children included.
  void ResetAs(JsonType type);  // empty container, or a scalar of that type with value zero
  void SetNull();
  void SetBool(bool value);
  void SetInt64(int64_t value);
  void SetReal(double value);
  void SetString(std::u16string_view value);
  // Scalar from parsed text: the literal text is kept as written.
  void SetNumberLiteral(JsonType type, int64_t int_value, double real_value,
                        std::u16string_view literal);
  std::u16string& MutableString() { return text_; }  // string nodes: fill the value in place

  // Children. Each takes over the reference the child carries; the child must be unlinked.
  // On an object: inserts or replaces member key (a replaced member keeps its position and
  // is released). position < 0 appends a new key at the end of the member order.
  void PutMember(std::u16string key, JsonNode* child, ptrdiff_t position = -1);
  // On an array: appends, or inserts at index (0..count).
  void Append(JsonNode* child);
  void InsertAt(size_t index, JsonNode* child);
  // Replaces the child at index (array element or object member; an object member keeps its
  // key) and releases the old one.
  void ReplaceAt(size_t index, JsonNode* child);
  // Unlinks the child at index and releases the container's reference to it.
  void RemoveAt(size_t index);
  // Unlinks and releases every child.
  void RemoveAll();
  // Unlinks every child and hands the container's references to the caller; the children
  // keep their keys until they are linked again.
  std::vector<JsonNode*> TakeAll();
  // Reorders the children; the result must be a permutation of Children().
  void Reorder(std::vector<JsonNode*> order);

 private:
  explicit JsonNode(JsonType type) : type_(type) {}
  ~JsonNode() = default;

  void Unlink(JsonNode* child);  // out of the container, no release
  void InsertIntoBucket(JsonNode* child);
  void RemoveFromBucket(JsonNode* child);
  void Rehash(size_t bucket_count);
  void GrowItems();

  std::atomic<int32_t> refs_{1};
  JsonType type_;
  int64_t int_value_ = 0;
  double real_value_ = 0;
  std::u16string text_;
  std::u16string key_;
  uint32_t key_hash_ = 0;
  JsonNode* parent_ = nullptr;  // also the link of the free list while a tree is released
  JsonNode* next_in_bucket_ = nullptr;
  std::vector<JsonNode*> items_;
  std::vector<JsonNode*> buckets_;
  size_t threshold_ = 0;
};

// Hash of a key: over the bytes of its UTF-16 little-endian form from the last byte to the
// first, hash = hash * 31 + byte (32-bit wrap-around).
uint32_t JsonKeyHash(std::u16string_view key);

}  // namespace quillon
