#include <QtTest>

#include "lang/Jezyk_INI.h"
#include "lang/Teksty_WJ.h"
#include "model/PlikIni.h"

#include <memory>

using namespace Qt::StringLiterals;

class TstIni : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void languageSlot_data();
    void languageSlot();
    void rewriteKeepsEveryOtherLine();
    void readInt_data();
    void readInt();
    void writeStringReadsBack_data();
    void writeStringReadsBack();
    void unwritable_data();
    void unwritable();
    void folderChoice_data();
    void folderChoice();

private:
    QString iniPath() const { return m_dir->path() + u"/vezo.ini"_s; }
    void putFile(const QByteArray &bytes) const;
    QByteArray fileBytes() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstIni::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    Ustaw_Folder_INI(m_dir->path());
}

void TstIni::cleanup()
{
    Ustaw_Folder_INI(QString());
    m_dir.reset();
}

void TstIni::putFile(const QByteArray &bytes) const
{
    QFile f(iniPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray TstIni::fileBytes() const
{
    QFile f(iniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TstIni::languageSlot_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("after");

    const QByteArray en = "[VEZO]\nJezyk=1\n";
    QTest::newRow("no file") << QByteArray() << 1 << en;
    QTest::newRow("empty file") << QByteArray("") << 1 << en;
    QTest::newRow("0 Polish") << QByteArray("[VEZO]\nJezyk=0\n") << 0 << QByteArray("[VEZO]\nJezyk=0\n");
    QTest::newRow("2 German") << QByteArray("[VEZO]\nJezyk=2\n") << 2 << QByteArray("[VEZO]\nJezyk=2\n");
    QTest::newRow("5 Slovak") << QByteArray("[VEZO]\nJezyk=5\n") << 5 << QByteArray("[VEZO]\nJezyk=5\n");
    QTest::newRow("7 out of range") << QByteArray("[VEZO]\nJezyk=7\n") << 1 << en;
    QTest::newRow("-1 out of range") << QByteArray("[VEZO]\nJezyk=-1\n") << 1 << en;
    QTest::newRow("abc") << QByteArray("[VEZO]\nJezyk=abc\n") << 1 << en;
    QTest::newRow("0x1") << QByteArray("[VEZO]\nJezyk=0x1\n") << 1 << en;
    QTest::newRow("0x5 hexadecimal") << QByteArray("[VEZO]\nJezyk=0x5\n") << 5 << QByteArray("[VEZO]\nJezyk=5\n");
    QTest::newRow("case, blanks, CRLF kept")
        << QByteArray("[ vezo ]\r\n  jezyk =  0  \r\n") << 0 << QByteArray("[ vezo ]\r\njezyk=0\r\n");
    QTest::newRow("key of another section")
        << QByteArray("[Inne]\nJezyk=0") << 1 << QByteArray("[Inne]\nJezyk=0\n[VEZO]\nJezyk=1\n");
    QTest::newRow("garbage kept, section added")
        << QByteArrayLiteral("\x00\xff\x01[VEZO\x00=]") << 1
        << QByteArrayLiteral("\x00\xff\x01[VEZO\x00=]\n[VEZO]\nJezyk=1\n");
}

void TstIni::languageSlot()
{
    QFETCH(QByteArray, before);
    QFETCH(int, slot);
    QFETCH(QByteArray, after);

    if (!before.isNull())
        putFile(before);
    Nr_Jezyka = Nr_Jezyka_Poprzedni = 3;

    Odczytaj_Nr_Jezyka_z_INI();
    QCOMPARE(Nr_Jezyka, slot);
    QCOMPARE(Nr_Jezyka_Poprzedni, slot);
    QCOMPARE(Zapisz_Nr_Jezyka_do_INI(), QString());
    QCOMPARE(fileBytes(), after);
}

void TstIni::rewriteKeepsEveryOtherLine()
{
    const QByteArray head = "\xEF\xBB\xBF; written by hand\r\n"
                            "[Inne]\r\n"
                            "Jezyk=4\r\n"
                            "  odstep = z blankami  \r\n"
                            "\r\n"
                            "[VEZO]\r\n"
                            "Inny=x\r\n";
    const QByteArray tail = "\r\n"
                            "[USB Test]\r\n"
                            "8r_1=3\r\n"
                            "8c_1=Wyślij\r\n"
                            "8c_2=Test\r\n"
                            "bez_rownosci\r\n";
    putFile(head + tail);

    Nr_Jezyka = 0;
    QCOMPARE(Zapisz_Nr_Jezyka_do_INI(), QString());
    QCOMPARE(fileBytes(), head + "Jezyk=0\r\n" + tail);

    PlikIni ini(iniPath());
    QCOMPARE(ini.readInt(u"usb test"_s, u"8R_1"_s, 0), 3);
    QCOMPARE(ini.readString(u"USB Test"_s, u"8c_1"_s, u"?"_s), u"Wyślij"_s);
    QCOMPARE(ini.readString(u"Inne"_s, u"odstep"_s, u"?"_s), u"z blankami"_s);
    QCOMPARE(ini.readString(u"USB Test"_s, u"8c_3"_s, u"Wyślij"_s), u"Wyślij"_s);
    QCOMPARE(ini.writeString(u"USB Test"_s, u"8c_2"_s, u"Nowa"_s), QString());
    QCOMPARE(fileBytes(), head + "Jezyk=0\r\n" + QByteArray(tail).replace("8c_2=Test", "8c_2=Nowa"));
}

void TstIni::readInt_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("result"); // the default is -7

    QTest::newRow("decimal") << QByteArray("12") << 12;
    QTest::newRow("blanks around") << QByteArray("  12\t") << 12;
    QTest::newRow("plus") << QByteArray("+12") << 12;
    QTest::newRow("negative") << QByteArray("-3") << -3;
    QTest::newRow("hex") << QByteArray("0x1A") << 26;
    QTest::newRow("hex upper prefix") << QByteArray("0X1f") << 31;
    QTest::newRow("negative hex") << QByteArray("-0x10") << -16;
    QTest::newRow("int max") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("too big") << QByteArray("2147483648") << -7;
    QTest::newRow("hex too big") << QByteArray("0xFFFFFFFF") << -7;
    QTest::newRow("long digits") << QByteArray("99999999999999999999999") << -7;
    QTest::newRow("letters") << QByteArray("abc") << -7;
    QTest::newRow("digits then letters") << QByteArray("12abc") << -7;
    QTest::newRow("inner blank") << QByteArray("1 2") << -7;
    QTest::newRow("prefix only") << QByteArray("0x") << -7;
    QTest::newRow("empty") << QByteArray("") << -7;
}

void TstIni::readInt()
{
    QFETCH(QByteArray, value);
    QFETCH(int, result);
    putFile("[S]\nk=" + value + "\n");
    QCOMPARE(PlikIni(iniPath()).readInt(u"S"_s, u"k"_s, -7), result);
}

void TstIni::writeStringReadsBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("plain") << u"Wyślij"_s << u"Wyślij"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks at ends") << u"  Start "_s << u"  Start "_s;
    QTest::newRow("enclosing quotes") << u"\"A\""_s << u"\"A\""_s;
    QTest::newRow("line break adds no line") << u"a\n[VEZO]\nJezyk=3"_s << u"a [VEZO] Jezyk=3"_s;
}

void TstIni::writeStringReadsBack()
{
    QFETCH(QString, value);
    QFETCH(QString, readBack);
    QCOMPARE(PlikIni(iniPath()).writeString(u"USB Test"_s, u"8c_1"_s, value), QString());

    const PlikIni ini(iniPath());
    QCOMPARE(ini.readString(u"USB Test"_s, u"8c_1"_s, u"default"_s), readBack);
    QCOMPARE(ini.readInt(u"VEZO"_s, u"Jezyk"_s, -1), -1);
    QCOMPARE(fileBytes().count('\n'), 2);
}

void TstIni::unwritable_data()
{
    QTest::addColumn<bool>("pathIsDirectory");
    // Tests may run as root, for whom permissions do not stop a write; these paths
    // cannot be written by anyone.
    QTest::newRow("parent is a regular file") << false;
    QTest::newRow("path is a directory") << true;
}

void TstIni::unwritable()
{
    QFETCH(bool, pathIsDirectory);
    if (pathIsDirectory) {
        QVERIFY(QDir(m_dir->path()).mkdir(u"vezo.ini"_s));
    } else {
        const QString file = m_dir->path() + u"/plik"_s;
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        Ustaw_Folder_INI(file);
    }

    Nr_Jezyka = Nr_Jezyka_Poprzedni = 3;
    Odczytaj_Nr_Jezyka_z_INI();
    QCOMPARE(Nr_Jezyka, 1);

    Nr_Jezyka = 0;
    QCOMPARE(Zapisz_Nr_Jezyka_do_INI(), u"Unable to write to "_s + Sciezka_Pliku_INI());
    QCOMPARE(Nr_Jezyka, 0);
    QCOMPARE(QFileInfo(Sciezka_Pliku_INI()).isDir(), pathIsDirectory);
}

void TstIni::folderChoice_data()
{
    QTest::addColumn<QString>("program"); // relative to the temporary folder
    QTest::addColumn<bool>("programChosen");

    QTest::newRow("writable program folder") << u"prog"_s << true;
    QTest::newRow("missing program folder") << u"brak/prog"_s << false;
    QTest::newRow("program folder is a file") << u"plik"_s << false;
}

void TstIni::folderChoice()
{
    QFETCH(QString, program);
    QFETCH(bool, programChosen);
    const QString base = m_dir->path() + u'/';
    QVERIFY(QDir(base).mkdir(u"prog"_s));
    QFile file(base + u"plik"_s);
    QVERIFY(file.open(QIODevice::WriteOnly));

    const QString config = base + u"config/vezo"_s;
    const QString chosen = Wybierz_Folder_INI(base + program, config);
    QCOMPARE(chosen, programChosen ? base + program : config);
    QCOMPARE(QFileInfo(config).isDir(), !programChosen);
}

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
