// The map-backed main window used by kestrix-cli and the tests.
#include "HeadlessForm.h"

#include <array>
#include <string_view>

namespace kestrix {

namespace {

constexpr std::array<std::string_view, 10> kTextFields = {"txtToa", "txtWoa",  "txtTra",  "txtWra",
                                                          "txtVsa", "txtVra",  "txtElev", "txtT",
                                                          "txtM",   "txtTitle"};

// Design captions of the main window's static controls, as the window shows
// them before any display step.
constexpr std::array<std::pair<std::string_view, std::string_view>, 20> kDesignCaptions = {{
    {"lblTitle", "Project Title"},
    {"CmdCalc", "&Calc"},
    {"lblFrost", "Frost Warning"},
    {"lblWeaCondensed", "Condensed"},
    {"lblCondensate", "Condensate"},
    {"lblWsaCondensed", "Condensed"},
    {"Frame1(0)", "Off Coil Air"},
    {"Frame1(1)", "Return/Mixed Air"},
    {"Frame1(2)", "Supply Air"},
    {"Frame1(3)", "Exit Air"},
    {"Label3", "Elevation"},
    {"fmeHeat", "Heat Transfer BTU/h"},
    {"Label4", "Sensible"},
    {"Label5", "Latent"},
    {"Label6", "Total"},
    {"Frame2", "Rotor Selection"},
    {"Label1(1)", "Moisture Calculator"},
    {"fmInputs(0)", "Inputs"},
    {"fmeUnits", "Input Units"},
    {"optUnits(2)", "%RH"},
}};

} // namespace

HeadlessForm::HeadlessForm() {
    for (const auto& [name, caption] : kDesignCaptions)
        texts_[std::string(name)] = std::string(caption);
    for (std::string_view field : kTextFields)
        texts_[std::string(field)] = std::string();
    lists_["lstRotor"];
    // Shown only when a run finds frost.
    visible_["lblFrost"] = false;
}

void HeadlessForm::SetSeparators(std::string decimalPoint, std::string groupSeparator) {
    decimalPoint_ = std::move(decimalPoint);
    groupSeparator_ = std::move(groupSeparator);
}

bool HeadlessForm::IsTextField(const std::string& control) {
    for (std::string_view field : kTextFields)
        if (field == control)
            return true;
    return false;
}

bool HeadlessForm::IsList(const std::string& control) {
    return control == "lstRotor";
}

std::string HeadlessForm::Text(const std::string& control) const {
    if (IsList(control)) {
        const auto it = lists_.find(control);
        if (it == lists_.end() || it->second.index < 0)
            return {};
        return it->second.items[static_cast<std::size_t>(it->second.index)];
    }
    const auto it = texts_.find(control);
    return it == texts_.end() ? std::string() : it->second;
}

void HeadlessForm::SetText(const std::string& control, const std::string& text) {
    std::string& held = texts_[control];
    if (held == text)
        return;
    held = text;
    if (events_ && IsTextField(control))
        events_->TextChanged(control);
}

bool HeadlessForm::Visible(const std::string& control) const {
    const auto it = visible_.find(control);
    return it == visible_.end() ? true : it->second;
}

void HeadlessForm::SetVisible(const std::string& control, bool visible) {
    visible_[control] = visible;
}

bool HeadlessForm::Enabled(const std::string& control) const {
    const auto it = enabled_.find(control);
    return it == enabled_.end() ? true : it->second;
}

void HeadlessForm::SetEnabled(const std::string& control, bool enabled) {
    enabled_[control] = enabled;
}

void HeadlessForm::SetBackColor(const std::string& control, std::uint32_t rgb) {
    backColor_[control] = rgb;
}

std::uint32_t HeadlessForm::BackColor(const std::string& control) const {
    const auto it = backColor_.find(control);
    return it == backColor_.end() ? kButtonFace : it->second;
}

bool HeadlessForm::Checked(const std::string& control) const {
    const auto it = checked_.find(control);
    return it != checked_.end() && it->second;
}

void HeadlessForm::SetChecked(const std::string& control, bool checked) {
    checked_[control] = checked;
}

void HeadlessForm::ListClear(const std::string& list) {
    List& l = lists_[list];
    l.items.clear();
    // Clearing takes the selection away silently, as the toolkit's list does.
    l.index = -1;
}

void HeadlessForm::ListAdd(const std::string& list, const std::string& item) {
    lists_[list].items.push_back(item);
}

void HeadlessForm::SetListIndex(const std::string& list, int index) {
    List& l = lists_[list];
    if (index < -1 || index >= static_cast<int>(l.items.size()))
        index = -1;
    if (l.index == index)
        return;
    l.index = index;
    if (events_)
        events_->ListClicked(list);
}

int HeadlessForm::ListIndex(const std::string& list) const {
    const auto it = lists_.find(list);
    return it == lists_.end() ? -1 : it->second.index;
}

int HeadlessForm::ListCount(const std::string& list) const {
    const auto it = lists_.find(list);
    return it == lists_.end() ? 0 : static_cast<int>(it->second.items.size());
}

std::string HeadlessForm::ListItem(const std::string& list, int index) const {
    const auto it = lists_.find(list);
    if (it == lists_.end() || index < 0 || index >= static_cast<int>(it->second.items.size()))
        return {};
    return it->second.items[static_cast<std::size_t>(index)];
}

std::vector<std::string> HeadlessForm::ListItems(const std::string& list) const {
    const auto it = lists_.find(list);
    return it == lists_.end() ? std::vector<std::string>() : it->second.items;
}

void HeadlessForm::MessageBox(const std::string& title, const std::string& text, MessageIcon,
                              const std::string&, int) {
    messages_.push_back({title, text});
}

} // namespace kestrix
