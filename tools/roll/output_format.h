// The three ways the batch command writes its results. The texts themselves
// are the core's (treasure/treasure_report.h, treasure/hoard_json.h).
#ifndef GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_
#define GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_

namespace glimmerkist::roll {

enum class Format {
  kText,      // the interactive program's own lines
  kJson,      // one JSON document, keys in a fixed order
  kMarkdown,  // tables to paste into notes
};

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_
