#include "standard/value.h"

#include "standard/number_reading.h"

namespace korvex::standard {

bool IsBlank(const Value& value) {
  if (std::holds_alternative<std::monostate>(value)) return true;
  const auto* text = std::get_if<std::string>(&value);
  return text != nullptr && text->empty();
}

std::string_view TextOf(const Value& value) {
  const auto* text = std::get_if<std::string>(&value);
  return text != nullptr ? std::string_view(*text) : std::string_view();
}

std::string& SetText(Value& value, std::string_view text) {
  if (auto* held = std::get_if<std::string>(&value)) {
    held->assign(text);
    return *held;
  }
  return value.emplace<std::string>(text);
}

DecimalResult ToDecimal(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return ReadDecimal(*text);
  if (const auto* number = std::get_if<Decimal>(&value)) return {*number, DecimalError::None};
  if (const auto* root = std::get_if<double>(&value)) return Decimal::FromDouble(*root);
  return {Decimal{}, DecimalError::None};
}

std::string ValueText(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<Decimal>(&value)) return number->ToString();
  if (std::holds_alternative<double>(value)) {
    const DecimalResult converted = ToDecimal(value);
    return converted.ok() ? converted.value.ToString() : std::string();
  }
  return {};
}

}  // namespace korvex::standard
