#include "expression/evaluator.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "expression/functions.h"
#include "expression/number_literal.h"
#include "expression/operators.h"
#include "expression/tokens.h"

namespace korvex::expression {
namespace {

// Binding from tightest: "^", a leading sign, "*" "/", "\", "mod", "+" "-"; equals group from the
// left (2^3^2 is 64, -2^2 is -4). Functions are called as name "(" arguments ")".
//
// One pass of operator precedence over the tokens with two explicit stacks instead of recursion,
// so that "((((..." a million deep needs heap, not call stack. An operator is applied as soon as
// everything it binds is known.
class Evaluation {
 public:
  EvalResult Run(std::string_view expression);

 private:
  enum class Pending { Binary, Negate, Identity, Group, Call };
  struct Entry {
    Pending kind;
    BinaryOperator op = BinaryOperator::Add;
    Function function = Function::Abs;
    std::size_t commas = 0;  // of a Call, the arguments finished so far
  };

  static int PrecedenceOf(const Entry& entry);
  static bool IsBarrier(const Entry& entry) {
    return entry.kind == Pending::Group || entry.kind == Pending::Call;
  }

  EvalError ReadOperand(const Token& token, Lexer& lexer);
  EvalError ReadOperator(const Token& token);
  EvalError PushBinary(BinaryOperator op);
  // Applies the pending operators on top of the stack that bind at least `precedence`.
  EvalError Reduce(int precedence);
  EvalError Apply(const Entry& entry);
  EvalError CloseParenthesis();
  EvalError Finish();

  std::vector<double> values_;
  std::vector<Entry> pending_;
  bool expect_operand_ = true;
  bool done_ = false;
};

int Evaluation::PrecedenceOf(const Entry& entry) {
  switch (entry.kind) {
    case Pending::Binary:
      return Precedence(entry.op);
    case Pending::Negate:
    case Pending::Identity:
      return kSignPrecedence;
    case Pending::Group:
    case Pending::Call:
      return -1;
  }
  return -1;
}

EvalResult Evaluation::Run(std::string_view expression) {
  Lexer lexer(expression);
  while (!done_) {
    const Token token = lexer.Next();
    const EvalError error = expect_operand_ ? ReadOperand(token, lexer) : ReadOperator(token);
    if (error != EvalError::None) return Fail(error);
  }
  return {values_.back()};
}

EvalError Evaluation::ReadOperand(const Token& token, Lexer& lexer) {
  switch (token.kind) {
    case TokenKind::Number: {
      const EvalResult number = NumberLiteralValue(token.text);
      if (!number.ok()) return number.error;
      values_.push_back(number.value);
      expect_operand_ = false;
      return EvalError::None;
    }
    case TokenKind::Minus:
      pending_.push_back({Pending::Negate});
      return EvalError::None;
    case TokenKind::Plus:
      pending_.push_back({Pending::Identity});
      return EvalError::None;
    case TokenKind::LeftParen:
      pending_.push_back({Pending::Group});
      return EvalError::None;
    case TokenKind::Name: {
      const std::optional<Function> function = FindFunction(token.text);
      if (!function) return EvalError::UnknownName;
      if (lexer.Next().kind != TokenKind::LeftParen) return EvalError::Syntax;
      pending_.push_back({Pending::Call, BinaryOperator::Add, *function});
      return EvalError::None;
    }
    default:
      return EvalError::Syntax;
  }
}

EvalError Evaluation::ReadOperator(const Token& token) {
  switch (token.kind) {
    case TokenKind::Plus:
      return PushBinary(BinaryOperator::Add);
    case TokenKind::Minus:
      return PushBinary(BinaryOperator::Subtract);
    case TokenKind::Star:
      return PushBinary(BinaryOperator::Multiply);
    case TokenKind::Slash:
      return PushBinary(BinaryOperator::Divide);
    case TokenKind::Backslash:
      return PushBinary(BinaryOperator::IntegerDivide);
    case TokenKind::Mod:
      return PushBinary(BinaryOperator::Modulo);
    case TokenKind::Caret:
      return PushBinary(BinaryOperator::Power);
    case TokenKind::RightParen:
      return CloseParenthesis();
    case TokenKind::Comma: {
      if (const EvalError error = Reduce(0); error != EvalError::None) return error;
      if (pending_.empty() || pending_.back().kind != Pending::Call) return EvalError::Syntax;
      ++pending_.back().commas;
      expect_operand_ = true;
      return EvalError::None;
    }
    case TokenKind::End:
      return Finish();
    default:
      return EvalError::Syntax;
  }
}

EvalError Evaluation::PushBinary(BinaryOperator op) {
  // ">=" in Reduce makes equal operators group from the left: 2^3^2 is (2^3)^2. A sign waiting
  // below a "^" stays, so the power binds first: -2^2 is -(2^2) and 2^-3^2 is 2^-(3^2).
  if (const EvalError error = Reduce(Precedence(op)); error != EvalError::None) return error;
  pending_.push_back({Pending::Binary, op});
  expect_operand_ = true;
  return EvalError::None;
}

EvalError Evaluation::Reduce(int precedence) {
  while (!pending_.empty() && !IsBarrier(pending_.back()) &&
         PrecedenceOf(pending_.back()) >= precedence) {
    const Entry entry = pending_.back();
    pending_.pop_back();
    if (const EvalError error = Apply(entry); error != EvalError::None) return error;
  }
  return EvalError::None;
}

EvalError Evaluation::Apply(const Entry& entry) {
  // The token order guarantees the operands: a unary entry has one value above it, a binary two.
  if (entry.kind == Pending::Negate) {
    values_.back() = -values_.back();
    return EvalError::None;
  }
  if (entry.kind == Pending::Identity) return EvalError::None;
  const double right = values_.back();
  values_.pop_back();
  const EvalResult result = ApplyBinary(entry.op, values_.back(), right);
  values_.back() = result.value;
  return result.error;
}

EvalError Evaluation::CloseParenthesis() {
  if (const EvalError error = Reduce(0); error != EvalError::None) return error;
  if (pending_.empty()) return EvalError::Syntax;
  const Entry barrier = pending_.back();
  pending_.pop_back();
  expect_operand_ = false;
  if (barrier.kind == Pending::Group) return EvalError::None;

  const std::size_t count = barrier.commas + 1;
  if (!TakesArgumentCount(barrier.function, count)) return EvalError::Syntax;
  const std::span<const double> arguments(values_.data() + values_.size() - count, count);
  const EvalResult result = ApplyFunction(barrier.function, arguments);
  values_.resize(values_.size() - count + 1);
  values_.back() = result.value;
  return result.error;
}

EvalError Evaluation::Finish() {
  if (const EvalError error = Reduce(0); error != EvalError::None) return error;
  if (!pending_.empty()) return EvalError::Syntax;  // a "(" never closed
  done_ = true;
  return EvalError::None;
}

}  // namespace

EvalResult Evaluate(std::string_view expression) { return Evaluation().Run(expression); }

}  // namespace korvex::expression
