#include "tests/support/snapshot.h"

#include <QTest>
#include <QWidget>
#include <cstdio>

namespace snapshot {

bool outputFolder(int argc, char** argv, QDir& dir) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return false;
    }
    dir.setPath(QString::fromLocal8Bit(argv[1]));
    return dir.mkpath(QStringLiteral("."));
}

bool save(QWidget& widget, const QDir& dir, const QString& name) {
    widget.show();
    widget.activateWindow();  // so that the focused control shows its focus
    if (!QTest::qWaitForWindowActive(&widget)) return false;
    QTest::qWait(50);
    const QString path = dir.filePath(name + ".png");
    if (!widget.grab().save(path)) return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace snapshot
