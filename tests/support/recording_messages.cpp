#include "tests/support/recording_messages.h"

namespace platform {

RecordingMessageService::RecordingMessageService() : previous_(&messageService()) {
    setMessageService(this);
}

RecordingMessageService::~RecordingMessageService() {
    if (&messageService() == this) setMessageService(previous_);
}

Answer RecordingMessageService::showMessage(QWidget*, const QString& text, const QString& caption,
                                            Icon icon, Buttons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (onMessage) {
        const RecordedMessage shown = messages.back();  // the callback may clear()
        onMessage(shown);
    }
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

QString RecordingMessageService::chooseOpenFile(QWidget*, const QString& defaultSuffix,
                                                const QString& filter, const QString& currentPath) {
    fileDialogs.push_back({false, defaultSuffix, filter, currentPath});
    if (files.empty()) return {};
    const QString file = files.front();
    files.pop_front();
    return file;
}

QString RecordingMessageService::chooseSaveFile(QWidget*, const QString& defaultSuffix,
                                                const QString& filter, const QString& currentPath) {
    fileDialogs.push_back({true, defaultSuffix, filter, currentPath});
    if (files.empty()) return {};
    const QString file = files.front();
    files.pop_front();
    return file;
}

QStringList RecordingMessageService::texts() const {
    QStringList list;
    for (const RecordedMessage& message : messages) list << message.text;
    return list;
}

void RecordingMessageService::clear() {
    messages.clear();
    fileDialogs.clear();
}

}  // namespace platform
