#pragma once
// The application object: shows the main window and runs until it closes.

#include <QApplication>

class CGitterwerkApp : public QApplication {
    Q_OBJECT
public:
    CGitterwerkApp(int& argc, char** argv);
    ~CGitterwerkApp() override;

    // Shows a new main window and returns when it has closed (always 0: how
    // the window closed does not matter).
    int initInstance();
};
