#pragma once
// Moves values between a dialog's controls and its members, one call per
// member in member order. Numbers are read and written in the classic locale
// (non-finite and overflowing values are refused; one decimal comma is read
// as the point, "52,4" is 52.4, and shown back with the point) and shown in
// general notation with up to 15 significant digits. A field that does not
// parse shows the exchange's own message ("Bitte geben Sie eine Zahl ein."),
// takes the focus and stops the exchange, so later members keep their values.

#include <cstdint>
#include <string>

class QWidget;
class QLineEdit;
class QComboBox;
class QAbstractButton;
class QLabel;

namespace platform {

class DataExchange {
public:
    // saveAndValidate: true takes the controls into the members, false shows the members.
    DataExchange(QWidget* dialog, bool saveAndValidate);

    bool saving() const { return saving_; }
    bool failed() const { return failed_; }
    // The control whose text did not parse, or nullptr.
    QWidget* failedControl() const { return failedControl_; }

    void number(QLineEdit* edit, double& value);
    void integer(QLineEdit* edit, int32_t& value);
    void text(QLineEdit* edit, std::string& value);
    void text(QLabel* label, std::string& value);
    // Saving takes the current entry's text; showing selects the first entry
    // that begins with the member's text (case-sensitive), or none.
    void combo(QComboBox* combo, std::string& value);
    void check(QAbstractButton* box, bool& value);
    // Read-only result fields: only shown, never taken over.
    void shownNumber(QLineEdit* edit, double value);

    // Numbers are read and shown by fileio/field_number.h with the dialogs'
    // rules (blanks around the number, one decimal comma, tiny values as 0).
    static constexpr const char* kCaption = "Gitterwerk";

private:
    void fail(QWidget* control, const char* message);

    QWidget* dialog_;
    bool saving_;
    bool failed_ = false;
    QWidget* failedControl_ = nullptr;
};

}  // namespace platform
