#include <cmath>
#include <vector>

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "units/detail/messages.h"
#include "units/detail/quantity.h"
#include "units/detail/unit_table.h"
#include "units/units.h"

namespace orvo {
namespace {

using detail::Quantity;

UnitsAnswer Failed(std::string message) {
  UnitsAnswer answer;
  answer.text = std::move(message);
  answer.failed = true;
  return answer;
}

// The positions of the ";" outside brackets.
std::vector<std::size_t> TopLevelSemicolons(std::string_view text) {
  std::vector<std::size_t> found;
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')') --depth;
    if (text[i] == ';' && depth == 0) found.push_back(i);
  }
  return found;
}

// A target that is one unit on an offset scale (degC, degF) converts a temperature affinely;
// anywhere else such a unit is the size of its degree (J/degC).
const detail::UnitRow* OffsetTarget(std::string_view target) {
  std::optional<detail::FoundUnit> unit = detail::FindUnit(target);
  return unit && unit->prefix == 1 && unit->row->offset != 0 ? unit->row : nullptr;
}

}  // namespace

UnitsAnswer UnitsCommand(std::string_view text, int precision, Random& rng) {
  if (!EndsWith(text, ")")) return Failed(std::string(msg::kUnitsBracket));
  text.remove_suffix(1);
  std::vector<std::size_t> semicolons = TopLevelSemicolons(text);
  if (semicolons.size() > 1) return Failed(std::string(msg::kUnitsTwoTargets));
  std::string_view source = semicolons.empty() ? text : text.substr(0, semicolons[0]);
  std::string_view target = semicolons.empty() ? "" : text.substr(semicolons[0] + 1);

  detail::Evaluation evaluated = detail::EvaluateQuantity(source, rng);
  if (!evaluated.quantity) return Failed(evaluated.error);
  const Quantity& quantity = *evaluated.quantity;

  UnitsAnswer answer;
  if (semicolons.empty()) {
    answer.value = quantity.value;
    answer.unit = detail::SiUnitText(quantity.dimension);
  } else {
    detail::Evaluation unit = detail::EvaluateQuantity(target, rng);
    if (!unit.quantity) return Failed(unit.error);
    if (!unit.sawUnit) return Failed(std::string(msg::kUnitsTargetNumber));
    if (unit.quantity->dimension != quantity.dimension) {
      return Failed(
          Fill(msg::kUnitsCannotConvert,
               {detail::UnitText(quantity.dimension), CapEcho(target),
                detail::KindText(quantity.dimension), detail::KindText(unit.quantity->dimension)}));
    }
    if (unit.quantity->value == 0) return Failed(std::string(msg::kUnitsDividedByZero));
    const detail::UnitRow* scale = OffsetTarget(target);
    answer.value = scale != nullptr ? quantity.value / scale->factor - scale->offset
                                    : quantity.value / unit.quantity->value;
    answer.unit = std::string(target);
  }
  if (!std::isfinite(answer.value)) return Failed(std::string(msg::kUnitsOverflow));
  if (answer.value == 0) answer.value = 0;  // -0 prints as 0
  answer.text = FormatG(answer.value, precision);
  if (!answer.unit.empty()) answer.text += " " + answer.unit;
  return answer;
}

}  // namespace orvo
