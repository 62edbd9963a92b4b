#pragma once
// Message boxes and file dialogs go through one replaceable service, so that
// tests record them (text, caption, icon, buttons) and script the answers
// instead of opening real modal windows.

#include <QString>

class QWidget;

namespace platform {

enum class Icon { None, Exclamation, Error, Question };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual Answer showMessage(QWidget* parent, const QString& text, const QString& caption,
                               Icon icon, Buttons buttons) = 0;
    // The chosen path, or an empty string when the user cancelled. The save
    // dialog appends defaultSuffix to a name without one and asks before it
    // overwrites an existing file. filter: name filters separated by ";;"
    // ("Metafile (*.met);;Alle Dateien (*)"); currentPath preselects a file.
    virtual QString chooseOpenFile(QWidget* parent, const QString& defaultSuffix,
                                   const QString& filter, const QString& currentPath) = 0;
    virtual QString chooseSaveFile(QWidget* parent, const QString& defaultSuffix,
                                   const QString& filter, const QString& currentPath) = 0;
};

// The service in use: the Qt one unless a test installed another.
MessageService& messageService();
// Installs a service (nullptr goes back to the Qt one). The caller keeps ownership.
void setMessageService(MessageService* service);

// Shorthand for messageService().showMessage.
Answer showMessage(QWidget* parent, const QString& text, const QString& caption,
                   Icon icon = Icon::Exclamation, Buttons buttons = Buttons::Ok);

// The "Falsche Eingabe" box with the exclamation icon for a value out of range;
// returns false, so that a check can end with `return warnInput(...)`.
bool warnInput(QWidget* parent, const QString& text);

}  // namespace platform
