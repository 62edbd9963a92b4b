#include "platform/data_exchange.h"

#include <locale.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/dialog.h"
#include "platform/messages.h"

namespace platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The text without the blanks around it.
std::string_view trimmed(const std::string& text) {
    std::string_view view(text);
    while (!view.empty() && isBlank(view.front())) view.remove_prefix(1);
    while (!view.empty() && isBlank(view.back())) view.remove_suffix(1);
    return view;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Number of digits at the front of view, which it removes.
size_t takeDigits(std::string_view& view) {
    size_t count = 0;
    while (count < view.size() && isDigit(view[count])) ++count;
    view.remove_prefix(count);
    return count;
}

// A decimal number: optional sign, digits with an optional point (at least
// one digit), optional exponent. No hexadecimal, no "nan" or "inf".
bool isDecimalNumber(std::string_view view) {
    if (!view.empty() && (view.front() == '+' || view.front() == '-')) view.remove_prefix(1);
    size_t digits = takeDigits(view);
    if (!view.empty() && view.front() == '.') {
        view.remove_prefix(1);
        digits += takeDigits(view);
    }
    if (digits == 0) return false;
    if (!view.empty() && (view.front() == 'e' || view.front() == 'E')) {
        view.remove_prefix(1);
        if (!view.empty() && (view.front() == '+' || view.front() == '-')) view.remove_prefix(1);
        if (takeDigits(view) == 0) return false;
    }
    return view.empty();
}

// The "C" locale for strtod_l, whatever locale the application runs in.
locale_t classicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Sets the text only when it differs, so that an unchanged field keeps its
// cursor and selection and emits no change signal.
void setEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

}  // namespace

DataExchange::DataExchange(QWidget* dialog, bool saveAndValidate)
    : dialog_(dialog), saving_(saveAndValidate) {}

bool DataExchange::parseNumber(const std::string& text, double& value) {
    std::string core(trimmed(text));
    // German users write the decimal separator as a comma: one comma stands
    // for the point, when there is no point.
    const size_t comma = core.find(',');
    if (comma != std::string::npos && core.find(',', comma + 1) == std::string::npos &&
        core.find('.') == std::string::npos) {
        core[comma] = '.';
    }
    if (!isDecimalNumber(core)) return false;
    // The syntax is checked above; strtod_l rounds correctly and reports
    // overflow as an infinite value. An underflow gives zero or a subnormal
    // value and is accepted, as C's conversion does.
    const double parsed = strtod_l(core.c_str(), nullptr, classicLocale());
    if (!std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool DataExchange::parseInteger(const std::string& text, int32_t& value) {
    std::string_view core = trimmed(text);
    if (!core.empty() && core.front() == '+') {
        core.remove_prefix(1);
        if (!core.empty() && core.front() == '-') return false;
    }
    int32_t parsed = 0;
    const auto [end, error] = std::from_chars(core.data(), core.data() + core.size(), parsed);
    if (core.empty() || error != std::errc() || end != core.data() + core.size()) return false;
    value = parsed;
    return true;
}

std::string DataExchange::formatNumber(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

void DataExchange::number(QLineEdit* edit, double& value) {
    if (failed_ || edit == nullptr) return;
    if (!saving_) {
        setEditText(edit, qt(formatNumber(value)));
        return;
    }
    double parsed = 0.0;
    const QString typed = edit->text();
    if (parseNumber(typed.toStdString(), parsed)) {
        value = parsed;
        // A value typed with a decimal comma is shown back with the point.
        if (typed.contains(u',')) setEditText(edit, qt(formatNumber(value)));
    } else {
        fail(edit, kNumberMessage);
    }
}

void DataExchange::integer(QLineEdit* edit, int32_t& value) {
    if (failed_ || edit == nullptr) return;
    if (!saving_) {
        setEditText(edit, QString::number(value));
        return;
    }
    int32_t parsed = 0;
    if (parseInteger(edit->text().toStdString(), parsed)) {
        value = parsed;
    } else {
        fail(edit, kIntegerMessage);
    }
}

void DataExchange::text(QLineEdit* edit, std::string& value) {
    if (failed_ || edit == nullptr) return;
    if (saving_) {
        value = edit->text().toStdString();
    } else {
        setEditText(edit, qt(value));
    }
}

void DataExchange::text(QLabel* label, std::string& value) {
    if (failed_ || label == nullptr) return;
    if (saving_) {
        value = label->text().toStdString();
        return;
    }
    // A member is plain text: a path with '<' must not turn into markup.
    if (label->textFormat() == Qt::AutoText) label->setTextFormat(Qt::PlainText);
    if (label->text() != qt(value)) label->setText(qt(value));
}

void DataExchange::combo(QComboBox* combo, std::string& value) {
    if (failed_ || combo == nullptr) return;
    if (saving_) {
        value = combo->currentIndex() >= 0 || combo->isEditable()
                    ? combo->currentText().toStdString()
                    : std::string();
        return;
    }
    const QString wanted = qt(value);
    int found = -1;
    for (int i = 0; i < combo->count() && found < 0; ++i) {
        if (combo->itemText(i).startsWith(wanted, Qt::CaseSensitive)) found = i;
    }
    combo->setCurrentIndex(found);
    if (found < 0 && combo->isEditable()) combo->setEditText(wanted);
}

void DataExchange::check(QAbstractButton* box, bool& value) {
    if (failed_ || box == nullptr) return;
    if (saving_) {
        value = box->isChecked();
    } else {
        box->setChecked(value);
    }
}

void DataExchange::shownNumber(QLineEdit* edit, double value) {
    if (failed_ || saving_ || edit == nullptr) return;
    setEditText(edit, qt(formatNumber(value)));
}

void DataExchange::fail(QWidget* control, const char* message) {
    failed_ = true;
    failedControl_ = control;
    showMessage(dialog_, QString::fromUtf8(message), QString::fromUtf8(kCaption), Icon::Exclamation,
                Buttons::Ok);
    if (auto* dialog = qobject_cast<Dialog*>(dialog_)) {
        dialog->focusControl(control);
    } else {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
    }
}

}  // namespace platform
