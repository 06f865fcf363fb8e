#pragma once
// A control's properties as one table, one row a property: the key it is stored under, the
// member that holds it, its value for a new control, its value when the key is missing on load
// ("Loaded"), the value that is not written ("Written unless"), and what the control's setter
// does. The control's new-instance, load and store steps and its setters run the rows.
//
// A row's three values are written as they read in the table: a number or enumerator, a text,
// systemColourNow(index) (the system colour at the moment the value is taken), a function of the
// control's environment (for values only the host knows, such as the container's tooltip), or
// kAlways in the Written-unless column (the key is written every time).
//
// Env is the control's environment: it answers systemColour(index) and loadPicture(source) (as a
// ControlHost does) and holds whatever the control's own default functions read.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "controls/common/font.h"
#include "controls/common/picture.h"
#include "controls/common/property_bag.h"
#include "core/colour.h"

namespace controls::common {

// How each value type is stored as text and read back. Reading refuses what the type cannot hold.
template <class T>
struct StoredForm;
template <>
struct StoredForm<int> {
  static std::string write(int v);
  static std::optional<int> read(std::string_view text);  // a 32-bit number
};
template <>
struct StoredForm<std::int16_t> {
  static std::string write(std::int16_t v);
  static std::optional<std::int16_t> read(std::string_view text);
};
template <>
struct StoredForm<bool> {
  static std::string write(bool v);  // -1 or 0
  static std::optional<bool> read(std::string_view text);
};
template <>
struct StoredForm<core::Colour> {
  static std::string write(core::Colour v);                        // the 32-bit number
  static std::optional<core::Colour> read(std::string_view text);  // a negative number wraps
};
template <>
struct StoredForm<std::string> {
  static std::string write(const std::string& v) { return v; }
  static std::optional<std::string> read(std::string_view text) { return std::string(text); }
};
template <>
struct StoredForm<FontSpec> {
  static std::string write(const FontSpec& v) { return formatFont(v); }
  static std::optional<FontSpec> read(std::string_view text) { return parseFont(text); }
};
template <>
struct StoredForm<Picture> {  // stored as its source; reading it back goes through the host
  static std::string write(const Picture& v) { return v.source; }
};

// A stored text as a value; a picture is loaded by the host (none for an empty source).
template <class T, class Env>
std::optional<T> parseStored(std::string_view text, const Env& env) {
  if constexpr (std::is_same_v<T, Picture>) {
    if (text.empty()) return Picture();
    return env.loadPicture(text);
  } else {
    return StoredForm<T>::read(text);
  }
}

// The tags a row's values are written with.
struct SystemColourNow {
  int index;
};
constexpr SystemColourNow systemColourNow(int index) { return {index}; }
struct AlwaysWritten {};
inline constexpr AlwaysWritten kAlways{};

// One of a row's three values, taken when it is needed.
template <class T, class Env>
class Default {
 public:
  constexpr Default(long long number) requires std::is_arithmetic_v<T> : kind_(Kind::Number), number_(number) {}
  constexpr Default(SystemColourNow c) requires std::is_same_v<T, core::Colour> : kind_(Kind::SystemColour),
                                                                                  number_(c.index) {}
  constexpr Default(const char* text) requires(!std::is_arithmetic_v<T>) : kind_(Kind::Text), text_(text) {}
  constexpr Default(T (&computed)(const Env&)) : kind_(Kind::Computed), computed_(&computed) {}
  constexpr Default(AlwaysWritten) : kind_(Kind::Always) {}

  constexpr bool always() const { return kind_ == Kind::Always; }

  T resolve(const Env& env) const {
    switch (kind_) {
      case Kind::Number:
        if constexpr (std::is_arithmetic_v<T>) return static_cast<T>(number_);
        break;
      case Kind::SystemColour:
        if constexpr (std::is_same_v<T, core::Colour>) return env.systemColour(static_cast<int>(number_));
        break;
      case Kind::Text:  // the table's own texts always read
        if constexpr (!std::is_arithmetic_v<T>) return parseStored<T>(text_, env).value_or(T());
        break;
      case Kind::Computed: return computed_(env);
      case Kind::Always: break;
    }
    return T();
  }

 private:
  enum class Kind { Number, SystemColour, Text, Computed, Always };
  Kind kind_;
  long long number_ = 0;
  std::string_view text_;
  T (*computed_)(const Env&) = nullptr;
};

template <class T, class Props, class Env>
struct Column {
  T Props::*member;
  Default<T, Env> fresh, loaded, unless;
};

template <class Props, class Env, class Setter>
struct PropertyRow {
  using Properties = Props;
  using Environment = Env;

  template <class T>
  using Value = std::type_identity_t<Default<T, Env>>;  // takes its type from the member

  template <class T>
  constexpr PropertyRow(std::string_view key, T Props::*member, Value<T> fresh, Value<T> loaded, Value<T> unless,
                        Setter setter)
      : key(key), column(Column<T, Props, Env>{member, fresh, loaded, unless}), setter(setter) {}

  std::string_view key;
  std::variant<Column<int, Props, Env>, Column<std::int16_t, Props, Env>, Column<bool, Props, Env>,
               Column<core::Colour, Props, Env>, Column<std::string, Props, Env>, Column<Picture, Props, Env>,
               Column<FontSpec, Props, Env>>
      column;
  Setter setter;
};

// Reads key into out; a missing key reads as the fallback's stored text, so every value goes
// through the same conversion. False, and the reader stops, when the text cannot be read.
template <class T, class Env>
bool readValue(PropertyReader& reader, std::string_view key, const T& fallback, T& out, const Env& env) {
  return reader.read(key, StoredForm<T>::write(fallback), out,
                     [&](std::string_view text) { return parseStored<T>(text, env); });
}

// The row's value for a new control.
template <class Props, class Env, class Setter>
void applyNewValue(const PropertyRow<Props, Env, Setter>& row, Props& props, const Env& env) {
  std::visit([&](const auto& c) { props.*c.member = c.fresh.resolve(env); }, row.column);
}

// Reads the row's key, falling back to its Loaded value.
template <class Props, class Env, class Setter>
bool loadValue(const PropertyRow<Props, Env, Setter>& row, Props& props, PropertyReader& reader, const Env& env) {
  return std::visit(
      [&](const auto& c) { return readValue(reader, row.key, c.loaded.resolve(env), props.*c.member, env); },
      row.column);
}

// Writes the row's key unless its value reads the same as the Written-unless value.
template <class Props, class Env, class Setter>
void storeValue(const PropertyRow<Props, Env, Setter>& row, const Props& props, PropertyBag& bag, const Env& env) {
  std::visit(
      [&](const auto& c) {
        using Form = StoredForm<std::remove_cvref_t<decltype(props.*c.member)>>;
        std::string text = Form::write(props.*c.member);
        if (c.unless.always() || text != Form::write(c.unless.resolve(env))) bag.write(row.key, std::move(text));
      },
      row.column);
}

// Every row's value for a new control.
template <class Row, std::size_t N, class Env>
void applyNewValues(const Row (&rows)[N], typename Row::Properties& props, const Env& env) {
  for (const Row& row : rows) applyNewValue(row, props, env);
}

// Every row, in the table's order.
template <class Row, std::size_t N, class Env>
void storeValues(const Row (&rows)[N], const typename Row::Properties& props, PropertyBag& bag, const Env& env) {
  for (const Row& row : rows) storeValue(row, props, bag, env);
}

// Where a row sits in its table, found while compiling: a key or member without a row does not
// compile.
template <class Row, std::size_t N>
consteval std::size_t rowIndex(const Row (&rows)[N], std::string_view key) {
  for (std::size_t i = 0; i < N; ++i)
    if (rows[i].key == key) return i;
  throw "no row has this key";
}
template <class Row, std::size_t N, class T>
consteval std::size_t rowIndex(const Row (&rows)[N], T Row::Properties::*member) {
  using Wanted = Column<T, typename Row::Properties, typename Row::Environment>;
  for (std::size_t i = 0; i < N; ++i)
    if (const auto* c = std::get_if<Wanted>(&rows[i].column); c && c->member == member) return i;
  throw "no row has this member";
}

}  // namespace controls::common
