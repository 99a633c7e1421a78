#pragma once
#include "model/SettingsTab.h"
#include <QString>
#include <QStringList>

// Every setting of the settings tab as plain text lines, captioned in the current
// language: description, code table, the codes grid as it is laid out (rows by tens),
// parameters, unit-wide options, extra input, additional numbers, I/O ports and the
// ringing grid. For the command line and support notes.
QStringList Tekst_Ustawien(const SettingsTab &tab, const QString &opis);
