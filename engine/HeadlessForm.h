// A FormPort over plain maps, for kestrix-cli and the tests: it holds every
// control's text, visibility, enabled state, back colour and check mark, the
// model list, and a record of every message box in the order shown. Like the
// window, writing a text field's text runs the field's change handler when the
// text changes, and a change of the list's selection runs its handler before
// SetListIndex returns.
#pragma once

#include "FormPort.h"

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace kestrix {

class HeadlessForm : public FormPort {
public:
    HeadlessForm();

    // Where change and selection events go (the RotorForm); may be null.
    void SetEvents(FormEvents* events) { events_ = events; }
    void SetSeparators(std::string decimalPoint, std::string groupSeparator);

    // True for the controls that are text fields (the seven inputs, the
    // calculator's txtT and txtM, the title dialog's txtTitle) and lists.
    static bool IsTextField(const std::string& control);
    static bool IsList(const std::string& control);

    std::string Text(const std::string& control) const override;
    void SetText(const std::string& control, const std::string& text) override;
    bool Visible(const std::string& control) const override;
    void SetVisible(const std::string& control, bool visible) override;
    bool Enabled(const std::string& control) const override;
    void SetEnabled(const std::string& control, bool enabled) override;
    void SetBackColor(const std::string& control, std::uint32_t rgb) override;
    std::uint32_t BackColor(const std::string& control) const;
    bool Checked(const std::string& control) const override;
    void SetChecked(const std::string& control, bool checked) override;

    void ListClear(const std::string& list) override;
    void ListAdd(const std::string& list, const std::string& item) override;
    void SetListIndex(const std::string& list, int index) override;
    int ListIndex(const std::string& list) const override;
    int ListCount(const std::string& list) const override;
    std::string ListItem(const std::string& list, int index) const override;
    std::vector<std::string> ListItems(const std::string& list) const;

    void MessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                    const std::string& helpFile = {}, int helpTopic = 0) override;
    const std::vector<MessageRecord>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }

    std::string DecimalPoint() const override { return decimalPoint_; }
    std::string GroupSeparator() const override { return groupSeparator_; }

    // Every control that has a text, in name order.
    std::map<std::string, std::string> Texts() const {
        return std::map<std::string, std::string>(texts_.begin(), texts_.end());
    }

private:
    struct List {
        std::vector<std::string> items;
        int index = -1;
    };
    FormEvents* events_ = nullptr;
    std::unordered_map<std::string, std::string> texts_;
    std::map<std::string, bool> visible_;
    std::map<std::string, bool> enabled_;
    std::map<std::string, std::uint32_t> backColor_;
    std::map<std::string, bool> checked_;
    std::map<std::string, List> lists_;
    std::vector<MessageRecord> messages_;
    std::string decimalPoint_ = ".";
    std::string groupSeparator_ = ",";
};

} // namespace kestrix
