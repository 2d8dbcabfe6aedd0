#include "catalog/item_catalog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/random.h"
#include "item_helpers.h"
#include "support/reference_random.h"

namespace glimmerkist {
namespace {

constexpr int kOutOfRangeCodes[] = {-1, -2, 18, 20, 100, 2147483647, -2147483647 - 1};

// The first seed whose first draw is `value`, found in the reference
// sequence.
std::uint32_t seedWhoseFirstDrawIs(int value) {
  for (std::uint32_t seed = 0;; ++seed) {
    if (referenceDraws(seed, 1)[0] == value) return seed;
  }
}

// Files one item of every category, named after its code.
void fillEveryCategory(ItemCatalog& catalog) {
  for (int code = 0; code < 18; ++code) {
    catalog.addItem(makeItem(code, "Item_" + std::to_string(code)));
  }
}

class ItemCatalogTest : public ::testing::Test {
 protected:
  // Files `names` into `code`, in order.
  void file(int code, const std::vector<std::string>& names) {
    for (const std::string& name : names) catalog_.addItem(makeItem(code, name));
  }

  // The names in a category's list, from the head.
  std::vector<std::string> names(int code) const {
    std::vector<std::string> result;
    for (const Item& item : catalog_.category(code)) result.push_back(item.getName());
    return result;
  }

  int totalCount() const {
    int total = 0;
    for (int code = 0; code < 18; ++code) total += catalog_.category(code).count();
    return total;
  }

  // Draws made by one randomItem(code), starting from `seed`.
  int drawsOfOnePick(int code, std::uint32_t seed = 2024) const {
    return drawsMadeBy(seed, [&] { catalog_.randomItem(code); });
  }

  ItemCatalog catalog_;
};

TEST_F(ItemCatalogTest, AddItemFilesAtTheTailOfItsCategory) {
  catalog_.addItem(makeItem(0, "Potion_of_Rain"));
  catalog_.addItem(makeItem(17, "Sword_of_Dawn"));
  catalog_.addItem(makeItem(0, "Oil_of_Slipperiness"));
  EXPECT_EQ(names(0), (std::vector<std::string>{"Potion_of_Rain", "Oil_of_Slipperiness"}));
  EXPECT_EQ(names(17), (std::vector<std::string>{"Sword_of_Dawn"}));
  EXPECT_EQ(totalCount(), 3);
}

TEST_F(ItemCatalogTest, AddItemRefusesItemsWithoutCategoryOrName) {
  Item withoutCategory;
  withoutCategory.setName("Nameless_Relic");  // category stays -1
  Item pastTheLastCategory = makeItem(18, "Relic");
  Item withoutName;
  withoutName.setCategory(3);  // name stays empty

  ASSERT_EQ(withoutCategory.getCategory(), -1);
  ASSERT_EQ(withoutName.getCategory(), 3);
  for (const Item& item : {withoutCategory, pastTheLastCategory, withoutName, noItem}) {
    catalog_.addItem(item);
  }
  EXPECT_EQ(totalCount(), 0);
}

TEST_F(ItemCatalogTest, RandomItemOutsideTheCategoriesGivesNoItemAndDrawsNothing) {
  fillEveryCategory(catalog_);
  for (int code : kOutOfRangeCodes) {
    EXPECT_EQ(catalog_.randomItem(code), noItem) << code;
    EXPECT_EQ(drawsOfOnePick(code), 0) << code;
  }
}

TEST_F(ItemCatalogTest, RandomItemOfAnEmptyCategoryGivesNoItemAndDrawsNothing) {
  file(4, {"Staff_of_Ash", "Staff_of_Thorns"});
  file(6, {"Tome_of_Tides"});
  for (int code : {0, 3, 5, 17}) {
    EXPECT_EQ(catalog_.randomItem(code), noItem) << code;
    EXPECT_EQ(drawsOfOnePick(code), 0) << code;
  }
}

TEST_F(ItemCatalogTest, ASingleItemIsAlwaysPickedWithOneDraw) {
  file(9, {"Boots_of_Mist"});
  file(10, {"Helm_of_Stars", "Girdle_of_Oak"});
  for (std::uint32_t seed : {0u, 1u, 7u, 123456u, 0xffffffffu}) {
    srand(seed);
    EXPECT_EQ(catalog_.randomItem(9), makeItem(9, "Boots_of_Mist")) << seed;
    EXPECT_EQ(drawsOfOnePick(9, seed), 1) << seed;
  }
}

TEST_F(ItemCatalogTest, TheDrawModuloTheCountGivesThePosition) {
  file(11, {"A", "B", "C"});
  const struct {
    int draw;
    const char* expected;
  } cases[] = {
      {7, "B"},  // 7 modulo 3 is 1
      {9, "A"},  // 9 modulo 3 is 0
      {0, "A"}, {5, "C"}, {32767, "B"},
  };
  for (const auto& c : cases) {
    const std::uint32_t seed = seedWhoseFirstDrawIs(c.draw);
    srand(seed);
    EXPECT_EQ(catalog_.randomItem(11), makeItem(11, c.expected)) << "draw " << c.draw;
  }
}

TEST_F(ItemCatalogTest, SuccessivePicksFollowTheSequence) {
  const std::vector<std::string> filed = {"P0", "P1", "P2", "P3", "P4", "P5", "P6"};
  file(15, filed);
  const std::uint32_t seed = 31337;
  const std::vector<int> draws = referenceDraws(seed, 200);
  srand(seed);
  for (int draw : draws) {
    ASSERT_EQ(catalog_.randomItem(15).getName(), filed[draw % 7]) << draw;
  }
}

TEST_F(ItemCatalogTest, DuplicatesAreHeldAndDrawnTwice) {
  file(2, {"Ring_of_Dew", "Ring_of_Dew", "Ring_of_Ice"});
  ASSERT_EQ(catalog_.category(2).count(), 3);

  const std::uint32_t seed = 4242;
  const std::vector<int> draws = referenceDraws(seed, 3000);
  int expectedDew = 0;
  for (int draw : draws) {
    if (draw % 3 != 2) ++expectedDew;
  }

  srand(seed);
  int dew = 0;
  int ice = 0;
  for (std::size_t i = 0; i < draws.size(); ++i) {
    const std::string name = catalog_.randomItem(2).getName();
    if (name == "Ring_of_Dew") ++dew;
    if (name == "Ring_of_Ice") ++ice;
  }
  EXPECT_EQ(dew, expectedDew);
  EXPECT_EQ(ice, static_cast<int>(draws.size()) - expectedDew);
  // Over many draws the doubled entry comes up about twice as often.
  EXPECT_NEAR(static_cast<double>(dew) / ice, 2.0, 0.25);
}

TEST_F(ItemCatalogTest, RandomItemHandsOutACopy) {
  file(13, {"Silver_Hand_Mirror"});
  srand(3);
  Item picked = catalog_.randomItem(13);
  picked.setName("Tarnished_Mirror");
  picked.setCategory(2);

  EXPECT_EQ(catalog_.randomItem(13), makeItem(13, "Silver_Hand_Mirror"));
  EXPECT_EQ(names(13), (std::vector<std::string>{"Silver_Hand_Mirror"}));
  EXPECT_EQ(catalog_.category(2).count(), 0);
}

TEST_F(ItemCatalogTest, ClearCategoryEmptiesOnlyThatCategory) {
  for (int cleared = 0; cleared < 18; ++cleared) {
    ItemCatalog catalog;
    fillEveryCategory(catalog);
    catalog.clearCategory(cleared);
    for (int code = 0; code < 18; ++code) {
      EXPECT_EQ(catalog.category(code).count(), code == cleared ? 0 : 1)
          << "cleared " << cleared << ", looked at " << code;
    }
    EXPECT_EQ(catalog.randomItem(cleared), noItem);
    // The other categories keep their names, and the cleared one takes new
    // items.
    catalog.addItem(makeItem(cleared, "Refiled"));
    for (int code = 0; code < 18; ++code) {
      Item item;
      catalog.category(code).itemAt(0, item);
      EXPECT_EQ(item, makeItem(code, code == cleared ? "Refiled" : "Item_" + std::to_string(code)))
          << "cleared " << cleared << ", looked at " << code;
    }
  }
}

TEST_F(ItemCatalogTest, ClearCategoryMinusOneEmptiesEveryCategory) {
  fillEveryCategory(catalog_);
  file(0, {"Second_Potion"});
  catalog_.clearCategory(-1);
  EXPECT_EQ(totalCount(), 0);
  for (int code = 0; code < 18; ++code) EXPECT_EQ(catalog_.randomItem(code), noItem);

  // A cleared catalog takes new items as a new one does.
  file(5, {"Wand_of_Sparks"});
  EXPECT_EQ(names(5), (std::vector<std::string>{"Wand_of_Sparks"}));
}

TEST_F(ItemCatalogTest, ClearCategoryWithOtherCodesChangesNothing) {
  fillEveryCategory(catalog_);
  for (int code : {-2, 18, 20, 2147483647, -2147483647 - 1}) {
    catalog_.clearCategory(code);
    EXPECT_EQ(totalCount(), 18) << code;
  }
}

TEST_F(ItemCatalogTest, AnEmptyCatalogGivesNoItemForEveryCode) {
  for (int code = -3; code <= 20; ++code) {
    EXPECT_EQ(catalog_.randomItem(code), noItem) << code;
    EXPECT_EQ(drawsOfOnePick(code), 0) << code;
  }
}

}  // namespace
}  // namespace glimmerkist
