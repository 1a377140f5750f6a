#include "expression/functions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "common/rounding.h"

namespace korvex::expression {
namespace {

constexpr std::array<std::pair<std::string_view, Function>, 12> kNames{{
    {"abs", Function::Abs},
    {"atn", Function::Atn},
    {"cos", Function::Cos},
    {"exp", Function::Exp},
    {"fix", Function::Fix},
    {"int", Function::Int},
    {"log", Function::Log},
    {"round", Function::Round},
    {"sgn", Function::Sgn},
    {"sin", Function::Sin},
    {"sqr", Function::Sqr},
    {"tan", Function::Tan},
}};

bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c) != lower[i]) return false;
  }
  return true;
}

// The rounding helper works to at most 15 places. More places change nothing when the value's
// shortest text has no more decimals than asked for; otherwise the digits asked for lie beyond
// what that helper can round exactly, and the call is refused rather than answered wrongly.
EvalResult RoundBeyondFifteenPlaces(double value, double places) {
  char buf[512];  // the longest shortest fixed text of a double is about 330 characters
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (res.ec != std::errc{}) return Fail(EvalError::InvalidArgument);
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t point = text.find('.');
  const double decimals = point == std::string_view::npos ? 0.0 : double(text.size() - point - 1);
  if (decimals <= places) return {value};
  return Fail(EvalError::InvalidArgument);
}

EvalResult Round(std::span<const double> arguments) {
  const double value = arguments[0];
  const double places = arguments.size() > 1 ? RoundToWhole(arguments[1]) : 0.0;
  if (places < 0) return Fail(EvalError::InvalidArgument);
  if (places > 15) return RoundBeyondFifteenPlaces(value, places);
  // The rounding helper gives tiny values back unrounded (their fixed text outgrows its buffer);
  // anything below 1e-16 is under half a unit of the 15th place and so rounds to 0.
  if (std::fabs(value) < 1e-16) return {0.0};
  return Checked(RoundToPlaces(value, static_cast<int>(places)));
}

}  // namespace

std::optional<Function> FindFunction(std::string_view name) {
  for (const auto& [known, function] : kNames)
    if (EqualsIgnoringCase(name, known)) return function;
  return std::nullopt;
}

bool TakesArgumentCount(Function function, std::size_t count) {
  return count == 1 || (function == Function::Round && count == 2);
}

EvalResult ApplyFunction(Function function, std::span<const double> arguments) {
  if (arguments.empty() || !TakesArgumentCount(function, arguments.size()))
    return Fail(EvalError::Syntax);
  const double x = arguments[0];
  switch (function) {
    case Function::Abs:
      return {std::fabs(x)};
    case Function::Atn:
      return {std::atan(x)};
    case Function::Cos:
      return Checked(std::cos(x));
    case Function::Exp:
      return Checked(std::exp(x));
    case Function::Fix:
      return {std::trunc(x)};
    case Function::Int:
      return {std::floor(x)};
    case Function::Log:
      if (x <= 0) return Fail(EvalError::InvalidArgument);
      return Checked(std::log(x));
    case Function::Round:
      return Round(arguments);
    case Function::Sgn:
      return {x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0};
    case Function::Sin:
      return Checked(std::sin(x));
    case Function::Sqr:
      if (x < 0) return Fail(EvalError::InvalidArgument);
      return {std::sqrt(x)};
    case Function::Tan:
      return Checked(std::tan(x));
  }
  return Fail(EvalError::Syntax);
}

}  // namespace korvex::expression
