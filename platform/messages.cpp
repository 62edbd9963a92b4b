#include "platform/messages.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

QMessageBox::Icon toQtIcon(Icon icon) {
    switch (icon) {
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Splits a filter of the form "Text (*.txt);;Alle Dateien (*)".
QStringList nameFilters(const QString& filter) {
    QStringList filters = filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (filters.isEmpty()) filters << QStringLiteral("*");
    return filters;
}

// Gives the activation back to the window that opened a box. Without a window
// manager nothing else would, and the focus that a failed check put back into
// a field would never reach it.
void reactivate(QWidget* parent) {
    if (parent != nullptr && parent->window()->isVisible()) parent->window()->activateWindow();
}

QString runFileDialog(QFileDialog& dialog, const QString& defaultSuffix, const QString& filter,
                      const QString& currentPath) {
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setNameFilters(nameFilters(filter));
    if (!currentPath.isEmpty()) dialog.selectFile(currentPath);
    const int result = dialog.exec();
    reactivate(dialog.parentWidget());
    if (result != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

class QtMessageService : public MessageService {
public:
    Answer showMessage(QWidget* parent, const QString& text, const QString& caption, Icon icon,
                       Buttons buttons) override {
        QMessageBox box(parent);
        box.setWindowTitle(caption);
        box.setTextFormat(Qt::PlainText);  // file names may contain '<'
        box.setText(text);
        box.setIcon(toQtIcon(icon));
        if (buttons == Buttons::Ok) {
            box.setStandardButtons(QMessageBox::Ok);
            box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
            box.setDefaultButton(QMessageBox::Ok);
            box.exec();
            reactivate(parent);
            return Answer::Ok;
        }
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
        box.setDefaultButton(QMessageBox::Yes);
        box.exec();
        reactivate(parent);
        return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
    }

    QString chooseOpenFile(QWidget* parent, const QString& defaultSuffix, const QString& filter,
                           const QString& currentPath) override {
        QFileDialog dialog(parent, QStringLiteral("Öffnen"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return runFileDialog(dialog, defaultSuffix, filter, currentPath);
    }

    QString chooseSaveFile(QWidget* parent, const QString& defaultSuffix, const QString& filter,
                           const QString& currentPath) override {
        QFileDialog dialog(parent, QStringLiteral("Speichern unter"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        return runFileDialog(dialog, defaultSuffix, filter, currentPath);
    }
};

QtMessageService& qtService() {
    static QtMessageService service;
    return service;
}

MessageService* installed = nullptr;

}  // namespace

MessageService& messageService() {
    return installed != nullptr ? *installed : qtService();
}

void setMessageService(MessageService* service) {
    installed = service;
}

Answer showMessage(QWidget* parent, const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) {
    return messageService().showMessage(parent, text, caption, icon, buttons);
}

bool warnInput(QWidget* parent, const QString& text) {
    showMessage(parent, text, QStringLiteral("Falsche Eingabe"), Icon::Exclamation, Buttons::Ok);
    return false;
}

}  // namespace platform
