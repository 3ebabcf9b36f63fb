// kestrix-cli calc: the main window's start-up, typing and Calc command run
// over a headless form, printed as JSON or as a short summary.
#include "Commands.h"

#include "ComponentMessages.h"
#include "HeadlessForm.h"
#include "RotorForm.h"
#include "calculator/modCalculator.h"

#include "common/NumberText.h"
#include "hygrovex/clsHygrovex.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kestrix::cli {

namespace {

constexpr const char* kCalcUsage =
    "usage: kestrix-cli calc [PROJECT.pjt] [--si] [--acfm] [--toa X] [--woa X] [--tra X]\n"
    "                        [--wra X] [--vsa X] [--vra X] [--elev X] [--model NAME]\n"
    "                        [--catalogue FILE] [--title TEXT] [--save FILE]\n"
    "                        [--format json|text|excel|word]\n"
    "\n"
    "Runs the rotor selection as the main window does: start-up with the unit\n"
    "settings from --si and --acfm, each value typed as given into its field in\n"
    "the units in force, then the Calc command; --model then picks that entry in\n"
    "the model list and runs the Calc command again.\n"
    "  --toa/--woa   off-coil dry bulb and moisture (°F, gr/lb; °C, g/kg with --si)\n"
    "  --tra/--wra   return/mixed dry bulb and moisture\n"
    "  --vsa/--vra   supply and return/mixed air volume (scfm; m³/h with --si)\n"
    "  --elev        site elevation (ft; m with --si)\n"
    "  --catalogue   the rotor catalogue file (default: qvdcmd121.dta beside the program)\n"
    "  --format      json (default), text, excel or word\n"
    "\n"
    "Exit status: 0 success; 2 a usage error or a value the fields cannot take\n"
    "(named on stderr); 1 any other failure.\n";

// The seven input fields by option, typed in the order the options are given.
struct FieldOption {
    const char* option;
    const char* field;
};
constexpr FieldOption kFieldOptions[] = {
    {"--toa", "txtToa"}, {"--woa", "txtWoa"}, {"--tra", "txtTra"},   {"--wra", "txtWra"},
    {"--vsa", "txtVsa"}, {"--vra", "txtVra"}, {"--elev", "txtElev"},
};

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

// Everything a step of the command or an output format works on.
struct CalcSession {
    const CalcOptions& options;
    HeadlessForm& port;
    RotorForm& form;
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "kestrix-cli calc: %s\n", message.c_str());
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "kestrix-cli calc: %s\n", message.c_str());
    return 1;
}

// ---- Output ---------------------------------------------------------------

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// Full precision (shortest form that reads back exactly); not finite: null.
std::string JsonNumber(double value) {
    return std::isfinite(value) ? common::PlainNumberText(value) : "null";
}

std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

// Every scalar field of the design case, by name, in the record's order.
std::vector<std::pair<std::string, std::string>> CaseMembers(const DesignCase& c) {
    std::vector<std::pair<std::string, std::string>> m;
    const auto num = [&m](const char* name, double v) { m.emplace_back(name, JsonNumber(v)); };
    const auto str = [&m](const char* name, const std::string& v) {
        m.emplace_back(name, JsonString(v));
    };
    const auto flag = [&m](const char* name, bool v) { m.emplace_back(name, JsonBool(v)); };
    num("Toa", c.Toa);
    num("Woa", c.Woa);
    num("Tra", c.Tra);
    num("Wra", c.Wra);
    num("Vsa", c.Vsa);
    num("Vra", c.Vra);
    num("Elev", c.Elev);
    str("Title", c.Title);
    flag("SIUnits", c.SIUnits);
    flag("AcfmUnits", c.AcfmUnits);
    num("Patm", c.Patm);
    num("RHoa", c.RHoa);
    num("RHra", c.RHra);
    num("WsatOa", c.WsatOa);
    num("WsatRa", c.WsatRa);
    num("VolRatio", c.VolRatio);
    num("Voa", c.Voa);
    num("Vea", c.Vea);
    num("RowCount", c.RowCount);
    num("MinRow", c.MinRow);
    num("MaxRow", c.MaxRow);
    num("SelMode", c.SelMode);
    str("ModelName", c.ModelName);
    num("Area", c.Area);
    num("Depth", c.Depth);
    str("PrevModel", c.PrevModel);
    str("SavedModel", c.SavedModel);
    num("ListPick", c.ListPick);
    flag("ListBusy", c.ListBusy);
    num("AreaLo", c.AreaLo);
    num("AreaHi", c.AreaHi);
    num("MinVol", c.MinVol);
    num("MaxVol", c.MaxVol);
    num("VelMin", c.VelMin);
    num("VelMax", c.VelMax);
    num("EffS", c.EffS);
    num("dRH", c.dRH);
    num("dTs", c.dTs);
    num("dWs", c.dWs);
    num("dTe", c.dTe);
    num("dWe", c.dWe);
    num("Hads", c.Hads);
    num("Hoa", c.Hoa);
    num("Hsa", c.Hsa);
    num("Hra", c.Hra);
    num("Hea", c.Hea);
    num("MassS", c.MassS);
    num("MassR", c.MassR);
    num("MassE", c.MassE);
    num("Tsa", c.Tsa);
    num("Wsa", c.Wsa);
    num("Tea", c.Tea);
    num("Wea", c.Wea);
    num("VelS", c.VelS);
    num("VelE", c.VelE);
    num("VelSa", c.VelSa);
    num("VelEa", c.VelEa);
    num("DPs", c.DPs);
    num("DPr", c.DPr);
    num("HeatS", c.HeatS);
    num("HeatT", c.HeatT);
    num("HeatL", c.HeatL);
    num("MoistRate", c.MoistRate);
    num("CondS", c.CondS);
    num("CondE", c.CondE);
    num("Frost", c.Frost);
    num("WBoa", c.WBoa);
    num("WBsa", c.WBsa);
    num("WBra", c.WBra);
    num("WBea", c.WBea);
    str("ModelCaption", c.ModelCaption);
    num("VelPrev", c.VelPrev);
    flag("VelChanged", c.VelChanged);
    flag("FrostMsgDue", c.FrostMsgDue);
    return m;
}

void WriteObject(std::FILE* out, const std::vector<std::pair<std::string, std::string>>& members,
                 const char* indent) {
    std::fputs("{\n", out);
    for (std::size_t i = 0; i < members.size(); ++i)
        std::fprintf(out, "%s  %s: %s%s\n", indent, JsonString(members[i].first).c_str(),
                     members[i].second.c_str(), i + 1 < members.size() ? "," : "");
    std::fprintf(out, "%s}", indent);
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? ", " : "") + JsonString(items[i]);
    return out + "]";
}

int PrintJson(CalcSession& s, std::FILE* out) {
    const HeadlessForm& port = s.port;
    const std::vector<std::string> models = port.ListItems("lstRotor");
    std::fputs("{\n  \"case\": ", out);
    WriteObject(out, CaseMembers(s.form.Case()), "  ");
    std::fprintf(out, ",\n  \"models\": %s,\n  \"selected\": %d,\n  \"messages\": [",
                 JsonList(models).c_str(), port.ListIndex("lstRotor"));
    const std::vector<MessageRecord>& messages = port.Messages();
    for (std::size_t i = 0; i < messages.size(); ++i)
        std::fprintf(out, "%s\n    {\"title\": %s, \"text\": %s}", i ? "," : "",
                     JsonString(messages[i].title).c_str(), JsonString(messages[i].text).c_str());
    std::fputs(messages.empty() ? "],\n  \"display\": " : "\n  ],\n  \"display\": ", out);

    std::vector<std::pair<std::string, std::string>> display;
    for (const auto& [control, text] : port.Texts())
        display.emplace_back(control, JsonString(text));
    display.emplace_back("CmdCalc.Enabled", JsonBool(port.Enabled("CmdCalc")));
    for (const char* label : {"lblFrost", "lblWeaCondensed", "lblCondensate", "lblWsaCondensed"})
        display.emplace_back(std::string(label) + ".Visible", JsonBool(port.Visible(label)));
    display.emplace_back("lstRotor", JsonList(models));
    display.emplace_back("lstRotor.ListIndex", std::to_string(port.ListIndex("lstRotor")));
    WriteObject(out, display, "  ");
    std::fputs("\n}\n", out);
    return 0;
}

int PrintText(CalcSession& s, std::FILE* out) {
    const HeadlessForm& p = s.port;
    const auto t = [&p](const char* control) { return p.Text(control); };
    std::fprintf(out, "%s\n", s.form.Case().ModelCaption.c_str());
    std::fprintf(out, "Off-coil air     %8s %s %8s%s %8s %s\n", t("lblVoa").c_str(),
                 t("lblscfm(0)").c_str(), t("txtToa").c_str(), t("lblFDB(0)").c_str(),
                 t("txtWoa").c_str(), t("lblGrlb(0)").c_str());
    std::fprintf(out, "Supply air       %8s %s %8s%s %8s %s\n", t("txtVsa").c_str(),
                 t("lblscfm(2)").c_str(), t("lblTsa").c_str(), t("lblFDB(2)").c_str(),
                 t("lblWsa").c_str(), t("lblGrlb(2)").c_str());
    std::fprintf(out, "Return/mixed air %8s %s %8s%s %8s %s\n", t("txtVra").c_str(),
                 t("lblscfm(1)").c_str(), t("txtTra").c_str(), t("lblFDB(1)").c_str(),
                 t("txtWra").c_str(), t("lblGrlb(1)").c_str());
    std::fprintf(out, "Exhaust air      %8s %s %8s%s %8s %s\n", t("lblVea").c_str(),
                 t("lblscfm(3)").c_str(), t("lblTea").c_str(), t("lblFDB(3)").c_str(),
                 t("lblWea").c_str(), t("lblGrlb(3)").c_str());
    std::fprintf(out, "Elevation %s %s\n", t("txtElev").c_str(), t("lblElev").c_str());
    std::fprintf(out, "Face velocity    supply %s %s, exhaust %s %s\n", t("lblVels").c_str(),
                 t("lblFPM(0)").c_str(), t("lblVelE").c_str(), t("lblFPM(1)").c_str());
    std::fprintf(out, "Pressure drop    supply %s %s, exhaust %s %s\n", t("lblDPs").c_str(),
                 t("lblInWC(0)").c_str(), t("lblDPr").c_str(), t("lblInWC(1)").c_str());
    std::fprintf(out, "Moisture removed %s %s\n", t("lbldWh").c_str(), t("lbllbh").c_str());
    std::fprintf(out, "%s: sensible %s, latent %s, total %s\n", t("fmeHeat").c_str(),
                 t("lblHeatS").c_str(), t("lblHeatL").c_str(), t("lblHeatT").c_str());
    if (p.Visible("lblWeaCondensed"))
        std::fprintf(out, "Exhaust condensate %s\n", t("lblWeaCondensed").c_str());
    if (p.Visible("lblFrost"))
        std::fprintf(out, "%s\n", t("lblFrost").c_str());
    for (const MessageRecord& m : p.Messages())
        std::fprintf(out, "%s: %s\n", m.title.c_str(), m.text.c_str());
    return 0;
}

// Layouts still to come from the clipboard copies: they print what Edit > Copy
// puts on the clipboard.
int NotYet(CalcSession& s, std::FILE*) {
    return Failure("--format " + s.options.format + " is not available yet");
}

struct OutputFormat {
    const char* name;
    std::function<int(CalcSession&, std::FILE*)> print;
};
const std::vector<OutputFormat>& OutputFormats() {
    static const std::vector<OutputFormat> formats = {
        {"json", PrintJson}, {"text", PrintText}, {"excel", NotYet}, {"word", NotYet}};
    return formats;
}

// ---- Project files (File > Open, File > Save) ----------------------------

// Opens PROJECT as File > Open does. Returns an exit status, 0 on success.
int OpenProject(CalcSession&, const std::string& path) {
    return Failure("opening a project (" + path + ") is not available yet");
}

// Saves the project as File > Save does. Returns an exit status.
int SaveProject(CalcSession&, const std::string& path) {
    return Failure("saving a project (" + path + ") is not available yet");
}

// ---- Arguments and start-up ------------------------------------------------

int ParseArguments(const std::vector<std::string>& args, CalcOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
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
                    return UsageError(arg + " needs a value");
                o.typed.emplace_back(f.field, text);
                isField = true;
            }
        }
        if (isField)
            continue;
        if (arg == "--model") {
            if (!value(o.model))
                return UsageError("--model needs a model name");
            o.haveModel = true;
        } else if (arg == "--catalogue") {
            if (!value(o.catalogue))
                return UsageError("--catalogue needs a file");
        } else if (arg == "--title") {
            if (!value(o.title))
                return UsageError("--title needs a text");
            o.haveTitle = true;
        } else if (arg == "--save") {
            if (!value(o.save))
                return UsageError("--save needs a file");
        } else if (arg == "--format") {
            if (!value(o.format))
                return UsageError("--format needs json, text, excel or word");
            bool known = false;
            for (const OutputFormat& f : OutputFormats())
                known = known || o.format == f.name;
            if (!known)
                return UsageError("--format must be json, text, excel or word, not '" + o.format +
                                  "'");
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return UsageError("unknown option '" + arg + "'");
        } else if (o.project.empty()) {
            o.project = arg;
        } else {
            return UsageError("only one project file may be given ('" + arg + "')");
        }
    }
    return 0;
}

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

struct ComponentDeleter {
    void operator()(hygrovex::_clsHygrovex* p) const { HygrovexReleaseObject(p); }
};

} // namespace

int RunCalc(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kCalcUsage, stdout);
            return 0;
        }
    }
    CalcOptions options;
    if (const int status = ParseArguments(args, options))
        return status;

    std::unique_ptr<hygrovex::_clsHygrovex, ComponentDeleter> component(
        HygrovexCreateObject(hygrovex::kClassId));
    if (!component)
        return Failure("the psychrometric component could not be created");

    HeadlessForm port;
    RotorForm form(port, *component);
    port.SetEvents(&form);
    RouteComponentMessages(port);
    struct Unroute {
        ~Unroute() { HygrovexSetMessageHandler(nullptr, nullptr); }
    } unroute;
    const std::unique_ptr<modCalculator> calculator = AttachCalculator(form);
    CalcSession session{options, port, form};

    form.CatalogueFile = options.catalogue;
    if (!form.Form_Load({options.si, options.acfm}, DefaultCatalogueDir())) {
        const std::string why =
            port.Messages().empty() ? "start-up failed" : port.Messages().back().text;
        return Failure(why);
    }
    if (!options.project.empty())
        if (const int status = OpenProject(session, options.project))
            return status;

    for (const auto& [field, text] : options.typed)
        port.SetText(field, text);
    form.CmdCalc_Click();
    if (!form.FieldError.empty())
        return UsageError(form.FieldError);

    if (options.haveModel) {
        const std::vector<std::string> models = port.ListItems("lstRotor");
        int index = -1;
        for (std::size_t i = 0; i < models.size(); ++i)
            if (models[i] == options.model)
                index = static_cast<int>(i);
        if (index < 0) {
            std::string listed;
            for (const std::string& m : models)
                listed += (listed.empty() ? "" : ", ") + m;
            return UsageError("--model: no model named '" + options.model +
                              "' in the model list (" + listed + ")");
        }
        port.SetListIndex("lstRotor", index);
        form.CmdCalc_Click();
    }

    if (options.haveTitle) {
        // As the title dialog's OK does.
        form.Case().Title = options.title;
        port.SetText("lblTitle", options.title);
    }
    if (!options.save.empty())
        if (const int status = SaveProject(session, options.save))
            return status;

    for (const OutputFormat& f : OutputFormats())
        if (options.format == f.name)
            return f.print(session, stdout);
    return 1;
}

} // namespace kestrix::cli
