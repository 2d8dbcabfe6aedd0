#include "catalog/record_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/item.h"
#include "catalog/item_list.h"
#include "item_helpers.h"

namespace glimmerkist {
namespace {

// Every record of `list`, read back position by position from the head.
std::vector<Item> contents(const ItemList& list) {
  std::vector<Item> records;
  for (int position = 0; position < list.count(); ++position) {
    Item item;
    list.itemAt(position, item);
    records.push_back(item);
  }
  return records;
}

TEST(RecordListTest, StartsEmpty) {
  const ItemList list;
  EXPECT_EQ(list.count(), 0);
  Item out = makeItem(4, "Staff_of_Ash");
  list.itemAt(0, out);
  EXPECT_EQ(out, makeItem(4, "Staff_of_Ash"));
}

TEST(RecordListTest, KeepsTheOrderOfAppending) {
  ItemList list;
  const Item a = makeItem(2, "Ring_of_Dew");
  const Item b = makeItem(0, "Potion_of_Rain");
  const Item c = makeItem(2, "Ring_of_Dew");
  list.append(a);
  EXPECT_EQ(list.count(), 1);
  list.append(b);
  list.append(c);
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(contents(list), (std::vector<Item>{a, b, c}));
}

TEST(RecordListTest, AppendsWhateverItIsGivenIncludingNoItem) {
  ItemList list;
  list.append(noItem);
  list.append(makeItem(-1, "Nameless_Relic"));
  ASSERT_EQ(list.count(), 2);
  Item out = makeItem(1, "Scroll");
  list.itemAt(0, out);
  EXPECT_EQ(out, noItem);
  list.itemAt(1, out);
  EXPECT_EQ(out, makeItem(-1, "Nameless_Relic"));
}

TEST(RecordListTest, HoldsCopiesOfTheAppendedRecords) {
  ItemList list;
  Item source = makeItem(5, "Wand_of_Sparks");
  list.append(source);
  source.setName("Changed");

  Item out;
  list.itemAt(0, out);
  EXPECT_EQ(out, makeItem(5, "Wand_of_Sparks"));
  out.setName("Changed_Too");
  list.itemAt(0, out);
  EXPECT_EQ(out, makeItem(5, "Wand_of_Sparks"));
}

TEST(RecordListTest, ItemAtOutsideTheListLeavesTheOutRecordUntouched) {
  ItemList list;
  list.append(makeItem(3, "Rod_of_Iron"));
  list.append(makeItem(3, "Rod_of_Oak"));
  for (int position : {2, 3, -1, -2, 2147483647, -2147483647 - 1}) {
    Item out = makeItem(9, "Gloves_of_Dusk");
    list.itemAt(position, out);
    EXPECT_EQ(out, makeItem(9, "Gloves_of_Dusk")) << position;
  }
}

TEST(RecordListTest, ClearEmptiesTheListAndItCanBeFilledAgain) {
  ItemList list;
  list.clear();
  EXPECT_EQ(list.count(), 0);

  list.append(makeItem(1, "Scroll_of_Wind"));
  list.append(makeItem(1, "Scroll_of_Fire"));
  list.clear();
  EXPECT_EQ(list.count(), 0);
  Item out = makeItem(7, "Opal_Brooch");
  list.itemAt(0, out);
  EXPECT_EQ(out, makeItem(7, "Opal_Brooch"));

  list.append(makeItem(1, "Scroll_of_Ice"));
  EXPECT_EQ(contents(list), (std::vector<Item>{makeItem(1, "Scroll_of_Ice")}));
}

TEST(RecordListTest, HoldsOtherRecordTypes) {
  RecordList<std::string> list;
  list.append("first");
  list.append("second");
  std::string out = "untouched";
  list.itemAt(2, out);
  EXPECT_EQ(out, "untouched");
  list.itemAt(1, out);
  EXPECT_EQ(out, "second");
}

}  // namespace
}  // namespace glimmerkist
