// A headless main window with the real Hygrovex object and the calculator
// attached, as kestrix-cli runs it, for the calculator and popup tests.
#pragma once

#include "calculator/modCalculator.h"
#include "engine/ComponentMessages.h"
#include "engine/HeadlessForm.h"
#include "engine/RotorForm.h"
#include "hygrovex/clsHygrovex.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace kestrix::testing {

// A small rotor catalogue in a folder of this test process's own, so test
// programs running side by side never read each other's half-written file.
inline std::string WriteCatalogue() {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("kestrix-calculator-tests-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream out(dir / "qvdcmd121.dta");
    out << "100,\"RW24-100\",3.1\n"
           "100,\"RW36-100\",7.1\n"
           "100,\"RW48-100\",12.6\n"
           "200,\"RW60-200\",19.6\n"
           "200,\"RW72-200\",28.3\n";
    return dir.string();
}

// The headless window that also remembers every text written into a control,
// in order, so a test sees what a command wrote before the display step
// rewrote the fields.
class RecordingForm : public HeadlessForm {
public:
    struct Write {
        std::string control;
        std::string text;
        bool operator==(const Write&) const = default;
        friend void PrintTo(const Write& w, std::ostream* os) {
            *os << w.control << " <- \"" << w.text << "\"";
        }
    };
    void SetText(const std::string& control, const std::string& text) override {
        writes_.push_back({control, text});
        HeadlessForm::SetText(control, text);
    }
    // The writes into text fields (a field's change handler writes status
    // texts of its own).
    std::vector<Write> FieldWrites() const {
        std::vector<Write> out;
        for (const Write& w : writes_) {
            if (IsTextField(w.control))
                out.push_back(w);
        }
        return out;
    }
    void ClearWrites() { writes_.clear(); }

private:
    std::vector<Write> writes_;
};

struct ComponentDeleter {
    void operator()(hygrovex::_clsHygrovex* object) const { HygrovexReleaseObject(object); }
};

class CalculatorFixture : public ::testing::Test {
protected:
    CalculatorFixture() {
        port.SetEvents(&form);
        // The component's range message reaches the window's message boxes.
        RouteComponentMessages(port);
    }
    ~CalculatorFixture() override { HygrovexSetMessageHandler(nullptr, nullptr); }

    // The window's load step: start-up inputs, calculator seeds, first run.
    void Start(bool si = false) {
        ASSERT_TRUE(form.Form_Load({si, false}, WriteCatalogue()));
        port.ClearMessages();
    }

    // What a user does in the panel.
    void Type(const std::string& control, const std::string& text) { port.SetText(control, text); }
    void ChooseForm(int index) { calc->optUnits_Click(index); }

    std::string Answer() const { return port.Text("lblAnswer"); }

    RecordingForm port;
    std::unique_ptr<hygrovex::_clsHygrovex, ComponentDeleter> object{
        HygrovexCreateObject(hygrovex::kClassId)};
    hygrovex::_clsHygrovex& psych = *object;
    RotorForm form{port, psych};
    std::unique_ptr<modCalculator> calc = AttachCalculator(form);
};

} // namespace kestrix::testing
