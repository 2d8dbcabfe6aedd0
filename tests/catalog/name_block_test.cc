#include "catalog/name_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace glimmerkist {
namespace {

TEST(NameBlockTest, EveryNameComesBackWithItsBytesAndLength) {
  // Lengths around the places where a stored length takes one byte more,
  // and bytes that could be mistaken for an end of a name.
  const std::vector<std::string> names = {
      "A",
      std::string(127, 'b'),
      std::string(128, 'c'),
      std::string(129, '\x80'),
      std::string("Odd\0Name\nwith\xFF", 14),
      std::string(16383, 'd'),
      std::string(16384, 'e'),
      "",
      std::string(200000, '\x7F'),
      "Z",
  };
  NameBlock block;
  std::vector<NameBlock::Offset> offsets;
  offsets.reserve(names.size());
  for (const std::string& name : names) offsets.push_back(block.append(name));
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(block.nameAt(offsets[i]), names[i]) << "name " << i;
    if (i > 0) {
      EXPECT_GT(offsets[i], offsets[i - 1]) << "name " << i;
    }
  }
  // Each name costs its bytes and one byte of length below 128, two up to
  // 16383, three up to 2 MiB.
  std::size_t expected = 0;
  for (const std::string& name : names) {
    expected += name.size() + (name.size() < 128 ? 1 : name.size() < 16384 ? 2 : 3);
  }
  EXPECT_EQ(block.size(), expected);
}

TEST(NameBlockTest, ClearEmptiesTheBlockForNewNames) {
  NameBlock block;
  block.append("Old_Name");
  block.clear();
  EXPECT_EQ(block.size(), 0u);
  const NameBlock::Offset offset = block.append("New_Name");
  EXPECT_EQ(offset, 0u);
  EXPECT_EQ(block.nameAt(offset), "New_Name");
}

}  // namespace
}  // namespace glimmerkist
