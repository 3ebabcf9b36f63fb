// The catalogue reader and the load step's catalogue loading.
#include "Catalogue.h"

#include "DesignCase.h"
#include "RotorForm.h"
#include "Texts.h"

#include <common/NumberText.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace kestrix {

namespace {

struct Token {
    std::string text;
    int line = 1;
    bool quoted = false;
};

// Splits the text into values: a value ends at a comma or a line end; spaces
// around a value are not part of it; a quoted value runs to its closing quote.
// Blank lines separate nothing and hold no value.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    // Next value, or nothing at the end of the text. Sets error_ on a quote
    // that is never closed.
    std::optional<Token> Next() {
        SkipBlanksAndLineEnds();
        if (pos_ >= text_.size())
            return std::nullopt;
        Token token;
        token.line = line_;
        if (text_[pos_] == '"') {
            token.quoted = true;
            const std::size_t close = text_.find('"', pos_ + 1);
            if (close == std::string_view::npos) {
                error_ = "a name in double quotes has no closing quote";
                errorLine_ = line_;
                pos_ = text_.size();
                return std::nullopt;
            }
            token.text = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
            for (char c : token.text)
                if (c == '\n')
                    ++line_;
            pos_ = close + 1;
            // Anything between the closing quote and the separator is ignored.
            while (pos_ < text_.size() && !IsSeparator(text_[pos_]))
                ++pos_;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && !IsSeparator(text_[pos_]))
                ++pos_;
            token.text = Trim(text_.substr(start, pos_ - start));
        }
        SkipSpaces();
        if (pos_ < text_.size() && text_[pos_] == ',')
            ++pos_;
        return token;
    }

    const std::string& Error() const { return error_; }
    int ErrorLine() const { return errorLine_; }
    int Line() const { return line_; }

private:
    static bool IsSeparator(char c) { return c == ',' || c == '\n' || c == '\r'; }
    static bool IsSpace(char c) { return c == ' ' || c == '\t'; }
    static std::string Trim(std::string_view s) {
        while (!s.empty() && IsSpace(s.front()))
            s.remove_prefix(1);
        while (!s.empty() && IsSpace(s.back()))
            s.remove_suffix(1);
        return std::string(s);
    }
    void SkipSpaces() {
        while (pos_ < text_.size() && IsSpace(text_[pos_]))
            ++pos_;
    }
    void SkipBlanksAndLineEnds() {
        for (;;) {
            SkipSpaces();
            if (pos_ >= text_.size())
                return;
            if (text_[pos_] == '\r') {
                ++pos_;
                if (pos_ < text_.size() && text_[pos_] == '\n')
                    ++pos_;
                ++line_;
            } else if (text_[pos_] == '\n') {
                ++pos_;
                ++line_;
            } else {
                return;
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::string error_;
    int errorLine_ = 0;
};

std::string LinePrefix(int line) {
    return "line " + std::to_string(line) + ": ";
}

std::optional<double> PlainNumber(const std::string& text) {
    // Plain decimal notation: "." as the point, no digit grouping.
    return common::ParseNumberText(text, ".", "");
}

} // namespace

CatalogueReading ParseCatalogue(std::string_view text) {
    CatalogueReading out;
    // A byte-order mark some editors write is not part of the first value.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    Tokenizer tokens(text);
    const auto fail = [&out](int line, const std::string& what) {
        out.rows.clear();
        out.error = LinePrefix(line) + what;
        return out;
    };
    for (;;) {
        std::optional<Token> depth = tokens.Next();
        if (!depth)
            break;
        if (static_cast<int>(out.rows.size()) == kCatalogueCapacity)
            return fail(depth->line, "more than " + std::to_string(kCatalogueCapacity) +
                                         " rotor models; the catalogue holds at most " +
                                         std::to_string(kCatalogueCapacity));
        std::optional<Token> name = tokens.Next();
        std::optional<Token> area = name ? tokens.Next() : std::nullopt;
        if (!tokens.Error().empty())
            return fail(tokens.ErrorLine(), tokens.Error());
        if (!name || !area)
            return fail(depth->line, "the record has fewer than three values (depth, name, "
                                     "face area)");
        CatalogueRow row;
        const std::optional<double> d = PlainNumber(depth->text);
        if (!d)
            return fail(depth->line, "the depth \"" + depth->text +
                                         "\" is not a number (a record is depth in "
                                         "mm, model name, face area in ft²)");
        const std::optional<double> a = PlainNumber(area->text);
        if (!a)
            return fail(area->line, "the face area \"" + area->text + "\" of model " + name->text +
                                        " is not a number");
        if (!(*a > 0))
            return fail(area->line,
                        "the face area of model " + name->text + " must be greater than zero");
        if (name->text.empty())
            return fail(name->line, "a model name is empty");
        row.depth = *d;
        row.name = name->text;
        row.area = *a;
        out.rows.push_back(std::move(row));
    }
    if (!tokens.Error().empty())
        return fail(tokens.ErrorLine(), tokens.Error());
    if (out.rows.empty())
        out.error = "the catalogue holds no rotor models";
    return out;
}

bool RotorForm::LoadCatalogue(const std::string& catalogueDir) {
    const std::string path =
        CatalogueFile.empty() ? catalogueDir + "/" + kCatalogueFileName : CatalogueFile;
    const auto report = [&](const std::string& what) {
        port_.MessageBox(text::kErrorTitle, "Rotor catalogue " + path + ": " + what,
                         MessageIcon::Critical);
        return false;
    };
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return report("the file cannot be opened; the program needs it to select a rotor.");
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return report("the file cannot be read.");
    const CatalogueReading reading = ParseCatalogue(content.str());
    if (!reading.error.empty())
        return report(reading.error + ".");

    DesignCase& c = case_;
    c.CatDepth.fill(0);
    c.CatArea.fill(0);
    c.CatName.fill(std::string());
    for (std::size_t i = 0; i < reading.rows.size(); ++i) {
        c.CatDepth[i + 1] = reading.rows[i].depth;
        c.CatName[i + 1] = reading.rows[i].name;
        c.CatArea[i + 1] = reading.rows[i].area;
    }
    c.RowCount = static_cast<std::int16_t>(reading.rows.size());
    return true;
}

} // namespace kestrix
