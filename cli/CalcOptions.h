// The options of kestrix-cli calc and the run of a case as the main window's
// user would run it, shared by the commands that work on the same case (calc,
// report): start-up with the unit settings, File > Open, typing the values,
// the Calc command, a pick in the model list, the title and File > Save.
#pragma once

#include "HeadlessForm.h"
#include "RotorForm.h"
#include "calculator/modCalculator.h"
#include "hygrovex/clsHygrovex.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kestrix::cli {

struct CalcOptions {
    std::string project;
    bool si = false;
    bool acfm = false;
    std::vector<std::pair<std::string, std::string>> typed; // field, text
    std::string model;
    bool haveModel = false;
    std::string catalogue;
    std::string title;
    bool haveTitle = false;
    std::string save;
    std::string format = "json";
};

// The calc options' part of a command's usage text.
extern const char* const kCalcOptionsUsage;

// A command's own options beside the calc options. Called for every argument
// before the calc options look at it, with i at the argument: returns -1 when
// the argument is not the command's own, 0 when the command took it (i moved
// past any value it read), or an exit status for a usage error it reported.
using ExtraOption = std::function<int(const std::vector<std::string>& args, std::size_t& i)>;

// Reads the calc options. Returns 0, or 2 after a one-line message on stderr
// that names the option ("kestrix-cli <command>: ...").
int ParseCalcOptions(const std::vector<std::string>& args, CalcOptions& options,
                     const std::string& command, const ExtraOption& extra = {});

// Exit-status helpers: a message on stderr prefixed "kestrix-cli <command>: ".
int UsageError(const std::string& command, const std::string& message);
int Failure(const std::string& command, const std::string& message);

// One case over a headless main window: the component object, the form and
// the moisture calculator, as the program holds them.
class CalcSession {
public:
    CalcSession(const CalcOptions& options, std::string command);
    ~CalcSession();
    CalcSession(const CalcSession&) = delete;
    CalcSession& operator=(const CalcSession&) = delete;

    // Runs the case through every step the options ask for. Returns 0, or the
    // exit status after a message on stderr.
    int Run();

    const CalcOptions& Options() const { return options_; }
    HeadlessForm& Port() { return port_; }
    // The form; only after Run has created it (Run returned 0).
    RotorForm& Form() { return *form_; }

private:
    struct ComponentDeleter {
        void operator()(hygrovex::_clsHygrovex* p) const { HygrovexReleaseObject(p); }
    };
    int OpenProject(const std::string& path);
    int SaveProject(const std::string& path);

    const CalcOptions& options_;
    std::string command_;
    HeadlessForm port_;
    std::unique_ptr<hygrovex::_clsHygrovex, ComponentDeleter> component_;
    std::unique_ptr<RotorForm> form_;
    std::unique_ptr<modCalculator> calculator_;
};

} // namespace kestrix::cli
