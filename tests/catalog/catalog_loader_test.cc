#include "catalog/catalog_loader.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalog/item_catalog.h"
#include "support/fake_terminal.h"
#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

using Names = std::vector<std::string>;

const std::string kLoading = "\n Loading Data...\n";
// The pause keeps it on screen until the welcome screen clears it.
const std::string kOpenFailed = "\n data.txt file failed to open\n[pause]";
const std::string kNoteNeverClosed =
    "[clear]\n The data.txt file is corrupt. The note is never closed\n\n [pause]";
const std::string kMark = "\xEF\xBB\xBF";

// The corrupt-file report for a record whose tag matched nothing.
// The NUL of a token shows as "?", as every control character would.
std::string mismatchReport(const std::string& name, std::string tag) {
  std::replace(tag.begin(), tag.end(), '\0', '?');
  return "[clear]\n The data.txt file is corrupt. A data type did not match\n\n  Data: " + name +
         " - " + tag + "\n\n [pause]";
}

// Category codes of the tags, as the data file spells them.
enum : int { kPotions = 0, kRings = 2, kWands = 5, kHousehold = 13, kWeapons = 17 };

class CatalogLoaderTest : public ::testing::Test {
 protected:
  // Writes `content` as data.txt, loads it and returns what the screen
  // showed.
  std::string load(const std::string& content) {
    writeFile("data.txt", content);
    return loadAsItIs();
  }

  // Loads whatever the folder holds under the name data.txt.
  // Every load also checks the two steps apart: reading alone files the same
  // and finds the same, and reporting that finding shows the same screen.
  std::string loadAsItIs() {
    const std::size_t shownBefore = terminal_.transcript().size();
    result_ = loadCatalog(catalog_, terminal_);

    ItemCatalog alone;
    const LoadResult read = readCatalogFile(kCatalogFileName, alone);
    EXPECT_EQ(read.problem.kind, result_.problem.kind);
    EXPECT_EQ(read.filed, result_.filed);
    EXPECT_EQ(read.badRecord, result_.badRecord);
    EXPECT_EQ(read.badName, result_.badName);
    EXPECT_EQ(read.badTag, result_.badTag);
    for (int code = 0; code < kCategoryCount; ++code) {
      EXPECT_EQ(alone.category(code).count(), catalog_.category(code).count());
    }
    FakeTerminal reported;
    reportLoad(reported, read);
    EXPECT_EQ(reported.transcript(), terminal_.transcript().substr(shownBefore));
    return terminal_.transcript();
  }

  // Forgets the catalog and the screen, for the next case of a table.
  void startOver() {
    catalog_ = ItemCatalog();
    terminal_.clearTranscript();
  }

  // The names filed under `code`, in list order.
  Names names(int code) const {
    Names result;
    for (const Item& item : catalog_.category(code)) {
      EXPECT_EQ(item.getCategory(), code);
      result.push_back(item.getName());
    }
    return result;
  }

  int totalCount() const {
    int total = 0;
    for (int code = 0; code < 18; ++code) total += catalog_.category(code).count();
    return total;
  }

  TempDir dir_;
  ItemCatalog catalog_;
  FakeTerminal terminal_;
  LoadResult result_;
};

TEST_F(CatalogLoaderTest, LoadsATypicalFile) {
  const std::string content =
      "<note>\n"
      "Items for the spring campaign. tccWeapons Fake_Item tccRings\n"
      "</note>\n"
      "Silver_Hand_Mirror\n"
      "tccHouseholdItemsAndTools\n"
      "Potion_of_Rain\n"
      "tccPotionsAndOils\n"
      "Copper_Kettle\n"
      "tccHouseholdItemsAndTools\n";
  EXPECT_EQ(load(content), kLoading);
  EXPECT_EQ(names(kHousehold), (Names{"Silver_Hand_Mirror", "Copper_Kettle"}));
  EXPECT_EQ(names(kPotions), (Names{"Potion_of_Rain"}));
  EXPECT_EQ(totalCount(), 3);
  EXPECT_EQ(result_.problem.kind, ProblemKind::kNone);
  EXPECT_EQ(result_.filed, 3);
  EXPECT_EQ(result_.badRecord, 0);
  EXPECT_EQ(result_.badName, "");
  EXPECT_EQ(result_.badTag, "");
}

TEST_F(CatalogLoaderTest, EveryTagFilesIntoItsOwnCategory) {
  const char* const tags[18] = {
      "tccPotionsAndOils",
      "tccScrolls",
      "tccRings",
      "tccRods",
      "tccStaves",
      "tccWands",
      "tccBooksAndTomes",
      "tccGemsAndJewelry",
      "tccCloaksAndRobes",
      "tccBootsAndGloves",
      "tccGirdlesAndHelms",
      "tccBagsAndBottles",
      "tccDustsAndStones",
      "tccHouseholdItemsAndTools",
      "tccMusicalInstruments",
      "tccTheWeirdStuff",
      "tccArmorAndShields",
      "tccWeapons",
  };
  std::string content = "<note> </note>\n";
  for (int code = 17; code >= 0; --code) {
    content += "Item_" + std::to_string(code) + " " + tags[code] + "\n";
  }
  EXPECT_EQ(load(content), kLoading);
  for (int code = 0; code < 18; ++code) {
    EXPECT_EQ(names(code), (Names{"Item_" + std::to_string(code)})) << tags[code];
  }
  EXPECT_EQ(result_.filed, 18);
}

TEST_F(CatalogLoaderTest, KeepsTheFileOrderAndDuplicatesWithinACategory) {
  EXPECT_EQ(load("<note> </note>\n"
                 "Potion_A tccPotionsAndOils Sword tccWeapons\n"
                 "Potion_B tccPotionsAndOils Potion_A tccPotionsAndOils Potion_A tccWeapons\n"),
            kLoading);
  EXPECT_EQ(names(kPotions), (Names{"Potion_A", "Potion_B", "Potion_A"}));
  EXPECT_EQ(names(kWeapons), (Names{"Sword", "Potion_A"}));
  EXPECT_EQ(result_.filed, 5);
}

TEST_F(CatalogLoaderTest, LinesCarryNoMeaning) {
  const char* const layouts[] = {
      "<note>\n</note>\nRing_of_Dew\ntccRings\nWand_of_Light\ntccWands\n",
      "<note> </note> Ring_of_Dew tccRings Wand_of_Light tccWands",
      "<note>\r\n</note>\r\nRing_of_Dew\r\ntccRings\r\nWand_of_Light\r\ntccWands\r\n",
      "\r\n\r\n<note>\t</note>\v\fRing_of_Dew\r\n\r\n\ttccRings  Wand_of_Light\r\ntccWands\r\n",
  };
  for (const char* content : layouts) {
    startOver();
    EXPECT_EQ(load(content), kLoading) << content;
    EXPECT_EQ(names(kRings), (Names{"Ring_of_Dew"})) << content;
    EXPECT_EQ(names(kWands), (Names{"Wand_of_Light"})) << content;
    EXPECT_EQ(totalCount(), 2) << content;
  }
}

TEST_F(CatalogLoaderTest, FilesWithoutRecordsLoadQuietly) {
  const char* const contents[] = {
      "",
      "\r\n\n \t",
      "<note> </note>",
      "<note>\nOnly a note, no records.\n</note>\n\n",
      "Header_Only",
      "Header_Only\n\n",
      "<note></note>",  // one token that is not "<note>": just a header
  };
  for (const char* content : contents) {
    startOver();
    EXPECT_EQ(load(content), kLoading) << content;
    EXPECT_EQ(totalCount(), 0) << content;
    EXPECT_EQ(result_.problem.kind, ProblemKind::kNone) << content;
    EXPECT_EQ(result_.filed, 0) << content;
  }
}

TEST_F(CatalogLoaderTest, MissingFileIsReportedAndLeavesTheCatalogEmpty) {
  EXPECT_EQ(loadAsItIs(), kOpenFailed);
  EXPECT_EQ(totalCount(), 0);
  EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogUnopened);
  EXPECT_EQ(result_.filed, 0);
}

TEST_F(CatalogLoaderTest, AFolderNamedDataTxtFailsToOpen) {
  std::filesystem::create_directory("data.txt");
  writeFile("data.txt/Ring_of_Dew", "tccRings");
  EXPECT_EQ(loadAsItIs(), kOpenFailed);
  EXPECT_EQ(totalCount(), 0);
  EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogUnopened);
}

// Paths are UTF-8 whatever the system's code page: a catalog in a folder
// named with spaces and letters beyond ASCII is found and read.
TEST_F(CatalogLoaderTest, ACatalogInAFolderOfAnyNameIsRead) {
  const std::string folder = "Tr\xC3\xA9sors de Zo\xC3\xAB";
  std::filesystem::create_directory(std::filesystem::u8path(folder));
  std::ofstream(std::filesystem::u8path(folder + "/data.txt"))
      << "<note> </note> Ring_of_Dew tccRings\n";
  ItemCatalog catalog;
  const LoadResult read = readCatalogFile(folder + "/data.txt", catalog);
  EXPECT_TRUE(read.problem.ok());
  EXPECT_EQ(read.filed, 1);
}

#ifndef _WIN32
// POSIX file modes; Windows has no mode that keeps a file from its owner.
TEST_F(CatalogLoaderTest, AnUnreadableFileFailsToOpen) {
  if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
  writeFile("data.txt", "<note> </note> Ring_of_Dew tccRings\n");
  ASSERT_EQ(chmod("data.txt", 0), 0);
  EXPECT_EQ(loadAsItIs(), kOpenFailed);
  EXPECT_EQ(totalCount(), 0);
  EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogUnopened);
}
#endif

TEST_F(CatalogLoaderTest, UnmatchedTagIsReportedWithTheRecordsTokens) {
  EXPECT_EQ(load("<note>\n</note>\nRing_of_Dew\ntccRing\n"),
            "\n Loading Data...\n"
            "[clear]\n The data.txt file is corrupt. A data type did not match\n\n"
            "  Data: Ring_of_Dew - tccRing\n\n [pause]");
  EXPECT_EQ(totalCount(), 0);
  EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogTagMismatch);
  EXPECT_EQ(result_.filed, 0);
  EXPECT_EQ(result_.badRecord, 1);
  EXPECT_EQ(result_.badName, "Ring_of_Dew");
  EXPECT_EQ(result_.badTag, "tccRing");
}

// A bad record's tokens reach the screen bounded, and no control character
// of them reaches it at all; the result keeps them whole.
TEST_F(CatalogLoaderTest, TheReportShowsABadRecordSafelyAndBounded) {
  const std::string kilobyte(1024, 'n');
  const std::string huge(30 << 20, 'h');
  const struct {
    std::string name, tag;
    std::string shownName, shownTag;
  } cases[] = {
      {kilobyte, "tccRing", kilobyte, "tccRing"},
      {kilobyte + "m", "tccRing", kilobyte + "...", "tccRing"},
      {huge, "tcc" + huge, std::string(1024, 'h') + "...", "tcc" + std::string(1021, 'h') + "..."},
      {"\x1b]0;PWNED\x07X", "\x1b]52;c;aGk=\x07", "?]0;PWNED?X", "?]52;c;aGk=?"},
      {"Csi\xc2\x9b"
       "2J",
       "\x7f\x01", "Csi?2J", "??"},
  };
  for (const auto& c : cases) {
    startOver();
    EXPECT_EQ(load("<note> </note>\n" + c.name + " " + c.tag + "\n"),
              kLoading + mismatchReport(c.shownName, c.shownTag))
        << c.shownName.substr(0, 20);
    EXPECT_EQ(result_.badName, c.name);
    EXPECT_EQ(result_.badTag, c.tag);
  }
}

TEST_F(CatalogLoaderTest, OnlyAnExactTagMatches) {
  const std::string nearMisses[] = {
      "tccweapons",
      "TCCWEAPONS",
      "TccWeapons",
      "tccWeapons.",  // a full stop glued on
      "tccWeaponsX",
      "xtccWeapons",
      "tccWeapon",  // a prefix of a real tag
      "tcc",
      "Weapons",
      "17",
      "tccArmorAndShield",
      "tccHouseholdItemsAndTool",
      "tccArmorandShields",
      std::string("tccWeapons\0", 11),
      kMark + "tccWeapons",
  };
  for (const std::string& tag : nearMisses) {
    startOver();
    EXPECT_EQ(load("<note> </note>\nSword_of_Dawn tccWeapons\nBlade " + tag + "\nAxe tccWeapons\n"),
              kLoading + mismatchReport("Blade", tag))
        << tag;
    EXPECT_EQ(names(kWeapons), (Names{"Sword_of_Dawn"})) << tag;
    EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogTagMismatch) << tag;
    EXPECT_EQ(result_.badTag, tag);
  }
}

TEST_F(CatalogLoaderTest, ItemsBeforeABadRecordStayAndNothingAfterItIsRead) {
  EXPECT_EQ(load("<note> </note>\nA tccRings\nB tccWands\nC bogus\nD tccRings\nE\n"),
            kLoading + mismatchReport("C", "bogus"));
  EXPECT_EQ(names(kRings), (Names{"A"}));
  EXPECT_EQ(names(kWands), (Names{"B"}));
  EXPECT_EQ(totalCount(), 2);
  EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogTagMismatch);
  EXPECT_EQ(result_.filed, 2);
  EXPECT_EQ(result_.badRecord, 3);
  EXPECT_EQ(result_.badName, "C");
  EXPECT_EQ(result_.badTag, "bogus");
}

TEST_F(CatalogLoaderTest, AFileWithoutANoteLosesItsFirstToken) {
  // The first record's name is taken as the header, so its tag becomes a
  // name and the next record's name a tag.
  EXPECT_EQ(load("Ring_of_Dew\ntccRings\nWand_of_Light\ntccWands\n"),
            kLoading + mismatchReport("tccRings", "Wand_of_Light"));
  EXPECT_EQ(totalCount(), 0);
  EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogTagMismatch);
  EXPECT_EQ(result_.badRecord, 1);
}

TEST_F(CatalogLoaderTest, AnyOtherFirstTokenIsAHeaderAndIsIgnored) {
  EXPECT_EQ(load("Catalog_of_Spring\nRing_of_Dew tccRings\n"), kLoading);
  EXPECT_EQ(names(kRings), (Names{"Ring_of_Dew"}));
  EXPECT_EQ(totalCount(), 1);
}

TEST_F(CatalogLoaderTest, ANameAtTheEndWithoutATagIsReportedWithAnEmptyTag) {
  for (const char* ending : {"", "\n", " \r\n\t"}) {
    startOver();
    EXPECT_EQ(load(std::string("<note> </note>\nRing_of_Dew tccRings\nLonely_Name") + ending),
              "\n Loading Data...\n"
              "[clear]\n The data.txt file is corrupt. A data type did not match\n\n"
              "  Data: Lonely_Name - \n\n [pause]");
    EXPECT_EQ(names(kRings), (Names{"Ring_of_Dew"}));
    EXPECT_EQ(totalCount(), 1);
    EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogMissingTag);
    EXPECT_EQ(result_.filed, 1);
    EXPECT_EQ(result_.badRecord, 2);
    EXPECT_EQ(result_.badName, "Lonely_Name");
    EXPECT_EQ(result_.badTag, "");
  }
}

TEST_F(CatalogLoaderTest, ANoteNeverClosedIsReportedAndFilesNothing) {
  const char* const contents[] = {
      "<note>",
      "<note>\n",
      "<note>\nThis note goes on\nRing_of_Dew tccRings\nWand_of_Light tccWands\n",
      "<note> ends</note> </note>here x</note>y Ring_of_Dew tccRings",
      "<note> <note> Ring_of_Dew tccRings",
  };
  for (const char* content : contents) {
    startOver();
    EXPECT_EQ(load(content),
              "\n Loading Data...\n"
              "[clear]\n The data.txt file is corrupt. The note is never closed\n\n [pause]")
        << content;
    EXPECT_EQ(totalCount(), 0) << content;
    EXPECT_EQ(result_.problem.kind, ProblemKind::kCatalogNoteNotClosed) << content;
    EXPECT_EQ(result_.filed, 0) << content;
  }
}

TEST_F(CatalogLoaderTest, ACloserGluedToTextDoesNotEndTheNote) {
  EXPECT_EQ(load("<note>\nsee</note> </note>also x</note>y </note>. ..</note>\n"
                 "Fake tccWands\n</note>\nRing_of_Dew tccRings\n"),
            kLoading);
  EXPECT_EQ(names(kRings), (Names{"Ring_of_Dew"}));
  EXPECT_EQ(totalCount(), 1);
}

TEST_F(CatalogLoaderTest, ASecondOpenerInsideANoteIsPlainText) {
  // The first "</note>" ends the note; the second is then a record's name.
  EXPECT_EQ(load("<note>\n<note>\ninner text\n</note>\n</note>\ntccRings\nWand tccWands\n"),
            kLoading);
  EXPECT_EQ(names(kRings), (Names{"</note>"}));
  EXPECT_EQ(names(kWands), (Names{"Wand"}));
  EXPECT_EQ(totalCount(), 2);
}

TEST_F(CatalogLoaderTest, ANameThatEqualsATagIsFiledUnderThatName) {
  EXPECT_EQ(load("<note> </note>\ntccWeapons\ntccRings\ntccRings\ntccWeapons\n"), kLoading);
  EXPECT_EQ(names(kRings), (Names{"tccWeapons"}));
  EXPECT_EQ(names(kWeapons), (Names{"tccRings"}));
  EXPECT_EQ(totalCount(), 2);
}

TEST_F(CatalogLoaderTest, TheLastRecordIsFiledOnceHoweverTheFileEnds) {
  for (const char* ending : {"", "\n", "\r\n", "   \t\n\n\n", "\f"}) {
    startOver();
    EXPECT_EQ(load(std::string("<note> </note>\nSword_of_Dawn\ntccWeapons") + ending), kLoading)
        << int{ending[0]};
    EXPECT_EQ(names(kWeapons), (Names{"Sword_of_Dawn"})) << int{ending[0]};
    EXPECT_EQ(totalCount(), 1);
    EXPECT_EQ(result_.problem.kind, ProblemKind::kNone);
  }
}

TEST_F(CatalogLoaderTest, AByteOrderMarkAtTheStartIsSkipped) {
  EXPECT_EQ(load(kMark + "<note>\nA note after the mark.\n</note>\nRing_of_Dew\ntccRings\n"),
            kLoading);
  EXPECT_EQ(names(kRings), (Names{"Ring_of_Dew"}));
  EXPECT_EQ(totalCount(), 1);
}

TEST_F(CatalogLoaderTest, AByteOrderMarkAnywhereElseIsText) {
  // After a blank the mark is glued to "<note>", so the note is not
  // recognised and its text is read as records.
  EXPECT_EQ(load(" " + kMark + "<note>\nfree text\n</note>\nRing_of_Dew\ntccRings\n"),
            kLoading + mismatchReport("free", "text"));
  EXPECT_EQ(totalCount(), 0);

  startOver();
  EXPECT_EQ(load("<note> </note>\n" + kMark + "Ring_of_Dew tccRings\n"), kLoading);
  EXPECT_EQ(names(kRings), (Names{kMark + "Ring_of_Dew"}));
}

TEST_F(CatalogLoaderTest, NamesKeepTheirBytes) {
  const std::string withNul("Odd\0Name", 8);
  const std::string invalidUtf8 = "\xFF\xFE\xC3(";
  EXPECT_EQ(load("<note> </note>\n" + withNul + " tccRings\n" + invalidUtf8 +
                 " tccWands\nSilver_Hand_Mirror tccHouseholdItemsAndTools\n"),
            kLoading);
  EXPECT_EQ(names(kRings), (Names{withNul}));
  EXPECT_EQ(names(kWands), (Names{invalidUtf8}));
  EXPECT_EQ(names(kHousehold), (Names{"Silver_Hand_Mirror"}));
}

TEST_F(CatalogLoaderTest, ReadsALargeFileWhole) {
  const char* const tags[3] = {"tccRings", "tccWands", "tccWeapons"};
  const int codes[3] = {kRings, kWands, kWeapons};
  std::string content = "<note>\n";
  for (int i = 0; i < 20000; ++i) content += "note_word_" + std::to_string(i) + "\n";
  content += "</note>\n";
  const int records = 60000;
  for (int i = 0; i < records; ++i) {
    content += "Item_" + std::to_string(i) + "\n" + tags[i % 3] + "\n";
  }
  ASSERT_GT(content.size(), 3u << 16);

  EXPECT_EQ(load(content), kLoading);
  EXPECT_EQ(result_.filed, records);
  EXPECT_EQ(totalCount(), records);
  for (int k = 0; k < 3; ++k) {
    const Names filed = names(codes[k]);
    ASSERT_EQ(filed.size(), static_cast<std::size_t>(records / 3));
    for (std::size_t j = 0; j < filed.size(); ++j) {
      ASSERT_EQ(filed[j], "Item_" + std::to_string(3 * j + k));
    }
  }
}

TEST_F(CatalogLoaderTest, TokensAtTheEdgeOfAReadBlockAreFiledWhole) {
  // The file is read in blocks of 64 KiB. A filler token in the note puts
  // the first record's name or tag so that it ends just before, at or just
  // after the end of the first block, or starts the second.
  const std::size_t kBlock = std::size_t{1} << 16;
  const std::string name = "Edge_of_the_Block";
  const std::string tag = "tccRings";
  const struct {
    const char* what;
    std::size_t end;  // where the placed token ends, counted from the file's start
    bool placeTheTag;
  } cases[] = {
      {"name ends a byte before the block", kBlock - 1, false},
      {"name ends with the block", kBlock, false},
      {"name ends a byte into the next block", kBlock + 1, false},
      {"name starts the next block", kBlock + name.size(), false},
      {"tag ends a byte before the block", kBlock - 1, true},
      {"tag ends with the block", kBlock, true},
      {"tag ends a byte into the next block", kBlock + 1, true},
      {"tag starts the next block", kBlock + tag.size(), true},
  };
  for (const auto& c : cases) {
    startOver();
    const std::size_t before = c.end - name.size() - (c.placeTheTag ? 1 + tag.size() : 0);
    std::string content = "<note> ";
    content += std::string(before - content.size() - std::string(" </note>\n").size(), 'f');
    content += " </note>\n";
    ASSERT_EQ(content.size(), before) << c.what;
    content += name + "\n" + tag + "\nLast_Wand tccWands";
    EXPECT_EQ(load(content), kLoading) << c.what;
    EXPECT_EQ(names(kRings), (Names{name})) << c.what;
    EXPECT_EQ(names(kWands), (Names{"Last_Wand"})) << c.what;
    EXPECT_EQ(totalCount(), 2) << c.what;
  }
}

TEST_F(CatalogLoaderTest, ATokenLongerThan64MiBIsReportedWithItsStart) {
  // The long token is 100 letters and then zero bytes up to its length: the
  // file is made that long without writing the zeros, so it takes little
  // disk. Whatever follows the token is written after it.
  const std::size_t kMax = std::size_t{64} << 20;
  const std::string letters(100, 'L');
  const std::string shown = std::string(60, 'L') + "...";
  const ProblemKind kTooLong = ProblemKind::kCatalogTokenTooLong;
  const ProblemKind kLoaded = ProblemKind::kNone;
  const struct {
    const char* what;
    std::string before;
    std::size_t length;
    std::string after;
    ProblemKind status;
    std::int64_t record;
    Names rings;
  } cases[] = {
      {"the header", "", kMax + 1, " </note> A tccRings", kTooLong, 0, {}},
      {"a note's word", "<note> ", kMax + 1, " </note> A tccRings", kTooLong, 0, {}},
      {"a name",
       "<note> </note> A tccRings B tccRings ",
       kMax + 1,
       " tccRings",
       kTooLong,
       3,
       {"A", "B"}},
      {"a tag", "<note> </note> A tccRings B ", kMax + 1, "\nC tccRings", kTooLong, 2, {"A"}},
      {"a name of 64 MiB and a block",
       "<note> </note> A tccRings ",
       kMax + (1 << 16),
       " tccRings",
       kTooLong,
       2,
       {"A"}},
      {"a name of exactly 64 MiB",
       "<note> </note> A tccRings ",
       kMax,
       " tccRings",
       kLoaded,
       0,
       {"A", "*"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    startOver();
    writeFile("data.txt", c.before + letters);
    std::filesystem::resize_file("data.txt", c.before.size() + c.length);
    {
      std::ofstream append("data.txt", std::ios::binary | std::ios::app);
      append << c.after;
    }
    const std::string screen = loadAsItIs();
    EXPECT_EQ(result_.problem.kind, c.status);
    EXPECT_EQ(result_.badRecord, c.record);
    EXPECT_EQ(result_.filed, static_cast<std::int64_t>(c.rings.size()));
    Names rings = names(kRings);
    if (c.status == kLoaded) {
      EXPECT_EQ(screen, kLoading);
      ASSERT_EQ(rings.size(), 2u);
      EXPECT_EQ(rings[1].size(), kMax);
      EXPECT_EQ(rings[1].compare(0, letters.size(), letters), 0);
      rings[1] = "*";
    } else {
      EXPECT_EQ(screen, kLoading +
                            "[clear]\n The data.txt file is corrupt. A token is too "
                            "long\n\n  Data: " +
                            shown + "\n\n [pause]");
      EXPECT_EQ(result_.tooLongStart, std::string(60, 'L'));
    }
    EXPECT_EQ(rings, c.rings);
    EXPECT_EQ(totalCount(), static_cast<int>(c.rings.size()));
  }
}

}  // namespace
}  // namespace glimmerkist
