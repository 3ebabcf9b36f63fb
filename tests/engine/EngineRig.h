// A main window without widgets for the engine tests: a HeadlessForm, the real
// Hygrovex object with its range message routed into the form's message list,
// the RotorForm, and small catalogues written to a temporary folder.
#pragma once

#include "ComponentMessages.h"
#include "HeadlessForm.h"
#include "RotorForm.h"

#include <hygrovex/clsHygrovex.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kestrix::testing {

// A folder of its own holding one catalogue file with the given content.
inline std::string CatalogueDir(const std::string& content) {
    static std::atomic<int> counter{0};
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) /
        ("kestrix-engine-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "qvdcmd121.dta", std::ios::binary) << content;
    return dir.string();
}

// Catalogue records "depth,name,area" from (name, depth, area) rows.
struct Model {
    std::string name;
    int depth;
    double area;
};
inline std::string CatalogueText(const std::vector<Model>& models) {
    std::string text;
    for (const Model& m : models)
        text += std::to_string(m.depth) + ",\"" + m.name + "\"," + std::to_string(m.area) + "\r\n";
    return text;
}

struct ComponentDeleter {
    void operator()(hygrovex::_clsHygrovex* p) const { HygrovexReleaseObject(p); }
};

class Rig {
public:
    Rig() : component_(HygrovexCreateObject(hygrovex::kClassId)), form_(port_, *component_) {
        port_.SetEvents(&form_);
        RouteComponentMessages(port_);
    }
    ~Rig() { HygrovexSetMessageHandler(nullptr, nullptr); }

    // Loads the window with this catalogue; the start-up run has happened.
    bool Load(const std::vector<Model>& models, StartupSettings settings = {}) {
        return form_.Form_Load(settings, CatalogueDir(CatalogueText(models)));
    }

    // Types a text into a field as the user does, then presses Calc.
    void Type(const std::string& field, const std::string& text) { port_.SetText(field, text); }
    void Calc() { form_.CmdCalc_Click(); }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const MessageRecord& m : port_.Messages())
            texts.push_back(m.text);
        return texts;
    }

    HeadlessForm& Port() { return port_; }
    RotorForm& Form() { return form_; }
    DesignCase& Case() { return form_.Case(); }

private:
    HeadlessForm port_;
    std::unique_ptr<hygrovex::_clsHygrovex, ComponentDeleter> component_;
    RotorForm form_;
};

// The worked example's rotor among neighbours that fall outside 400..800 fpm
// at 600 scfm, so automatic sizing lists and picks it alone.
inline std::vector<Model> WorkedExampleCatalogue(int depth = 200) {
    return {{"RW12-200", 200, 0.8},
            {"RW19-" + std::to_string(depth), depth, 2.0},
            {"RW32-200", 200, 5.6}};
}

} // namespace kestrix::testing
