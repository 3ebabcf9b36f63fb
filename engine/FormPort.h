// What the engine and the window logic ask of the main window's controls.
//
// Controls are addressed by their names as the window knows them ("txtToa",
// "lblTsa", "fmeHeat", "sbrStatus.Panel3"); a member of a control array carries
// its index, as in "lblscfm(0)" or "optUnits(2)". The Qt main window implements
// this over its widgets (found by object name); HeadlessForm implements it over
// plain maps for kestrix-cli and the tests. Both behave alike in the one way
// that matters to the calculation: writing a text field's text runs the field's
// change handler when, and only when, the text changes, and selecting a list
// entry runs the list's selection handler synchronously, before it returns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrix {

enum class MessageIcon { Exclamation, Information, Critical };

struct MessageRecord {
    std::string title;
    std::string text;
};

// Receives the control events of the main window. The window logic
// (RotorForm) implements it; the port calls it for every change.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    // A text field's text changed (typed or written by the program).
    virtual void TextChanged(const std::string& control) = 0;
    // The model list's selected entry changed (user or program).
    virtual void ListClicked(const std::string& control) = 0;
};

class FormPort {
public:
    virtual ~FormPort() = default;

    // Texts and captions of fields, labels, frames, buttons, status panels.
    virtual std::string Text(const std::string& control) const = 0;
    // For a text field that changes, runs FormEvents::TextChanged before returning.
    virtual void SetText(const std::string& control, const std::string& text) = 0;
    virtual bool Visible(const std::string& control) const = 0;
    virtual void SetVisible(const std::string& control, bool visible) = 0;
    virtual bool Enabled(const std::string& control) const = 0;
    virtual void SetEnabled(const std::string& control, bool enabled) = 0;
    // Background colour as 0xRRGGBB, or kButtonFace for the system button face.
    static constexpr std::uint32_t kButtonFace = 0xFF000000u;
    virtual void SetBackColor(const std::string& control, std::uint32_t rgb) = 0;
    // Option buttons and check marks.
    virtual bool Checked(const std::string& control) const = 0;
    virtual void SetChecked(const std::string& control, bool checked) = 0;

    // The model list ("lstRotor").
    virtual void ListClear(const std::string& list) = 0;
    virtual void ListAdd(const std::string& list, const std::string& item) = 0;
    // Selects entry index (-1: none). When the selection changes, runs
    // FormEvents::ListClicked before returning.
    virtual void SetListIndex(const std::string& list, int index) = 0;
    virtual int ListIndex(const std::string& list) const = 0;
    virtual int ListCount(const std::string& list) const = 0;
    virtual std::string ListItem(const std::string& list, int index) const = 0;

    // A modal message box with one OK button. helpFile/helpTopic name the help
    // topic a Help button opens (empty: no Help button).
    virtual void MessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                            const std::string& helpFile = {}, int helpTopic = 0) = 0;

    // The user's locale separators, used to write and read numbers in fields.
    // UTF-8 texts, since some locales group digits with a non-breaking space.
    virtual std::string DecimalPoint() const { return "."; }
    virtual std::string GroupSeparator() const { return ","; }
};

} // namespace kestrix
