// The rotor catalogue reader, the load step's handling of a bad catalogue and
// the catalogue shipped with the program.
#include "Catalogue.h"
#include "EngineRig.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kestrix {
namespace {

using testing::Rig;

struct GoodCase {
    const char* name;
    const char* text;
    std::vector<std::string> names;
};

TEST(Catalogue, ReadsTheFormatsWrittenByHandAndByTools) {
    const GoodCase cases[] = {
        {"quoted names, CRLF",
         "100,\"RW10-100\",0.55\r\n200,\"RW10-200\",0.55\r\n",
         {"RW10-100", "RW10-200"}},
        {"unquoted names, LF", "100,RW10-100,0.55\n200,RW10-200,0.55\n", {"RW10-100", "RW10-200"}},
        {"no final line end", "100,RW10-100,0.55\n200,\"RW10-200\",0.55", {"RW10-100", "RW10-200"}},
        {"blank trailing lines", "100,RW10-100,0.55\n\n\r\n  \n", {"RW10-100"}},
        {"spaces around values", " 100 , \"RW 10\" , 0.55 \n", {"RW 10"}},
        {"a quoted name holding a comma", "100,\"RW10, special\",0.55\n", {"RW10, special"}},
        {"a record over two lines", "100,RW10-100\n0.55\n", {"RW10-100"}},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "100,RW10-100,0.55\n",
         {"RW10-100"}},
    };
    for (const GoodCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CatalogueReading r = ParseCatalogue(c.text);
        EXPECT_EQ(r.error, "");
        ASSERT_EQ(r.rows.size(), c.names.size());
        for (std::size_t i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(r.rows[i].name, c.names[i]);
        EXPECT_DOUBLE_EQ(r.rows[0].depth, 100);
        EXPECT_DOUBLE_EQ(r.rows[0].area, 0.55);
    }
}

struct BadCase {
    const char* name;
    std::string text;
    const char* error; // the start of the message
};

TEST(Catalogue, RefusesWhatCannotBeARotorTableAndSaysWhere) {
    std::string fiftyOne;
    for (int i = 1; i <= 51; ++i)
        fiftyOne += "100,RW" + std::to_string(i) + "," + std::to_string(i) + "\n";
    const BadCase cases[] = {
        {"empty file", "", "the catalogue holds no rotor models"},
        {"only blank lines", "\n\r\n\n", "the catalogue holds no rotor models"},
        {"more than 50 records", fiftyOne, "line 51: more than 50 rotor models"},
        {"last record cut short", "100,RW10,0.55\n200,RW12\n",
         "line 2: the record has fewer than three values"},
        {"depth not a number", "100,RW10,0.55\nabc,RW12,0.8\n", "line 2: the depth \"abc\""},
        {"area not a number", "100,RW10,0.5x\n", "line 1: the face area \"0.5x\" of model RW10"},
        {"zero face area", "100,RW10,0\n", "line 1: the face area of model RW10 must be greater"},
        {"negative face area", "100,RW10,-2\n", "line 1: the face area of model RW10 must be"},
        {"empty name", "100,,0.55\n", "line 1: a model name is empty"},
        {"unclosed quote", "100,\"RW10,0.55\n", "line 1: a name in double quotes has no closing"},
        {"grouped number", "100,RW10,\"1,200\"\n", "line 1: the face area \"1,200\""},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CatalogueReading r = ParseCatalogue(c.text);
        EXPECT_EQ(r.error.rfind(c.error, 0), 0u) << r.error;
        EXPECT_TRUE(r.rows.empty());
    }
}

TEST(Catalogue, FiftyRecordsFit) {
    std::string text;
    for (int i = 1; i <= 50; ++i)
        text += "100,RW" + std::to_string(i) + "," + std::to_string(i) + "\n";
    EXPECT_EQ(ParseCatalogue(text).rows.size(), 50u);
}

TEST(Catalogue, LoadFillsRowsFromOneAndLeavesRowZeroEmpty) {
    std::vector<testing::Model> models;
    for (int i = 1; i <= 12; ++i)
        models.push_back({"RW" + std::to_string(i), i % 2 ? 100 : 200, i * 1.5});
    Rig rig;
    ASSERT_TRUE(rig.Form().LoadCatalogue(testing::CatalogueDir(testing::CatalogueText(models))));
    const DesignCase& c = rig.Case();
    EXPECT_EQ(c.RowCount, 12);
    EXPECT_EQ(c.CatName[0], "");
    EXPECT_EQ(c.CatArea[0], 0);
    EXPECT_EQ(c.CatName[1], "RW1");
    EXPECT_DOUBLE_EQ(c.CatDepth[12], 200);
    EXPECT_DOUBLE_EQ(c.CatArea[12], 18);
    EXPECT_EQ(c.CatName[13], "");
}

TEST(Catalogue, LoadStepStopsWithAMessageNamingTheFileAndTheLine) {
    struct Case {
        const char* name;
        bool writeFile;
        const char* content;
        const char* expected;
    };
    const Case cases[] = {
        {"missing file", false, "", "the file cannot be opened"},
        {"bad record", true, "100,RW10,0.55\n200,RW12,wide\n", "line 2: the face area \"wide\""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Rig rig;
        std::string dir = testing::CatalogueDir(k.content);
        if (!k.writeFile)
            dir += "/nowhere";
        EXPECT_FALSE(rig.Form().Form_Load({}, dir));
        ASSERT_EQ(rig.Port().Messages().size(), 1u);
        const MessageRecord& m = rig.Port().Messages()[0];
        EXPECT_EQ(m.title, "Error");
        EXPECT_NE(m.text.find(dir + "/qvdcmd121.dta"), std::string::npos) << m.text;
        EXPECT_NE(m.text.find(k.expected), std::string::npos) << m.text;
        // No run happened: no model, no results.
        EXPECT_EQ(rig.Case().ModelName, "");
        EXPECT_EQ(rig.Case().Tsa, 0);
    }
}

TEST(Catalogue, ShippedCatalogueSuitsAutomaticSizing) {
    std::ifstream in(KESTRIX_SHIPPED_CATALOGUE, std::ios::binary);
    ASSERT_TRUE(in) << KESTRIX_SHIPPED_CATALOGUE;
    std::ostringstream text;
    text << in.rdbuf();
    const CatalogueReading r = ParseCatalogue(text.str());
    ASSERT_EQ(r.error, "");
    ASSERT_GE(r.rows.size(), 2u);
    ASSERT_LE(r.rows.size(), 50u);
    bool twoSquareFeet = false;
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        SCOPED_TRACE(r.rows[i].name);
        EXPECT_TRUE(r.rows[i].depth == 100 || r.rows[i].depth == 200);
        EXPECT_EQ(r.rows[i].name, "RW" + r.rows[i].name.substr(2, r.rows[i].name.find('-') - 2) +
                                      "-" + std::to_string(static_cast<int>(r.rows[i].depth)));
        twoSquareFeet = twoSquareFeet || r.rows[i].area == 2.0;
        if (i > 0) {
            // Increasing face area, no gap wider than a factor of 2, so every
            // supply volume the catalogue can carry finds a model at 400..800 fpm.
            EXPECT_GE(r.rows[i].area, r.rows[i - 1].area);
            EXPECT_LE(r.rows[i].area, 2 * r.rows[i - 1].area);
        }
    }
    EXPECT_TRUE(twoSquareFeet);
    EXPECT_LE(r.rows.front().area, 0.6);
    EXPECT_GE(r.rows.back().area, 90);
}

} // namespace
} // namespace kestrix
