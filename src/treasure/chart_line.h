// One line of a chart file under a cursor: its words, numbers and blanks, and
// the column of any place in it, counted in characters as an editor shows
// them. The line's bytes are checked as UTF-8 before it is read.
#ifndef GLIMMERKIST_TREASURE_CHART_LINE_H_
#define GLIMMERKIST_TREASURE_CHART_LINE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace glimmerkist {

/// The length of the UTF-8 character at `at`, or 0 when the bytes there are
/// no character: an overlong form, a surrogate, a code point past U+10FFFF,
/// or a control character other than the tab (C1 controls included).
/// REQUIRES: at < text.size().
std::size_t chartCharacterLength(std::string_view text, std::size_t at);

/// The characters of UTF-8 text.
int characterCount(std::string_view text);

class ChartLine {
 public:
  explicit ChartLine(std::string_view line) : line_(line) {}

  std::size_t at() const { return at_; }
  bool atEnd() const { return at_ >= line_.size(); }
  char peek() const { return atEnd() ? '\0' : line_[at_]; }
  void skipBlanks();
  /// Takes `c` when it comes next.
  bool take(char c);
  /// Up to the next blank, or the next comma when `commaEnds`.
  std::string_view word(bool commaEnds);
  /// The rest of the line without the blanks at its end.
  std::string_view rest();
  /// Decimal digits, at most ten of them, as a number; false when there are
  /// none or too many.
  bool number(std::int64_t& value);
  /// The column, from 1, of the character at byte `byte`.
  int columnOf(std::size_t byte) const;

 private:
  std::string_view line_;
  std::size_t at_ = 0;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_CHART_LINE_H_
