// The application shell: the program's run, the menu, the tool dialogs held
// by the main window, the About box, and how the program ends.

#include <gtest/gtest.h>
#include <clocale>
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/display_check.h"
#include "app/gitterwerk_app.h"
#include "app/gitterwerk_dlg.h"
#include "platform/controls.h"
#include "tests/support/recording_messages.h"

namespace {

CGitterwerkDlg* visibleMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<CGitterwerkDlg*>(widget);
        if (window != nullptr && window->isVisible()) return window;
    }
    return nullptr;
}

// Runs first: closing windows in later tests must not disturb the loop.
TEST(Application, RunsUntilTheMainWindowCloses) {
    bool closedByTest = false;
    QTimer::singleShot(0, [&closedByTest] {
        CGitterwerkDlg* window = visibleMainWindow();
        if (window == nullptr || !QTest::qWaitForWindowActive(window)) return;
        closedByTest = true;
        QTest::keyClick(window, Qt::Key_Escape);
    });
    // A safety net, so that a window that does not close fails instead of hanging.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, &QCoreApplication::quit);
    guard.start(20000);

    auto* application = static_cast<CGitterwerkApp*>(QCoreApplication::instance());
    EXPECT_EQ(application->initInstance(), 0);
    EXPECT_TRUE(closedByTest);
    EXPECT_TRUE(guard.isActive());
    EXPECT_EQ(visibleMainWindow(), nullptr);
}

TEST(Application, NamesItselfAndCarriesTheIcon) {
    EXPECT_EQ(QApplication::applicationName(), "Gitterwerk");
    EXPECT_EQ(QApplication::applicationVersion(), "1.1.2");
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

TEST(Application, QtsOwnDialogTextsAreGerman) {
    // The file dialogs and their overwrite question come from Qt itself.
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(translations + QStringLiteral("/qtbase_de.qm"))) {
        GTEST_SKIP() << "Qt's German translation is not installed (qt6-translations-l10n)";
    }
    const auto german = [](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    };
    EXPECT_EQ(german("QFileDialog", "%1 already exists.\nDo you want to replace it?").substr(0, 30),
              "Die Datei %1 existiert bereits");
    EXPECT_EQ(german("QFileDialog", "&Save"), "S&peichern");
    EXPECT_EQ(german("QFileDialog", "File &name:"), "Datei&name:");
    EXPECT_EQ(german("QLineEdit", "&Copy"), "&Kopieren");
}

TEST(Application, WritesNumbersWithADecimalPoint) {
    // The application object has run; whatever locale the environment named,
    // formatted numbers must keep the decimal point that files and rounding
    // rely on.
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 52.4);
    EXPECT_STREQ(text, "52.40");
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window.runModal = [this](QDialog& dialog) {
            opened.push_back(&dialog);
            dialog.show();
            dialog.activateWindow();
            // qWaitForWindowActive is satisfied by the active main window (the
            // dialog's transient parent); keys and focus need the dialog itself.
            EXPECT_TRUE(
                QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
            if (whileOpen) whileOpen(dialog);
            if (dialog.isVisible()) dialog.reject();
            return dialog.result();
        };
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void command(int id) {
        QAction* action = window.commandAction(id);
        ASSERT_NE(action, nullptr) << id;
        action->trigger();
    }

    QStringList texts(const QList<QAction*>& actions) {
        QStringList result;
        for (const QAction* action : actions) result << action->text();
        return result;
    }

    platform::RecordingMessageService messages;
    CGitterwerkDlg window;
    std::vector<QDialog*> opened;
    // What the user does while a dialog runs; afterwards it is closed with
    // "Abbrechen" semantics if still open.
    std::function<void(QDialog&)> whileOpen;
};

TEST_F(MainWindowTest, MenuHoldsTheCommandsInOrder) {
    EXPECT_EQ(window.windowTitle(), "Gitterwerk");
    const QList<QAction*> top = window.menuBar()->actions();
    ASSERT_EQ(texts(top), (QStringList{"&Datei", "&Kartennetz", "&Hilfe"}));
    EXPECT_EQ(texts(top[0]->menu()->actions()), QStringList{"&Beenden"});
    const QList<QAction*> graticule = top[1]->menu()->actions();
    ASSERT_EQ(texts(graticule),
              (QStringList{"&Kartennetz / Koordinaten", "&Strecken / Winkel ..."}));
    ASSERT_NE(graticule[0]->menu(), nullptr);
    EXPECT_EQ(texts(graticule[0]->menu()->actions()),
              (QStringList{"&erzeugen ...", "&transformieren ..."}));
    EXPECT_EQ(texts(top[2]->menu()->actions()), QStringList{"&Info"});

    const struct {
        int id;
        const char* text;
    } commands[] = {{40001, "&Beenden"},
                    {40006, "&erzeugen ..."},
                    {40007, "&transformieren ..."},
                    {40004, "&Strecken / Winkel ..."},
                    {40002, "&Info"}};
    for (const auto& c : commands) {
        ASSERT_NE(window.commandAction(c.id), nullptr) << c.id;
        EXPECT_EQ(window.commandAction(c.id)->text(), c.text);
    }
}

TEST_F(MainWindowTest, EachMenuItemRunsItsOwnToolDialog) {
    const struct {
        int id;
        QDialog* dialog;
    } tools[] = {{40006, &window.m_dlgGraticule},
                 {40007, &window.m_dlgTransform},
                 {40004, &window.m_dlgDistance}};
    for (const auto& tool : tools) {
        opened.clear();
        command(tool.id);
        ASSERT_EQ(opened.size(), 1u) << tool.id;
        EXPECT_EQ(opened[0], tool.dialog) << tool.id;
        EXPECT_EQ(tool.dialog->parentWidget(), &window);
        EXPECT_FALSE(tool.dialog->testAttribute(Qt::WA_DeleteOnClose));
        EXPECT_FALSE(tool.dialog->isVisible());
    }
    EXPECT_EQ(window.m_dlgTransform.windowTitle(), "Kartennetz / Koordinaten transformieren");
    EXPECT_EQ(window.m_dlgDistance.windowTitle(), "Strecken / Winkel");
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, KeyboardReachesTheDistanceDialogThroughTheMenu) {
    QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened.size() == 1u; }));
    EXPECT_EQ(opened[0], &window.m_dlgDistance);
}

TEST_F(MainWindowTest, ValuesLeftInAToolAreThereAtTheNextOpening) {
    whileOpen = [](QDialog& dialog) {
        auto* lat = platform::findControlAs<QLineEdit>(&dialog, 1020);
        lat->setFocus(Qt::TabFocusReason);
        lat->selectAll();
        QTest::keyClicks(lat, "12.5");
        QTest::keyClick(lat, Qt::Key_Tab);
        QTest::mouseClick(platform::findControlAs<QPushButton>(&dialog, 1), Qt::LeftButton);
    };
    command(40004);
    EXPECT_EQ(window.m_dlgDistance.m_dPlace1Lat, 12.5);
    const double distance = window.m_dlgDistance.m_dDistance;

    QString shown;
    whileOpen = [&shown](QDialog& dialog) {
        shown = platform::findControlAs<QLineEdit>(&dialog, 1020)->text();
    };
    window.m_dlgDistance.m_dDistance = -1.0;  // the opening recomputes it
    command(40004);
    EXPECT_EQ(shown, "12.5");
    EXPECT_EQ(window.m_dlgDistance.m_dDistance, distance);
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], opened[1]);
}

TEST_F(MainWindowTest, InfoShowsTheAboutBox) {
    QString title;
    QStringList labels;
    QSize iconSize;
    int result = -1;
    whileOpen = [&](QDialog& dialog) {
        title = dialog.windowTitle();
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) labels << label->text();
            if (!label->pixmap().isNull()) iconSize = label->pixmap().size();
        }
        auto* ok = platform::findControlAs<QPushButton>(&dialog, 1);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        QTest::mouseClick(ok, Qt::LeftButton);
        result = dialog.result();
        EXPECT_FALSE(dialog.isVisible());
    };
    command(40002);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(title, "Info über Gitterwerk");
    EXPECT_EQ(labels, QStringList{"Gitterwerk 1.1.2"});
    EXPECT_EQ(iconSize, QSize(32, 32));
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, EnterEscapeAndExitEndTheProgram) {
    const std::vector<std::function<void(CGitterwerkDlg&)>> ways = {
        [](CGitterwerkDlg& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](CGitterwerkDlg& w) { QTest::keyClick(&w, Qt::Key_Return); },
        [](CGitterwerkDlg& w) { QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier); },
        [](CGitterwerkDlg& w) { w.commandAction(40001)->trigger(); },
        [](CGitterwerkDlg& w) { w.close(); },  // the close box
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        CGitterwerkDlg other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other)) << i;
        ways[i](other);
        EXPECT_FALSE(other.isVisible()) << i;
    }
}

TEST_F(MainWindowTest, EnterInTheMenuBarOpensTheMenuAndDoesNotEndTheProgram) {
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                         std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        QTest::keyClick(&window, Qt::Key_Alt);  // keyboard navigation of the menu bar
        ASSERT_EQ(QApplication::focusWidget(), window.menuBar()) << key;
        QTest::keyClick(window.menuBar(), key, modifiers);
        EXPECT_TRUE(window.isVisible()) << key;
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
            << key;
        EXPECT_EQ(QApplication::activePopupWidget(), window.menuBar()->actions().at(0)->menu());
        // Escape closes the menu, a second one leaves the menu bar.
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
        QTest::keyClick(window.menuBar(), Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible()) << key;
        EXPECT_EQ(window.menuBar()->activeAction(), nullptr) << key;
    }
    // Out of the navigation Enter ends the program again, even though the
    // menu bar may still hold the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, AutoRepeatedKeysDoNotEndTheProgram) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QTest::simulateEvent(&window, true, key, Qt::NoModifier, QString(), true);
        QTest::simulateEvent(&window, false, key, Qt::NoModifier, QString(), true);
        EXPECT_TRUE(window.isVisible()) << key;
    }
}

// Key events as X11 delivers a key held down: release/press pairs with equal
// timestamps that Qt did not mark as auto-repeat. Only a fresh press made in
// the main window ends the program.
struct KeyEventStep {
    bool press;
    ulong timestamp;
};
struct HeldKeyCase {
    const char* what;
    std::vector<KeyEventStep> steps;
    bool ends;
};

TEST_F(MainWindowTest, OnlyAFreshPressInTheMainWindowEndsTheProgram) {
    const HeldKeyCase cases[] = {
        {"a press", {{true, 1000}}, true},
        {"a release whose press went to a dialog", {{false, 1000}}, false},
        {"the repeats of a key held since a dialog",
         {{false, 1000}, {true, 1000}, {false, 1033}, {true, 1033}, {false, 1066}, {true, 1066}},
         false},
        {"a new press after the key was let go", {{false, 1000}, {true, 1500}}, true},
    };
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        for (const HeldKeyCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " " + std::to_string(key));
            CGitterwerkDlg other;
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
            for (const KeyEventStep& step : c.steps) {
                // As the window system delivers a key: shortcuts see a press first.
                if (step.press &&
                    qt_sendShortcutOverrideEvent(&other, step.timestamp, key, Qt::NoModifier)) {
                    continue;
                }
                QKeyEvent event(step.press ? QEvent::KeyPress : QEvent::KeyRelease, key,
                                Qt::NoModifier);
                event.setTimestamp(step.timestamp);
                QApplication::sendEvent(&other, &event);
            }
            EXPECT_EQ(!other.isVisible(), c.ends);
        }
    }
}

TEST_F(MainWindowTest, HeldEscapeClosesTheToolButNotTheProgram) {
    whileOpen = [](QDialog& dialog) {
        auto* lat = platform::findControlAs<QLineEdit>(&dialog, 1020);
        lat->setFocus(Qt::TabFocusReason);
        lat->selectAll();
        QTest::keyClicks(lat, "33");
        QTest::keyClick(lat, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // first press
        EXPECT_FALSE(dialog.isVisible());
    };
    command(40004);
    // The key's repeats arrive at the main window.
    for (int i = 0; i < 3; ++i) {
        QTest::simulateEvent(&window, true, Qt::Key_Escape, Qt::NoModifier, QString(), true);
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.m_dlgDistance.m_dPlace1Lat, 33.0);
}

// The real way the main window opens a tool: a modal run of the member
// dialog (the About box: a local one) that blocks the main window until it
// ends. A zero timer fires inside that run and ends it.
TEST(MainWindow, ToolsAndTheAboutBoxRunModally) {
    platform::RecordingMessageService messages;
    CGitterwerkDlg window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        int id;
        QDialog* dialog;  // nullptr: the About box
    } commands[] = {{40006, &window.m_dlgGraticule},
                    {40007, &window.m_dlgTransform},
                    {40004, &window.m_dlgDistance},
                    {40002, nullptr}};
    for (const auto& c : commands) {
        const QWidget* modal = nullptr;
        bool shownModal = false;
        QString title;
        QTimer timer;  // gone with the iteration if the run were not modal
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            modal = dialog;
            shownModal = dialog->isModal() && dialog->isVisible();
            title = dialog->windowTitle();
            dialog->reject();
        });
        timer.start(0);
        window.commandAction(c.id)->trigger();  // returns when the modal run has ended
        EXPECT_TRUE(shownModal) << c.id;
        if (c.dialog != nullptr) {
            EXPECT_EQ(modal, c.dialog) << c.id;
            EXPECT_FALSE(c.dialog->isVisible()) << c.id;
        } else {
            EXPECT_EQ(title, QStringLiteral("Info über Gitterwerk"));
        }
    }
    EXPECT_TRUE(window.isVisible());
}

TEST(DisplayCheck, NeedsOneOfTheThreeVariables) {
    const struct {
        const char* platform;
        const char* display;
        const char* wayland;
        bool problem;
    } cases[] = {
        {nullptr, nullptr, nullptr, true},      {"", "", "", true},
        {"offscreen", nullptr, nullptr, false}, {nullptr, ":0", nullptr, false},
        {nullptr, nullptr, "wayland-0", false}, {"", ":1", "", false},
    };
    for (const auto& c : cases) {
        const std::string message = app::displayProblem(c.platform, c.display, c.wayland);
        EXPECT_EQ(!message.empty(), c.problem);
        if (c.problem) {
            EXPECT_NE(message.find("keine Anzeige"), std::string::npos);
        }
    }
}

// Starts the real program in an environment without a usable display: it
// must say so and end with status 1, not crash or hang.
TEST(DisplayCheck, ProgramWithoutDisplayExplainsAndFails) {
    const struct {
        const char* what;
        const char* display;  // nullptr: unset
        const char* expected;
    } cases[] = {
        {"no display at all", nullptr, "keine Anzeige gefunden"},
        {"display that is not there", ":4711", "lässt sich nicht öffnen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QProcessEnvironment environment;
        environment.insert("PATH", qEnvironmentVariable("PATH"));
        environment.insert("HOME", qEnvironmentVariable("HOME"));
        if (c.display != nullptr) environment.insert("DISPLAY", c.display);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(GITTERWERK_EXE), {});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(c.expected));
    }
}

}  // namespace
