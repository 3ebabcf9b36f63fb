// Reading and writing the twelve-field project record; see ProjectFile.h.
#include "ProjectFile.h"

#include "RotorForm.h"
#include "common/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrix {

namespace {

// What each field holds, in the words a message uses.
constexpr const char* kFieldNames[kProjectFieldCount] = {
    "the project title",
    "the supply air volume",
    "the off-coil air temperature",
    "the off-coil air moisture",
    "the return/mixed air volume",
    "the return/mixed air temperature",
    "the return/mixed air moisture",
    "the elevation",
    "the rotor depth",
    "the model name",
    "the main units choice",
    "the air flow units choice",
};

std::string FieldLabel(int index) {
    return "field " + std::to_string(index + 1) + " (" + kFieldNames[index] + ")";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// A field's text as a message can show it: printable characters only, cut short.
std::string Shown(std::string_view text) {
    constexpr std::size_t kMaxShown = 24;
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        out.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    }
    if (text.size() > kMaxShown)
        out += "...";
    return "\"" + out + "\"";
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t len = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > text.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return false;
        i += len;
    }
    return true;
}

// Project files written by older versions of the program hold titles in a
// single-byte Western code page; those bytes are taken as Latin-1.
std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool HasControlCharacter(std::string_view text) {
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

struct RawField {
    std::string_view text;
};

// Splits a record into fields as the reader sees them.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view text) : text_(text) {}

    // The field with 0-based index, or an error text.
    std::variant<RawField, std::string> Next(int index) {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
        if (pos_ >= text_.size()) {
            if (index == 0)
                return std::string("the file is empty");
            return "it ends after " + std::to_string(index) + " of the " +
                   std::to_string(kProjectFieldCount) + " fields of a project";
        }
        RawField field;
        if (text_[pos_] == '"') {
            const std::size_t close = text_.find('"', pos_ + 1);
            if (close == std::string_view::npos)
                return FieldLabel(index) + " has no closing double quote";
            field.text = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            while (pos_ < text_.size() && IsBlank(text_[pos_]))
                ++pos_;
            const bool lastField = index == kProjectFieldCount - 1;
            if (!lastField && pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
                return FieldLabel(index) + " has text after its closing double quote";
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
                ++pos_;
            std::string_view raw = text_.substr(start, pos_ - start);
            while (!raw.empty() && IsBlank(raw.back()))
                raw.remove_suffix(1);
            field.text = raw;
        }
        // One separator: a comma, or a line end (CR LF counts as one).
        if (pos_ < text_.size()) {
            if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
                pos_ += 2;
            else
                ++pos_;
        }
        return field;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<std::string> ReadString(std::string_view raw, int index, std::string& out) {
    std::string value = IsValidUtf8(raw) ? std::string(raw) : Latin1ToUtf8(raw);
    if (HasControlCharacter(value))
        return FieldLabel(index) + " holds control characters, which no project file contains";
    out = std::move(value);
    return std::nullopt;
}

std::optional<std::string> ReadNumber(std::string_view raw, int index, double& out) {
    const auto value = common::ParseNumberText(raw, ".", "");
    if (!value)
        return FieldLabel(index) + " should be a number but holds " + Shown(raw);
    out = *value;
    return std::nullopt;
}

// Air volumes are divisors of the rotor model; a project cannot hold none.
std::optional<std::string> ReadVolume(std::string_view raw, int index, double& out) {
    if (auto problem = ReadNumber(raw, index, out))
        return problem;
    if (!(out > 0))
        return FieldLabel(index) + " must be greater than zero but holds " + Shown(raw);
    return std::nullopt;
}

std::optional<std::string> ReadInteger(std::string_view raw, int index, std::int16_t& out) {
    double value = 0;
    if (auto problem = ReadNumber(raw, index, value))
        return problem;
    if (value != std::floor(value) || value < -32768 || value > 32767)
        return FieldLabel(index) + " should be a whole number but holds " + Shown(raw);
    out = static_cast<std::int16_t>(value);
    return std::nullopt;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::optional<std::string> ReadBoolean(std::string_view raw, int index, bool& out) {
    if (EqualsIgnoringCase(raw, "#TRUE#")) {
        out = true;
        return std::nullopt;
    }
    if (EqualsIgnoringCase(raw, "#FALSE#")) {
        out = false;
        return std::nullopt;
    }
    return FieldLabel(index) + " should be #TRUE# or #FALSE# but holds " + Shown(raw);
}

std::string QuotedPath(const std::string& path) {
    return "\"" + path + "\"";
}

std::string OpenFailed(const std::string& path, const std::string& reason) {
    return "The project file " + QuotedPath(path) + " could not be opened: " + reason +
           ". Nothing has been changed.";
}

std::string SaveFailed(const std::string& path, const std::string& reason) {
    return "The project could not be saved as " + QuotedPath(path) + ": " + reason +
           ". Any file already there is unchanged.";
}

std::string ErrnoText(int err) {
    return std::strerror(err);
}

// Writes all of text to fd; false with errno set on failure.
bool WriteAll(int fd, std::string_view text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Why the record cannot be written so that it reads back the same, if it cannot.
std::optional<std::string> RecordProblem(const ProjectRecord& record) {
    if (auto problem = TitleProblem(record.Title))
        return "the project title cannot be stored in a project file";
    if (record.SavedModel.find('"') != std::string::npos || HasControlCharacter(record.SavedModel))
        return "the model name " + Shown(record.SavedModel) + " cannot be stored in a project file";
    const double numbers[] = {record.Vsa, record.Toa, record.Woa, record.Vra,
                              record.Tra, record.Wra, record.Elev};
    for (double value : numbers) {
        if (!std::isfinite(value))
            return std::string("the project holds a value that is not a number; please "
                               "calculate valid results before saving");
    }
    const auto back = ReadProjectText(WriteProjectText(record));
    if (const auto* error = std::get_if<std::string>(&back))
        return "the project's values would not read back (" + *error + ")";
    if (std::get<ProjectRecord>(back) != record)
        return std::string("the project's values would not read back as they are");
    return std::nullopt;
}

} // namespace

ProjectRecord RecordFromCase(const DesignCase& dc) {
    ProjectRecord r;
    r.Title = dc.Title;
    r.Vsa = dc.Vsa;
    r.Toa = dc.Toa;
    r.Woa = dc.Woa;
    r.Vra = dc.Vra;
    r.Tra = dc.Tra;
    r.Wra = dc.Wra;
    r.Elev = dc.Elev;
    r.Depth = dc.Depth;
    r.SavedModel = dc.SavedModel;
    r.SIUnits = dc.SIUnits;
    r.AcfmUnits = dc.AcfmUnits;
    return r;
}

void StoreRecord(const ProjectRecord& record, DesignCase& dc) {
    dc.Title = record.Title;
    dc.Vsa = record.Vsa;
    dc.Toa = record.Toa;
    dc.Woa = record.Woa;
    dc.Vra = record.Vra;
    dc.Tra = record.Tra;
    dc.Wra = record.Wra;
    dc.Elev = record.Elev;
    dc.Depth = record.Depth;
    dc.SavedModel = record.SavedModel;
    dc.SIUnits = record.SIUnits;
    dc.AcfmUnits = record.AcfmUnits;
    dc.ModelName = dc.SavedModel;
}

std::optional<std::string> TitleProblem(std::string_view title) {
    if (title.find('"') != std::string_view::npos)
        return std::string(text::kTitleHasQuote);
    if (HasControlCharacter(title))
        return std::string(text::kTitleHasControl);
    return std::nullopt;
}

std::string WriteProjectText(const ProjectRecord& r) {
    const auto quoted = [](const std::string& s) { return "\"" + s + "\""; };
    const auto number = [](double v) { return common::PlainNumberText(v); };
    const auto boolean = [](bool b) { return std::string(b ? "#TRUE#" : "#FALSE#"); };
    std::string out;
    out += quoted(r.Title) + ",";
    out += number(r.Vsa) + ",";
    out += number(r.Toa) + ",";
    out += number(r.Woa) + ",";
    out += number(r.Vra) + ",";
    out += number(r.Tra) + ",";
    out += number(r.Wra) + ",";
    out += number(r.Elev) + ",";
    out += std::to_string(r.Depth) + ",";
    out += quoted(r.SavedModel) + ",";
    out += boolean(r.SIUnits) + ",";
    out += boolean(r.AcfmUnits) + "\r\n";
    return out;
}

std::variant<ProjectRecord, std::string> ReadProjectText(std::string_view text) {
    if (text.size() > kMaxProjectFileBytes)
        return std::string("it is far larger than any project file");
    std::string_view fields[kProjectFieldCount];
    FieldScanner scanner(text);
    for (int i = 0; i < kProjectFieldCount; ++i) {
        auto field = scanner.Next(i);
        if (auto* error = std::get_if<std::string>(&field))
            return std::move(*error);
        fields[i] = std::get<RawField>(field).text;
    }

    ProjectRecord r;
    const std::optional<std::string> problems[kProjectFieldCount] = {
        ReadString(fields[0], 0, r.Title),      ReadVolume(fields[1], 1, r.Vsa),
        ReadNumber(fields[2], 2, r.Toa),        ReadNumber(fields[3], 3, r.Woa),
        ReadVolume(fields[4], 4, r.Vra),        ReadNumber(fields[5], 5, r.Tra),
        ReadNumber(fields[6], 6, r.Wra),        ReadNumber(fields[7], 7, r.Elev),
        ReadInteger(fields[8], 8, r.Depth),     ReadString(fields[9], 9, r.SavedModel),
        ReadBoolean(fields[10], 10, r.SIUnits), ReadBoolean(fields[11], 11, r.AcfmUnits),
    };
    for (const auto& problem : problems) {
        if (problem)
            return *problem;
    }
    return r;
}

std::variant<ProjectRecord, std::string> OpenProjectFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return OpenFailed(path, "it is a folder, not a file");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return OpenFailed(path, ErrnoText(errno));
    struct stat st {};
    if (::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
        ::close(fd);
        return OpenFailed(path, "it is not a regular file");
    }
    // Read one byte beyond the cap, so that a larger file is recognised.
    std::string text;
    text.resize(kMaxProjectFileBytes + 1);
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return OpenFailed(path, ErrnoText(err));
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text.resize(got);
    if (got > kMaxProjectFileBytes)
        return OpenFailed(path, "it is far larger than any project file (over 64 KB)");

    auto result = ReadProjectText(text);
    if (auto* error = std::get_if<std::string>(&result))
        return OpenFailed(path, "it is not a Kestrix project file, because " + *error);
    return result;
}

std::optional<std::string> SaveProjectFile(const std::string& path, const ProjectRecord& record) {
    namespace fs = std::filesystem;
    if (path.empty())
        return SaveFailed(path, "no file name was given");
    if (auto problem = RecordProblem(record))
        return SaveFailed(path, *problem);

    // Saving through a link replaces the file it points to, not the link.
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    if (fs::is_directory(target, ec))
        return SaveFailed(path, "it is a folder");
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";

    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return SaveFailed(path, ErrnoText(errno));

    // The new file keeps the permissions of the one it replaces; a new file gets
    // the usual permissions of the user's new files.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    const auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return SaveFailed(path, ErrnoText(err));
    };
    if (!WriteAll(fd, WriteProjectText(record)))
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return SaveFailed(path, ErrnoText(err));
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return SaveFailed(path, ErrnoText(err));
    }
    return std::nullopt;
}

std::string WithProjectExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (nameStart >= path.size())
        return path; // a folder, not a file name: left to the save to refuse
    const std::size_t dot = path.find_last_of('.');
    const bool hasDot = dot != std::string::npos && dot > nameStart;
    if (!hasDot)
        return path + kProjectExtension;
    if (dot + 1 == path.size())
        return path + (kProjectExtension + 1); // "office." -> "office.pjt"
    return path;
}

void StoreProjectInForm(RotorForm& form, const ProjectRecord& record) {
    StoreRecord(record, form.Case());
    form.Port().SetText("lblTitle", form.Case().Title);
    form.Case().SelMode = 0;
}

bool ApplyMainUnits(RotorForm& form, bool si, const CalculatorUnitSteps& calculator) {
    form.Case().SIUnits = si;
    form.UnitLabels();
    if (si) {
        form.FillCaptionsSI();
        form.FillTextSI();
    } else {
        form.FillCaptions();
        form.FillText();
    }
    if (calculator.reset)
        calculator.reset(si);
    const bool calculated = form.RunCalc();
    if (calculator.run)
        calculator.run();
    return calculated;
}

} // namespace kestrix
