// The project file (".pjt"): one comma-separated record of twelve fields that
// holds a design case's inputs, its title, the chosen model and the two unit
// flags, always in inch-pound units. This file reads and writes that record
// without any toolkit, so the window and kestrix-cli save and open projects
// the same way.
//
// Writing: strings between double quotes with nothing escaped, numbers as
// plain decimal text with "." whatever the locale, Booleans as "#TRUE#" or
// "#FALSE#", the record ended by CR LF. Reading: commas and line ends separate
// fields, spaces around a field are ignored, double quotes delimit a string,
// text after the twelfth field is ignored. A record is checked whole before
// anything is handed back, so a bad file never half-loads a design case.
#pragma once

#include "DesignCase.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kestrix {

class RotorForm;

// The twelve fields, in file order.
struct ProjectRecord {
    std::string Title;
    double Vsa = 0;         // scfm
    double Toa = 0;         // °F
    double Woa = 0;         // gr/lb
    double Vra = 0;         // scfm
    double Tra = 0;         // °F
    double Wra = 0;         // gr/lb
    double Elev = 0;        // ft
    std::int16_t Depth = 0; // mm
    std::string SavedModel;
    bool SIUnits = false;
    bool AcfmUnits = false;

    bool operator==(const ProjectRecord&) const = default;
};

inline constexpr int kProjectFieldCount = 12;
// No project record comes near this size; a larger file is refused unread.
inline constexpr std::size_t kMaxProjectFileBytes = 64 * 1024;
inline constexpr const char* kProjectExtension = ".pjt";

namespace text {
// The file dialogs' one filter: description and pattern.
inline constexpr const char* kProjectFilterDescription = "Project Files (*.pjt)";
inline constexpr const char* kProjectFilterPattern = "*.pjt";
inline constexpr const char* kOpenDialogTitle = "Open";
// Shown by the title dialog when the title holds a character a project file
// cannot carry.
inline constexpr const char* kTitleHasQuote =
    "A project title cannot contain a double quote (\"), because the project file encloses "
    "the title in double quotes. Please use single quotes (') instead.";
inline constexpr const char* kTitleHasControl =
    "A project title must be one line of text without tabs or other control characters.";
} // namespace text

// The record a Save writes: the case's inputs, title, unit flags, Depth and
// SavedModel as they stand (Save sets SavedModel from ModelName first).
ProjectRecord RecordFromCase(const DesignCase& dc);

// Stores a checked record into the design case (the twelve fields, then
// ModelName = SavedModel), as step 3 of Open does.
void StoreRecord(const ProjectRecord& record, DesignCase& dc);

// Why a title cannot be carried by a project file (a double quote, a line
// break or another control character), or nullopt when it can.
std::optional<std::string> TitleProblem(std::string_view title);

// The record as it stands in a file, ended by CR LF.
std::string WriteProjectText(const ProjectRecord& record);

// Reads a record from a file's text. On failure the text says what is wrong,
// in words a user can act on (which field, what it holds), without the file name.
std::variant<ProjectRecord, std::string> ReadProjectText(std::string_view text);

// Opens the project file at path: reads at most kMaxProjectFileBytes and
// checks the whole record. On failure the message names the file and the
// problem and nothing has been changed.
std::variant<ProjectRecord, std::string> OpenProjectFile(const std::string& path);

// Saves the record to path without ever destroying a good file: the record is
// first checked to read back exactly as it is, then written to a temporary
// file in the same folder, flushed to disk and renamed over the target. On
// failure returns a message naming the file and the problem; an existing file
// at path is then left as it was.
std::optional<std::string> SaveProjectFile(const std::string& path, const ProjectRecord& record);

// The name a save dialog returned, with ".pjt" appended when the file name
// has no extension of its own ("office" -> "office.pjt", "office." ->
// "office.pjt"); a name with an extension is kept as it is.
std::string WithProjectExtension(const std::string& path);

// Opening a project into the window logic. The window and kestrix-cli run
// the same steps; only the dialogs' option buttons are the window's own.

// Steps 3, 4 and 6 of File > Open: stores the record in the design case
// (ModelName = SavedModel), shows the title in lblTitle and lets the next run
// size the rotor automatically (SelMode = 0). The caller then sets the unit
// dialogs' choices and applies the Main Units choice (ApplyMainUnits).
void StoreProjectInForm(RotorForm& form, const ProjectRecord& record);

// The moisture calculator's part of confirming the Main Units choice.
struct CalculatorUnitSteps {
    // Selects the wet-bulb form and writes 75 °F / 60 °F (or their metric
    // equivalents) into the calculator's boxes; given the unit system.
    std::function<void(bool si)> reset;
    // Runs the calculator.
    std::function<void()> run;
};

// What OK of the Main Units dialog does, and the last step of File > Open:
// sets SIUnits, rewrites the unit captions, the results and the input fields
// in that unit system, resets the moisture calculator, runs the calculation
// and then the calculator. Returns what RunCalc returned.
bool ApplyMainUnits(RotorForm& form, bool si, const CalculatorUnitSteps& calculator);

} // namespace kestrix
