#include "platform/data_exchange.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "fileio/field_number.h"
#include "platform/dialog.h"
#include "platform/messages.h"

namespace platform {
namespace {

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

void DataExchange::number(QLineEdit* edit, double& value) {
    if (failed_ || edit == nullptr) return;
    if (!saving_) {
        setEditText(edit, qt(fileio::formatNumberField(value)));
        return;
    }
    double parsed = 0.0;
    const QString typed = edit->text();
    if (fileio::parseNumberField(typed.toStdString(), parsed)) {
        value = parsed;
        // A value typed with a decimal comma is shown back with the point.
        if (typed.contains(u',')) setEditText(edit, qt(fileio::formatNumberField(value)));
    } else {
        fail(edit, fileio::kNumberMessage);
    }
}

void DataExchange::integer(QLineEdit* edit, int32_t& value) {
    if (failed_ || edit == nullptr) return;
    if (!saving_) {
        setEditText(edit, QString::number(value));
        return;
    }
    int32_t parsed = 0;
    if (fileio::parseIntegerField(edit->text().toStdString(), parsed)) {
        value = parsed;
    } else {
        fail(edit, fileio::kIntegerMessage);
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
    setEditText(edit, qt(fileio::formatNumberField(value)));
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
