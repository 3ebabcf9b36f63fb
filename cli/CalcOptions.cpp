// Reading the calc options and running the case as the window's user would.
#include "CalcOptions.h"

#include "ComponentMessages.h"
#include "ProjectFile.h"

#include <cstdio>
#include <filesystem>
#include <variant>

namespace kestrix::cli {

namespace {

// The seven input fields by option, typed in the order the options are given.
struct FieldOption {
    const char* option;
    const char* field;
};
constexpr FieldOption kFieldOptions[] = {
    {"--toa", "txtToa"}, {"--woa", "txtWoa"}, {"--tra", "txtTra"},   {"--wra", "txtWra"},
    {"--vsa", "txtVsa"}, {"--vra", "txtVra"}, {"--elev", "txtElev"},
};

// The folder of the running program, from /proc/self/exe.
std::filesystem::path ProgramDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

// The catalogue beside the program, else the installed one.
std::string DefaultCatalogueDir() {
    const std::filesystem::path dir = ProgramDir();
    std::vector<std::filesystem::path> candidates = {dir, dir / ".." / "share" / "kestrix"};
#ifdef KESTRIX_INSTALL_DATADIR
    candidates.emplace_back(KESTRIX_INSTALL_DATADIR);
#endif
    std::error_code ec;
    for (const std::filesystem::path& c : candidates)
        if (std::filesystem::exists(c / "qvdcmd121.dta", ec))
            return c.string();
    return dir.string(); // the load step names the missing file
}

} // namespace

const char* const kCalcOptionsUsage =
    "  --si          SI units (°C, g/kg, m³/h, m); IP units without it\n"
    "  --acfm        air volumes as actual volumes; standard volumes without it\n"
    "  --toa/--woa   off-coil dry bulb and moisture (°F, gr/lb; °C, g/kg with --si)\n"
    "  --tra/--wra   return/mixed dry bulb and moisture\n"
    "  --vsa/--vra   supply and return/mixed air volume (scfm; m³/h with --si)\n"
    "  --elev        site elevation (ft; m with --si)\n"
    "  --model       pick this model in the model list, then calculate again\n"
    "  --catalogue   the rotor catalogue file (default: qvdcmd121.dta beside the program)\n"
    "  --title       the project title\n"
    "  --save        save the project to this file afterwards\n";

int UsageError(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "kestrix-cli %s: %s\n", command.c_str(), message.c_str());
    return 2;
}

int Failure(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "kestrix-cli %s: %s\n", command.c_str(), message.c_str());
    return 1;
}

int ParseCalcOptions(const std::vector<std::string>& args, CalcOptions& o,
                     const std::string& command, const ExtraOption& extra) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (extra) {
            const int taken = extra(args, i);
            if (taken == 0)
                continue;
            if (taken > 0)
                return taken;
        }
        const std::string& arg = args[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        if (arg == "--si") {
            o.si = true;
            continue;
        }
        if (arg == "--acfm") {
            o.acfm = true;
            continue;
        }
        bool isField = false;
        for (const FieldOption& f : kFieldOptions) {
            if (arg == f.option) {
                std::string text;
                if (!value(text))
                    return UsageError(command, arg + " needs a value");
                o.typed.emplace_back(f.field, text);
                isField = true;
            }
        }
        if (isField)
            continue;
        if (arg == "--model") {
            if (!value(o.model))
                return UsageError(command, "--model needs a model name");
            o.haveModel = true;
        } else if (arg == "--catalogue") {
            if (!value(o.catalogue))
                return UsageError(command, "--catalogue needs a file");
        } else if (arg == "--title") {
            if (!value(o.title))
                return UsageError(command, "--title needs a text");
            o.haveTitle = true;
        } else if (arg == "--save") {
            if (!value(o.save))
                return UsageError(command, "--save needs a file");
        } else if (arg == "--format") {
            if (!value(o.format))
                return UsageError(command, "--format needs json, text, excel or word");
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return UsageError(command, "unknown option '" + arg + "'");
        } else if (o.project.empty()) {
            o.project = arg;
        } else {
            return UsageError(command, "only one project file may be given ('" + arg + "')");
        }
    }
    return 0;
}

CalcSession::CalcSession(const CalcOptions& options, std::string command)
    : options_(options), command_(std::move(command)) {}

CalcSession::~CalcSession() {
    if (form_)
        HygrovexSetMessageHandler(nullptr, nullptr);
}

// Opens PROJECT as File > Open does: the whole record is read and checked
// before anything is stored, then the Main Units choice it holds is applied
// (display, calculator reset, calculation). A file that is not a project is
// an input that cannot be read: exit 2.
int CalcSession::OpenProject(const std::string& path) {
    const auto opened = OpenProjectFile(path);
    if (const auto* error = std::get_if<std::string>(&opened))
        return UsageError(command_, *error);
    const ProjectRecord& record = std::get<ProjectRecord>(opened);
    StoreProjectInForm(*form_, record);
    modCalculator& calculator = *calculator_;
    ApplyMainUnits(*form_, record.SIUnits,
                   {[&calculator](bool si) { calculator.ResetCalculatorForUnits(si); },
                    [&calculator] { calculator.RunCalculator(); }});
    return 0;
}

// Saves the project as File > Save does, to the file named as given: the
// model in use becomes the saved model, and an existing file is replaced only
// by a complete new one. A failure: exit 1 with the message.
int CalcSession::SaveProject(const std::string& path) {
    DesignCase& dc = form_->Case();
    dc.SavedModel = dc.ModelName;
    if (const auto error = SaveProjectFile(path, RecordFromCase(dc)))
        return Failure(command_, *error);
    return 0;
}

int CalcSession::Run() {
    component_.reset(HygrovexCreateObject(hygrovex::kClassId));
    if (!component_)
        return Failure(command_, "the psychrometric component could not be created");

    form_ = std::make_unique<RotorForm>(port_, *component_);
    RotorForm& form = *form_;
    port_.SetEvents(&form);
    RouteComponentMessages(port_);
    calculator_ = AttachCalculator(form);

    form.CatalogueFile = options_.catalogue;
    if (!form.Form_Load({options_.si, options_.acfm}, DefaultCatalogueDir())) {
        const std::string why =
            port_.Messages().empty() ? "start-up failed" : port_.Messages().back().text;
        return Failure(command_, why);
    }
    if (!options_.project.empty())
        if (const int status = OpenProject(options_.project))
            return status;

    for (const auto& [field, text] : options_.typed)
        port_.SetText(field, text);
    form.CmdCalc_Click();
    if (!form.FieldError.empty())
        return UsageError(command_, form.FieldError);

    if (options_.haveModel) {
        const std::vector<std::string> models = port_.ListItems("lstRotor");
        int index = -1;
        for (std::size_t i = 0; i < models.size(); ++i)
            if (models[i] == options_.model)
                index = static_cast<int>(i);
        if (index < 0) {
            std::string listed;
            for (const std::string& m : models)
                listed += (listed.empty() ? "" : ", ") + m;
            return UsageError(command_, "--model: no model named '" + options_.model +
                                            "' in the model list (" + listed + ")");
        }
        port_.SetListIndex("lstRotor", index);
        form.CmdCalc_Click();
    }

    if (options_.haveTitle) {
        // As the title dialog's OK does: a title a project file cannot carry
        // is refused with the dialog's hint.
        if (const auto problem = TitleProblem(options_.title))
            return UsageError(command_, "--title: " + *problem);
        form.Case().Title = options_.title;
        port_.SetText("lblTitle", options_.title);
    }
    if (!options_.save.empty())
        if (const int status = SaveProject(options_.save))
            return status;
    return 0;
}

} // namespace kestrix::cli
