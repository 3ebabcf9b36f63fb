// The report as a PDF file: the page's text read back with pdftotext carries
// the fixed texts exactly as written and the start-up case's values.
#include "StartupForm.h"
#include "report/ReportCommands.h"
#include "report/ReportTexts.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrix::report {
namespace {

// The PDF's text in reading order, one text line per line.
std::string PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", pdf, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput().toStdString();
}

std::string SingleBlanks(std::string_view line) {
    std::string out;
    for (char c : line)
        if (c != ' ' || out.empty() || out.back() != ' ')
            out += c;
    return out;
}

TEST(ReportPdf, CarriesEveryFixedTextAsWritten) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    for (int depth : {200, 100}) {
        SCOPED_TRACE(depth);
        testing::StartupForm startup;
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath("report.pdf");
        // Pick a model of this depth in the model list, as a user does.
        const std::string suffix = "-" + std::to_string(depth);
        int pick = -1;
        for (int i = 0; i < startup.port.ListCount("lstRotor"); ++i)
            if (startup.port.ListItem("lstRotor", i).ends_with(suffix))
                pick = i;
        ASSERT_GE(pick, 0) << "the model list offers no " << depth << " mm rotor";
        startup.port.SetListIndex("lstRotor", pick);
        ASSERT_EQ(WritePdf(startup.form, path).toStdString(), "");
        const std::string text = PdfText(path);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(startup.form.Case().Depth, depth);

        std::vector<std::string_view> expected = {kReportTitle,   kReportSubtitle,  kMediaHeading,
                                                  kFrameHeading,  kBearingsHeading, kCompanyName,
                                                  kCompanyStreet, kCompanyCity,     kTelephone,
                                                  kFax,           kWebAddress};
        expected.insert(expected.end(), kMediaParagraph.begin(), kMediaParagraph.end());
        expected.insert(expected.end(), kBearingsParagraph.begin(), kBearingsParagraph.end());
        if (startup.form.Case().Depth == 100)
            expected.insert(expected.end(), kFrameParagraphStainless.begin(),
                            kFrameParagraphStainless.end());
        else
            expected.insert(expected.end(), kFrameParagraphSteel.begin(),
                            kFrameParagraphSteel.end());
        // pdftotext reads a run of blanks as one blank ("mm.  Media" comes back
        // as "mm. Media"); the blanks themselves are checked on the page's lines.
        for (std::string_view line : expected)
            EXPECT_NE(text.find(SingleBlanks(line)), std::string::npos) << "missing: " << line;

        const std::string model = "Model Number: " + startup.form.Case().ModelName;
        EXPECT_NE(text.find(model), std::string::npos) << text;
        EXPECT_NE(text.find("Exit Air"), std::string::npos);
        EXPECT_NE(text.find("Return/Mixed Air"), std::string::npos);
        EXPECT_NE(text.find(startup.port.Text("lblTsa") + " °F DB"), std::string::npos);
        EXPECT_NE(text.find(startup.port.Text("lblHeatT")), std::string::npos);
    }
}

} // namespace
} // namespace kestrix::report
