// The project record: its exact text, what the reader accepts and refuses,
// and a save that never destroys a good file.
#include "engine/ProjectFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include <sys/stat.h>
#include <unistd.h>

namespace kestrix {
namespace {

namespace fs = std::filesystem;

ProjectRecord StartupRecord() {
    ProjectRecord r;
    r.Title = "Level 2 office";
    r.Vsa = 600;
    r.Toa = 50;
    r.Woa = 51.8;
    r.Vra = 600;
    r.Tra = 75;
    r.Wra = 65;
    r.Elev = 0;
    r.Depth = 200;
    r.SavedModel = "RW48-100";
    return r;
}

const char* const kStartupText =
    "\"Level 2 office\",600,50,51.8,600,75,65,0,200,\"RW48-100\",#FALSE#,#FALSE#\r\n";

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder per test, removed afterwards.
class ProjectFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "kestrix-pjt-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir = name;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    // Names of the files in the folder, to see that no temporary file stays.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir;
};

TEST(ProjectText, WritesTheRecordExactlyWithDotDecimalsAndCrLf) {
    EXPECT_EQ(WriteProjectText(StartupRecord()), kStartupText);

    ProjectRecord r = StartupRecord();
    r.Title = "A, B, and C";
    r.Woa = 0.5;
    r.Elev = -12.25;
    r.Vsa = 1234567.125;
    r.SIUnits = true;
    EXPECT_EQ(WriteProjectText(r), "\"A, B, and C\",1234567.125,50,0.5,600,75,65,-12.25,200,"
                                   "\"RW48-100\",#TRUE#,#FALSE#\r\n");
}

TEST(ProjectText, RoundTripsEveryValueExactly) {
    struct Row {
        const char* name;
        ProjectRecord record;
    };
    std::vector<Row> rows;
    rows.push_back({"start-up inputs", StartupRecord()});
    {
        ProjectRecord r = StartupRecord();
        r.Title = "Hall 3, west wing, level 2";
        rows.push_back({"title with commas", r});
    }
    {
        ProjectRecord r = StartupRecord();
        r.Title = "";
        r.SavedModel = "";
        rows.push_back({"empty texts", r});
    }
    {
        ProjectRecord r = StartupRecord();
        r.Title = "Bâtiment Nord – 3°C 'cold' room";
        rows.push_back({"non-ASCII title and single quotes", r});
    }
    {
        ProjectRecord r = StartupRecord();
        r.Toa = 10.0 * 1.8 + 32 + 1e-13;
        r.Woa = 7.0 * 7.0;
        r.Vsa = 1699 / 1.699;
        r.Vra = 0.1 + 0.2;
        r.Elev = 305 / 0.3048;
        r.Wra = 1e-7;
        r.SIUnits = true;
        r.AcfmUnits = true;
        rows.push_back({"SI entries converted to inch-pound, both flags", r});
    }
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto back = ReadProjectText(WriteProjectText(row.record));
        ASSERT_TRUE(std::holds_alternative<ProjectRecord>(back)) << std::get<std::string>(back);
        EXPECT_EQ(std::get<ProjectRecord>(back), row.record);
    }
}

TEST(ProjectText, ReadsTheFormsOtherWritersUse) {
    struct Row {
        const char* name;
        const char* text;
    };
    const Row rows[] = {
        {"as written", kStartupText},
        {"no final line end",
         "\"Level 2 office\",600,50,51.8,600,75,65,0,200,\"RW48-100\",#FALSE#,#FALSE#"},
        {"spaces around fields", "  \"Level 2 office\" , 600 ,50,\t51.8,600 ,75,65,0,200, "
                                 "\"RW48-100\" ,#FALSE#, #FALSE#  \r\n"},
        {"line ends between fields",
         "\"Level 2 office\"\r\n600,50,51.8\n600,75,65\r0,200,\"RW48-100\",#FALSE#,#FALSE#\n"},
        {"values without a leading zero and with exponents",
         "\"Level 2 office\",6E2,50.0,51.80,600,7.5e1,65,.0,200,\"RW48-100\",#FALSE#,#FALSE#\r\n"},
        {"Booleans in lower case",
         "\"Level 2 office\",600,50,51.8,600,75,65,0,200,\"RW48-100\",#false#,#False#\r\n"},
        {"unquoted texts",
         "Level 2 office,600,50,51.8,600,75,65,0,200,RW48-100,#FALSE#,#FALSE#\r\n"},
        {"text after the twelfth field ignored",
         "\"Level 2 "
         "office\",600,50,51.8,600,75,65,0,200,\"RW48-100\",#FALSE#,#FALSE#,\"extra\",9\r\n"
         "second line\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto back = ReadProjectText(row.text);
        ASSERT_TRUE(std::holds_alternative<ProjectRecord>(back)) << std::get<std::string>(back);
        EXPECT_EQ(std::get<ProjectRecord>(back), StartupRecord());
    }

    const auto negative =
        ReadProjectText("\"t\",600,-.5,51.8,600,75,65,-1.5,100,\"m\",#TRUE#,#TRUE#");
    ASSERT_TRUE(std::holds_alternative<ProjectRecord>(negative));
    EXPECT_EQ(std::get<ProjectRecord>(negative).Toa, -0.5);
    EXPECT_EQ(std::get<ProjectRecord>(negative).Elev, -1.5);
    EXPECT_TRUE(std::get<ProjectRecord>(negative).SIUnits);
    EXPECT_TRUE(std::get<ProjectRecord>(negative).AcfmUnits);

    // A title from an older file in a Western single-byte code page.
    const auto latin1 =
        ReadProjectText("\"Caf\xE9 3\xB0\",600,50,51.8,600,75,65,0,200,\"m\",#FALSE#,#FALSE#");
    ASSERT_TRUE(std::holds_alternative<ProjectRecord>(latin1));
    EXPECT_EQ(std::get<ProjectRecord>(latin1).Title, "Caf\xC3\xA9 3\xC2\xB0");
}

TEST(ProjectText, RefusesWhatIsNotARecordAndSaysWhy) {
    struct Row {
        const char* name;
        std::string text;
        const char* says;
    };
    const std::string good = kStartupText;
    std::string garbage;
    for (int i = 0; i < 300; ++i)
        garbage.push_back(static_cast<char>((i * 97 + 13) % 256));
    const Row rows[] = {
        {"empty file", "", "the file is empty"},
        {"blanks only", "   \t ", "the file is empty"},
        {"too few fields", "\"Level 2 office\",600,50", "ends after 3 of the 12 fields"},
        {"record cut after eleven fields", good.substr(0, good.size() - 10),
         "ends after 11 of the 12 fields"},
        {"a word for a number", "\"t\",600,fifty,51.8,600,75,65,0,200,\"m\",#FALSE#,#FALSE#",
         "field 3 (the off-coil air temperature) should be a number but holds \"fifty\""},
        {"an empty number", "\"t\",600,50,,600,75,65,0,200,\"m\",#FALSE#,#FALSE#",
         "field 4 (the off-coil air moisture) should be a number but holds \"\""},
        {"junk glued to a Boolean", "\"t\",600,50,51.8,600,75,65,0,200,\"m\",#FALSE#,#FALSE#x",
         "field 12 (the air flow units choice) should be #TRUE# or #FALSE#"},
        {"a comma decimal shifts the fields",
         "\"t\",600,50,51,8,600,75,65,0,200,\"m\",#FALSE#,#FALSE#",
         "field 11 (the main units choice) should be #TRUE# or #FALSE# but holds \"m\""},
        {"a Boolean as a word", "\"t\",600,50,51.8,600,75,65,0,200,\"m\",True,#FALSE#",
         "field 11 (the main units choice) should be #TRUE# or #FALSE# but holds \"True\""},
        {"zero supply volume", "\"t\",0,50,51.8,600,75,65,0,200,\"m\",#FALSE#,#FALSE#",
         "field 2 (the supply air volume) must be greater than zero"},
        {"negative return volume", "\"t\",600,50,51.8,-600,75,65,0,200,\"m\",#FALSE#,#FALSE#",
         "field 5 (the return/mixed air volume) must be greater than zero"},
        {"fractional depth", "\"t\",600,50,51.8,600,75,65,0,200.5,\"m\",#FALSE#,#FALSE#",
         "field 9 (the rotor depth) should be a whole number"},
        {"depth beyond an Integer", "\"t\",600,50,51.8,600,75,65,0,40000,\"m\",#FALSE#,#FALSE#",
         "field 9 (the rotor depth) should be a whole number"},
        {"a number too large for a double",
         "\"t\",600,50,51.8,600,75,65,1e999,200,\"m\",#FALSE#,#FALSE#",
         "field 8 (the elevation) should be a number"},
        {"unterminated title",
         "\"Level 2 office,600,50,51.8,600,75,65,0,200,RW48-100,#FALSE#,#FALSE#",
         "field 1 (the project title) has no closing double quote"},
        {"a quote inside the title",
         "\"Level \"2\" office\",600,50,51.8,600,75,65,0,200,\"m\",#FALSE#,#FALSE#",
         "field 1 (the project title) has text after its closing double quote"},
        {"control characters in the title",
         std::string("\"a\x01\x02\",600,50,51.8,600,75,65,0,200,\"m\",#FALSE#,#FALSE#"),
         "field 1 (the project title) holds control characters"},
        {"binary garbage", garbage, "field"},
        {"a spreadsheet saved as .pjt", "Supply,Off-coil T\r\n600,50\r\n",
         "ends after 4 of the 12"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto back = ReadProjectText(row.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(back));
        const std::string& message = std::get<std::string>(back);
        EXPECT_NE(message.find(row.says), std::string::npos) << message;
        // The message is plain printable text, whatever the file held.
        for (char c : message)
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 &&
                        static_cast<unsigned char>(c) < 0x7F)
                << message;
    }
}

TEST(ProjectTitle, RefusesWhatTheFileCannotCarry) {
    EXPECT_FALSE(TitleProblem("Level 2, west wing (it's cold)"));
    EXPECT_FALSE(TitleProblem(""));
    EXPECT_EQ(TitleProblem("The \"big\" hall"), std::string(text::kTitleHasQuote));
    EXPECT_EQ(TitleProblem("two\nlines"), std::string(text::kTitleHasControl));
    EXPECT_EQ(TitleProblem("a\ttab"), std::string(text::kTitleHasControl));
}

TEST(ProjectRecordOfCase, CarriesTheTwelveFieldsAndOpenSetsTheModel) {
    DesignCase dc;
    dc.Title = "t";
    dc.Vsa = 700;
    dc.Depth = 100;
    dc.ModelName = "RW60-100";
    dc.SavedModel = "RW48-200";
    dc.SIUnits = true;
    const ProjectRecord r = RecordFromCase(dc);
    EXPECT_EQ(r.Vsa, 700);
    EXPECT_EQ(r.SavedModel, "RW48-200");
    EXPECT_TRUE(r.SIUnits);

    DesignCase other;
    other.Tsa = 55; // a result, not part of the record
    StoreRecord(r, other);
    EXPECT_EQ(RecordFromCase(other), r);
    EXPECT_EQ(other.ModelName, "RW48-200");
    EXPECT_EQ(other.Tsa, 55);
}

TEST(ProjectFileName, AppendsTheExtensionOnlyWhenThereIsNone) {
    const std::pair<const char*, const char*> rows[] = {
        {"/home/ann/office", "/home/ann/office.pjt"},
        {"/home/ann/office.", "/home/ann/office.pjt"},
        {"/home/ann/office.pjt", "/home/ann/office.pjt"},
        {"/home/ann/office.PJT", "/home/ann/office.PJT"},
        {"/home/ann/office.txt", "/home/ann/office.txt"},
        {"/home/ann.v2/office", "/home/ann.v2/office.pjt"},
        {"office", "office.pjt"},
        {"/home/ann/.hidden", "/home/ann/.hidden.pjt"},
    };
    for (const auto& [given, expected] : rows)
        EXPECT_EQ(WithProjectExtension(given), expected) << given;
}

TEST_F(ProjectFolder, SavesTheRecordAndOpensItBack) {
    const fs::path file = dir / "office.pjt";
    ASSERT_FALSE(SaveProjectFile(file.string(), StartupRecord()));
    EXPECT_EQ(ReadAll(file), kStartupText);
    EXPECT_EQ(Files(), std::vector<std::string>{"office.pjt"});

    const auto back = OpenProjectFile(file.string());
    ASSERT_TRUE(std::holds_alternative<ProjectRecord>(back)) << std::get<std::string>(back);
    EXPECT_EQ(std::get<ProjectRecord>(back), StartupRecord());

    // Saving again replaces the file and keeps its permissions.
    ::chmod(file.c_str(), 0640);
    ProjectRecord changed = StartupRecord();
    changed.Title = "Level 3";
    ASSERT_FALSE(SaveProjectFile(file.string(), changed));
    EXPECT_EQ(std::get<ProjectRecord>(OpenProjectFile(file.string())).Title, "Level 3");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Files(), std::vector<std::string>{"office.pjt"});
}

TEST_F(ProjectFolder, AFailedSaveLeavesTheExistingFileAndSaysWhy) {
    const fs::path file = dir / "office.pjt";
    WriteAll(file, kStartupText);

    // A title the format cannot carry: refused before anything is written.
    ProjectRecord quoted = StartupRecord();
    quoted.Title = "The \"big\" hall";
    auto error = SaveProjectFile(file.string(), quoted);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(file.string()), std::string::npos) << *error;
    EXPECT_EQ(ReadAll(file), kStartupText);

    // A model name with a quote would read back differently.
    ProjectRecord model = StartupRecord();
    model.SavedModel = "RW\"48";
    EXPECT_TRUE(SaveProjectFile(file.string(), model));
    EXPECT_EQ(ReadAll(file), kStartupText);

    // Results that are not numbers are never written.
    ProjectRecord nan = StartupRecord();
    nan.Toa = std::nan("");
    EXPECT_TRUE(SaveProjectFile(file.string(), nan));
    EXPECT_EQ(ReadAll(file), kStartupText);

    // A folder that does not exist, and a folder in place of the file.
    error = SaveProjectFile((dir / "missing" / "office.pjt").string(), StartupRecord());
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("No such file or directory"), std::string::npos) << *error;
    fs::create_directory(dir / "folder.pjt");
    error = SaveProjectFile((dir / "folder.pjt").string(), StartupRecord());
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("it is a folder"), std::string::npos) << *error;
    EXPECT_EQ(Files(), (std::vector<std::string>{"folder.pjt", "office.pjt"}));
}

TEST_F(ProjectFolder, SaveInAReadOnlyFolderKeepsTheFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write into any folder";
    const fs::path file = dir / "office.pjt";
    WriteAll(file, kStartupText);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    ProjectRecord changed = StartupRecord();
    changed.Title = "Level 3";
    const auto error = SaveProjectFile(file.string(), changed);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("Permission denied"), std::string::npos) << *error;
    EXPECT_NE(error->find(file.string()), std::string::npos) << *error;
    EXPECT_EQ(ReadAll(file), kStartupText);
}

TEST_F(ProjectFolder, OpenRefusesFilesThatCannotBeProjects) {
    struct Row {
        const char* name;
        fs::path path;
        const char* says;
    };
    WriteAll(dir / "empty.pjt", "");
    WriteAll(dir / "huge.pjt", std::string(kStartupText) + std::string(kMaxProjectFileBytes, ' '));
    fs::create_directory(dir / "folder.pjt");
    const Row rows[] = {
        {"missing file", dir / "missing.pjt", "No such file or directory"},
        {"empty file", dir / "empty.pjt", "the file is empty"},
        {"huge file", dir / "huge.pjt", "far larger than any project file"},
        {"a folder", dir / "folder.pjt", "it is a folder"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto back = OpenProjectFile(row.path.string());
        ASSERT_TRUE(std::holds_alternative<std::string>(back));
        const std::string& message = std::get<std::string>(back);
        EXPECT_NE(message.find(row.says), std::string::npos) << message;
        EXPECT_NE(message.find(row.path.string()), std::string::npos) << message;
    }
}

} // namespace
} // namespace kestrix
