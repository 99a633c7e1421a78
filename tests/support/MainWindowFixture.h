#pragma once
#include "link/SimFtdi.h"
#include "link/SimulatedUnit.h"
#include "support/MessageRecorder.h"
#include "ui/Unit_Main.h"
#include <QTemporaryDir>
#include <memory>

// The real main window against the in-process simulated unit, with its INI file in a
// folder of its own and every message box answered by the recorder.
struct MainWindowFixture
{
    // iniText: the contents of vezo.ini before start-up; empty for no file.
    explicit MainWindowFixture(const QByteArray &iniText = QByteArray(), bool cableIn = true);
    ~MainWindowFixture();

    // Runs the end of the splash: Timer_USB starts and ticks once.
    void endSplash();
    // One monitor tick.
    void tick();

    QTemporaryDir iniDir;
    SimulatedUnit unit;
    VirtualClock clock;
    SimFtdi api{unit, clock};
    MessageRecorder messages;
    // What the cable says when it cannot be opened (a port the user may not open).
    QString cableReason;
    std::unique_ptr<TForm_Main> window;
};
