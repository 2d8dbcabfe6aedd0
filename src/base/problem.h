// A Problem is why an operation did not do what it was asked: which problem
// it is, the problem's fixed message, and the detail that makes it this one
// (a record of the catalog, the text that was given). The core returns
// problems and prints none of them; each front end shows them its own way:
// the console program in its screens, glimmerkist-roll in one line, the page
// in words of its own.
#ifndef GLIMMERKIST_BASE_PROBLEM_H_
#define GLIMMERKIST_BASE_PROBLEM_H_

#include <string>

namespace glimmerkist {

enum class ProblemKind {
  kNone,
  kCatalogUnopened,       // the file could not be opened or is not a regular file
  kCatalogTagMismatch,    // a record's tag matched none of the 18 tags
  kCatalogMissingTag,     // the file ended after a record's name
  kCatalogNoteNotClosed,  // "<note>" was never closed by "</note>"
  kCatalogTokenTooLong,   // a token was longer than kMaxCatalogTokenBytes
  kNoChart,               // a text that names no chart
  kNotWholeNumber,        // not decimal digits alone
  kNumberOutOfRange,      // a whole number outside the range asked for
  kRatesForm,             // a coin rate not written metal=value
  kRatesMetal,            // a coin rate for no metal
  kRatesTwice,            // a metal given two rates
  kRatesValue,            // a rate that is no value a coin may have
};

struct Problem {
  ProblemKind kind = ProblemKind::kNone;
  /// What makes it this problem, such as the quoted text that was given;
  /// may be empty.
  std::string detail;

  bool ok() const { return kind == ProblemKind::kNone; }
  /// The problem's fixed message, "" for kNone.
  std::string message() const;
  /// The detail and the message in one line: "\"x\" is not a whole number".
  std::string text() const;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_PROBLEM_H_
