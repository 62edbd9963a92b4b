#pragma once
// What the snapshot programs share: the output folder named on the command
// line, and a dialog shown, activated and grabbed into OUTDIR/<name>.png.

#include <QDir>
#include <QString>

class QWidget;

namespace snapshot {

// The folder of argv[1], made when missing; false (after a usage line on
// standard error) without one.
bool outputFolder(int argc, char** argv, QDir& dir);

// Shows and activates the widget, waits until it is active, and saves its
// picture; prints the path written.
bool save(QWidget& widget, const QDir& dir, const QString& name);

}  // namespace snapshot
