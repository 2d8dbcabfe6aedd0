#include "base/problem.h"

#include "base/limits.h"

namespace glimmerkist {

std::string Problem::message() const {
  switch (kind) {
    case ProblemKind::kNone:
      return "";
    case ProblemKind::kCatalogUnopened:
      return "cannot be opened for reading";
    case ProblemKind::kCatalogTagMismatch:
      return "the tag is none of the 18 category tags";
    case ProblemKind::kCatalogMissingTag:
      return "the file ends before the record's tag";
    case ProblemKind::kCatalogNoteNotClosed:
      return "the note opened by <note> is never closed by </note>";
    case ProblemKind::kCatalogTokenTooLong:
      return "a token longer than " + std::to_string(kMaxCatalogTokenBytes >> 20) + " MiB";
    case ProblemKind::kNoChart:
      return "is no chart; a chart is one letter, A to Z";
    case ProblemKind::kNotWholeNumber:
      return "is not a whole number";
    case ProblemKind::kNumberOutOfRange:
      return "is out of range";
    case ProblemKind::kRatesForm:
      return "is not of the form metal=value (cp, sp, ep, gp, pp)";
    case ProblemKind::kRatesMetal:
      return "is no metal; the metals are cp, sp, ep, gp and pp";
    case ProblemKind::kRatesTwice:
      return "is given twice";
    case ProblemKind::kRatesValue:
      return "is not a value from 0 to " + std::to_string(kMaxRateGp) + " gp in steps of 0.0001 gp";
  }
  return "";
}

std::string Problem::text() const {
  if (detail.empty()) return message();
  return detail + " " + message();
}

}  // namespace glimmerkist
