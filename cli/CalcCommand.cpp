// kestrix-cli calc: the main window's start-up, typing and Calc command run
// over a headless form, printed as JSON or as a short summary.
#include "CalcOptions.h"
#include "Commands.h"
#include "Json.h"

#include "common/NumberText.h"
#include "report/CopyResults.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
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
    "the model list and runs the Calc command again.\n";
constexpr const char* kCalcFormatUsage =
    "  --format      json (default), text, excel or word (excel and word: exactly the\n"
    "                text Edit > Copy (Excel) and Copy (Word) put on the clipboard)\n"
    "\n"
    "Exit status: 0 success; 2 a usage error or a value the fields cannot take\n"
    "(named on stderr); 1 any other failure.\n";

// ---- Output ---------------------------------------------------------------

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
    const HeadlessForm& port = s.Port();
    const std::vector<std::string> models = port.ListItems("lstRotor");
    std::fputs("{\n  \"case\": ", out);
    WriteObject(out, CaseMembers(s.Form().Case()), "  ");
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
    const HeadlessForm& p = s.Port();
    const auto t = [&p](const char* control) { return p.Text(control); };
    std::fprintf(out, "%s\n", s.Form().Case().ModelCaption.c_str());
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

// What Edit > Copy (Excel) and Copy (Word) put on the clipboard: the copy
// command calculates and builds the text, exactly as in the window.
int PrintCopy(CalcSession& s, std::FILE* out, int excelFormat) {
    const std::optional<std::string> text = report::CopyResults(s.Form(), excelFormat);
    if (!text)
        return cli::Failure("calc", "the results could not be calculated");
    std::fwrite(text->data(), 1, text->size(), out);
    return 0;
}
int PrintExcel(CalcSession& s, std::FILE* out) {
    return PrintCopy(s, out, report::kExcelLayout);
}
int PrintWord(CalcSession& s, std::FILE* out) {
    return PrintCopy(s, out, report::kWordLayout);
}

struct OutputFormat {
    const char* name;
    std::function<int(CalcSession&, std::FILE*)> print;
};
const std::vector<OutputFormat>& OutputFormats() {
    static const std::vector<OutputFormat> formats = {
        {"json", PrintJson}, {"text", PrintText}, {"excel", PrintExcel}, {"word", PrintWord}};
    return formats;
}

} // namespace

int RunCalc(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kCalcUsage, stdout);
            std::fputs(kCalcOptionsUsage, stdout);
            std::fputs(kCalcFormatUsage, stdout);
            return 0;
        }
    }
    CalcOptions options;
    if (const int status = ParseCalcOptions(args, options, "calc"))
        return status;
    bool known = false;
    for (const OutputFormat& f : OutputFormats())
        known = known || options.format == f.name;
    if (!known)
        return UsageError("calc", "--format must be json, text, excel or word, not '" +
                                      options.format + "'");

    CalcSession session(options, "calc");
    if (const int status = session.Run())
        return status;
    for (const OutputFormat& f : OutputFormats())
        if (options.format == f.name)
            return f.print(session, stdout);
    return 1;
}

} // namespace kestrix::cli
