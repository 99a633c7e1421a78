#include "lang/Teksty_WJ.h"
#include "model/Plik_Ustawien.h"
#include "support/MainWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

namespace {
// Answers the file dialogs with the next path of a list; empty for cancel.
struct Dialogs
{
    Dialogs()
    {
        TForm_Main::setFileDialogAnswerer([this](bool save, const QString &title, const QString &filter,
                                                 const QString &) {
            asked << (save ? QStringLiteral("save") : QStringLiteral("open"));
            titles << title;
            filters << filter;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    ~Dialogs() { TForm_Main::setFileDialogAnswerer({}); }
    QStringList answers, asked, titles, filters;
};

QByteArray fileBytes(qint32 device, qint32 version)
{
    Dane_Podstawowe d;
    QByteArray b = Plik_Ustawien::Zbuduj(d, QStringLiteral("x"));
    auto put = [&b](int at, qint32 v) {
        for (int k = 0; k < 4; ++k)
            b[at + k] = char((v >> (8 * k)) & 0xFF);
    };
    put(4, device);
    put(8, version);
    return b;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class tst_pliki : public QObject
{
    Q_OBJECT
private slots:
    void saveAsThenOpen();
    void refusedOpen_data();
    void refusedOpen();
    void saveAfterRefusedOpenAsksForThatFile();
    void cancelledDialogsChangeNothing();
    void platformFailures();
    void newSettings_data();
    void newSettings();
};

void tst_pliki::saveAsThenOpen()
{
    MainWindowFixture f;
    Dialogs dialogs;
    TForm_Main &w = *f.window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blok 7"));

    w.D1_Edit_Krotki_Opis->setText(QStringLiteral("Zażółć gęślą jaźń, klatka B"));
    w.Zakladka().Ustaw_Kod_Lokalu(17, QStringLiteral("0712"));
    w.Zakladka().Ustaw_Dzwonek(17, 0, QStringLiteral("  0"));
    dialogs.answers << path;
    w.Action_Plik_Zapisz_jako_ustawienia->trigger();
    QCOMPARE(dialogs.asked, QStringList{"save"});
    QCOMPARE(dialogs.titles.first(), WJ(681));
    QCOMPARE(dialogs.filters.first(), QStringLiteral("Intercom VEZO (*.qor)|*.qor"));
    QCOMPARE(w.windowTitle(), QStringLiteral("VEZO v2.3  ::  blok 7.qor"));
    const QByteArray saved = readFile(path + ".qor");
    QCOMPARE(saved.size(), 591);
    QCOMPARE(quint8(saved[63 + 34]), quint8(0x87)); // apartment 17: "07" with "Zez" off
    QCOMPARE(quint8(saved[63 + 35]), quint8(12));

    // Bytes 521 to 528 of a file read travel into the next file written.
    QByteArray withTail = saved;
    for (int k = 521; k <= 528; ++k)
        withTail[63 + k - 1] = char(k - 500);
    writeFile(path + ".qor", withTail);
    w.Action_Plik_Nowe_ustawienia->trigger(); // asks 753, answered Yes
    QCOMPARE(w.D1_Edit_Krotki_Opis->text(), QString());
    QCOMPARE(w.windowTitle(), QStringLiteral("VEZO v2.3"));

    dialogs.answers << path + ".qor";
    w.Action_Plik_Otworz_ustawienia->trigger();
    QCOMPARE(dialogs.titles.last(), WJ(680));
    QCOMPARE(w.D1_Edit_Krotki_Opis->text(), QStringLiteral("Zażółć gęślą jaźń, klatka B"));
    QCOMPARE(w.Zakladka().Kod_Lokalu(17), QStringLiteral("0712"));
    QCOMPARE(w.Zakladka().Dzwonek(17, 0), QStringLiteral("  0"));
    QCOMPARE(w.windowTitle(), QStringLiteral("VEZO v2.3  ::  blok 7.qor"));

    f.messages.clear();
    w.Action_Plik_Zapisz_ustawienia->trigger();
    QCOMPARE(f.messages.texts(), QStringList{WJ(720) + "blok 7.qor?"});
    QCOMPARE(f.messages.messages().first().flags, 0x24);
    QCOMPARE(readFile(path + ".qor").mid(63 + 520, 8), withTail.mid(63 + 520, 8));
}

void tst_pliki::refusedOpen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("text");
    QTest::newRow("device 2, version 40") << fileBytes(2, 40) << 721;
    QTest::newRow("device 1, version 40") << fileBytes(1, 40) << 774;
    QTest::newRow("short") << fileBytes(1, 39).left(300) << 775;
}

void tst_pliki::refusedOpen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, text);
    MainWindowFixture f;
    Dialogs dialogs;
    TForm_Main &w = *f.window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("obcy.qor"));
    writeFile(path, bytes);
    w.D1_Edit_Krotki_Opis->setText(QStringLiteral("mine"));
    const QString code = w.Zakladka().Kod_Lokalu(5);
    dialogs.answers << path;
    w.Action_Plik_Otworz_ustawienia->trigger();
    const QString expected = text == 775 ? WJ(text).arg(QDir::toNativeSeparators(path)) : WJ(text);
    QCOMPARE(f.messages.texts(), QStringList{expected});
    QCOMPARE(f.messages.messages().first().flags, 0x30);
    QCOMPARE(w.D1_Edit_Krotki_Opis->text(), QStringLiteral("mine"));
    QCOMPARE(w.Zakladka().Kod_Lokalu(5), code);
    QCOMPARE(w.windowTitle(), QStringLiteral("VEZO v2.3"));
    QCOMPARE(w.Nazwa_Pliku_Ustawien, path);
}

void tst_pliki::saveAfterRefusedOpenAsksForThatFile()
{
    MainWindowFixture f;
    Dialogs dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("obcy.qor"));
    writeFile(path, fileBytes(2, 39));
    dialogs.answers << path;
    f.window->Action_Plik_Otworz_ustawienia->trigger();
    f.messages.clear();
    f.messages.answerQuestions(7);
    f.window->Action_Plik_Zapisz_ustawienia->trigger();
    QCOMPARE(f.messages.texts(), QStringList{WJ(720) + "obcy.qor?"});
    QCOMPARE(readFile(path), fileBytes(2, 39)); // No: untouched
}

void tst_pliki::cancelledDialogsChangeNothing()
{
    MainWindowFixture f;
    Dialogs dialogs;
    f.window->Action_Plik_Zapisz_ustawienia->trigger(); // no current file: save as
    f.window->Action_Plik_Otworz_ustawienia->trigger();
    QCOMPARE(dialogs.asked, (QStringList{"save", "open"}));
    QVERIFY(f.window->Nazwa_Pliku_Ustawien.isEmpty());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VEZO v2.3"));
    QVERIFY(f.messages.messages().isEmpty());
}

void tst_pliki::platformFailures()
{
    MainWindowFixture f;
    Dialogs dialogs;
    TForm_Main &w = *f.window;
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("brak.qor"));
    dialogs.answers << missing;
    w.Action_Plik_Otworz_ustawienia->trigger();
    QCOMPARE(f.messages.messages().size(), 1);
    QCOMPARE(f.messages.messages().first().flags, 0x10);
    QVERIFY(f.messages.messages().first().text.contains(QStringLiteral("brak.qor")));

    f.messages.clear();
    const QString uncreatable = dir.filePath(QStringLiteral("no such folder/x.qor"));
    dialogs.answers << uncreatable;
    w.Action_Plik_Zapisz_jako_ustawienia->trigger();
    QCOMPARE(f.messages.messages().size(), 1);
    QCOMPARE(f.messages.messages().first().flags, 0x10);
    QVERIFY(f.messages.messages().first().text.contains(QStringLiteral("x.qor")));
    QCOMPARE(w.Nazwa_Pliku_Ustawien, uncreatable);
    QCOMPARE(w.windowTitle(), QStringLiteral("VEZO v2.3"));

    // A cell that is not a number: nothing is written, the old file survives.
    const QString good = dir.filePath(QStringLiteral("dobry.qor"));
    writeFile(good, fileBytes(1, 39));
    w.Nazwa_Pliku_Ustawien = good;
    w.Zakladka().Ustaw_Kod_Lokalu(3, QString());
    f.messages.clear();
    w.Action_Plik_Zapisz_ustawienia->trigger();
    QCOMPARE(f.messages.texts(), (QStringList{WJ(720) + "dobry.qor?", WJ(777)}));
    QCOMPARE(readFile(good), fileBytes(1, 39));
}

void tst_pliki::newSettings_data()
{
    QTest::addColumn<bool>("current");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("no file: no question") << false << 0 << true;
    QTest::newRow("file, yes") << true << 6 << true;
    QTest::newRow("file, no") << true << 7 << false;
}

void tst_pliki::newSettings()
{
    QFETCH(bool, current);
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    if (current) {
        w.Nazwa_Pliku_Ustawien = QStringLiteral("/tmp/a.qor");
        w.setWindowTitle(QStringLiteral("VEZO v2.3  ::  a.qor"));
    }
    w.Zakladka().Ustaw_Parametr(1, QStringLiteral("5"));
    w.Zakladka().Ustaw_Dzwonek(30, 1, QStringLiteral("  0"));
    w.D1_Edit_Krotki_Opis->setText(QStringLiteral("opis"));
    f.messages.answerQuestions(answer);
    w.Action_Plik_Nowe_ustawienia->trigger();
    QCOMPARE(f.messages.texts(), current ? QStringList{WJ(753)} : QStringList{});
    QCOMPARE(w.Zakladka().Parametr(1), cleared ? QStringLiteral("1") : QStringLiteral("5"));
    QCOMPARE(w.Zakladka().Dzwonek(30, 1), cleared ? QStringLiteral("  1") : QStringLiteral("  0"));
    QCOMPARE(w.D1_Edit_Krotki_Opis->text().isEmpty(), cleared);
    QCOMPARE(w.Nazwa_Pliku_Ustawien.isEmpty(), !current || cleared);
    QCOMPARE(w.windowTitle() == QStringLiteral("VEZO v2.3"), !current || cleared);
}

QTEST_MAIN(tst_pliki)
#include "tst_pliki.moc"
