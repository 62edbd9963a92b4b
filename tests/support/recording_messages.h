#pragma once
// A MessageService for tests: records every box and file dialog and answers
// from scripted queues. Installs itself on construction and uninstalls itself
// on destruction.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/messages.h"

namespace platform {

struct RecordedMessage {
    QString text;
    QString caption;
    Icon icon;
    Buttons buttons;
};

struct RecordedFileDialog {
    bool save;
    QString defaultSuffix;
    QString filter;
    QString currentPath;
};

class RecordingMessageService : public MessageService {
public:
    RecordingMessageService();
    ~RecordingMessageService() override;

    Answer showMessage(QWidget* parent, const QString& text, const QString& caption, Icon icon,
                       Buttons buttons) override;
    QString chooseOpenFile(QWidget* parent, const QString& defaultSuffix, const QString& filter,
                           const QString& currentPath) override;
    QString chooseSaveFile(QWidget* parent, const QString& defaultSuffix, const QString& filter,
                           const QString& currentPath) override;

    // Scripted answers, used front first; when empty a box answers Ok (or Yes
    // for Yes/No) and a file dialog answers "" (cancelled).
    std::deque<Answer> answers;
    std::deque<QString> files;
    // Called while a box is "open" (after it was recorded), for tests that act
    // during a box.
    std::function<void(const RecordedMessage&)> onMessage;

    std::vector<RecordedMessage> messages;
    std::vector<RecordedFileDialog> fileDialogs;

    QStringList texts() const;
    void clear();

private:
    MessageService* previous_;
};

}  // namespace platform
