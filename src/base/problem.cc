#include "base/problem.h"

#include <array>
#include <string_view>

#include "base/limits.h"

namespace glimmerkist {
namespace {

// By ProblemKind; the two that name a limit are written in message().
constexpr std::array<std::string_view, 13> kMessages = {
    "",
    "cannot be opened for reading",
    "the tag is none of the 18 category tags",
    "the file ends before the record's tag",
    "the note opened by <note> is never closed by </note>",
    "",
    "is no chart; a chart is one letter, A to Z",
    "is not a whole number",
    "is out of range",
    "is not of the form metal=value (cp, sp, ep, gp, pp)",
    "is no metal; the metals are cp, sp, ep, gp and pp",
    "is given twice",
    "",
};

}  // namespace

std::string Problem::message() const {
  switch (kind) {
    case ProblemKind::kCatalogTokenTooLong:
      return "a token longer than " + std::to_string(kMaxCatalogTokenBytes >> 20) + " MiB";
    case ProblemKind::kRatesValue:
      return "is not a value from 0 to " + std::to_string(kMaxRateGp) + " gp in steps of 0.0001 gp";
    default:
      return std::string(kMessages[static_cast<std::size_t>(kind)]);
  }
}

std::string Problem::text() const {
  if (detail.empty()) return message();
  return detail + " " + message();
}

}  // namespace glimmerkist
