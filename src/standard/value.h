#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "common/decimal.h"

namespace korvex::standard {

/// A field that holds nothing, a text, a decimal value or (for a square root) a double.
using Value = std::variant<std::monostate, std::string, Decimal, double>;

/// A yes/no field that may also hold nothing, which counts as false.
using OptionalBool = std::optional<bool>;

/// True when the field holds true.
inline bool IsTrue(const OptionalBool& flag) { return flag.value_or(false); }

/// True when the value holds nothing or the empty text.
bool IsBlank(const Value& value);

/// The text the value holds, "" for anything that is not a text.
std::string_view TextOf(const Value& value);

/// Makes the value hold `text`, reusing its storage when it already holds a text.
std::string& SetText(Value& value, std::string_view text);

/// The value as a decimal: nothing is zero, a text is read as a number, a double is rounded to
/// 15 significant digits.
DecimalResult ToDecimal(const Value& value);

/// The value's text in shortest form: a decimal as its text, a double as its decimal value's
/// text (plain digits, never an exponent), nothing as "".
std::string ValueText(const Value& value);

}  // namespace korvex::standard
