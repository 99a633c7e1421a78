#include <QtTest>

#include "lang/Teksty_WJ.h"

using namespace Qt::StringLiterals;

class TstTeksty : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Wczytaj_WJ_do_tablicy(); }

    void slotRules_data();
    void slotRules();
    void statusTextsTrailingBlanks_data();
    void statusTextsTrailingBlanks();
    void entriesAndGaps();
};

void TstTeksty::slotRules_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("PL entry with blanks at both ends") << 0 << 30 << u" Operacje na plikach "_s;
    QTest::newRow("EN entry with blanks at both ends") << 1 << 30 << u" Operations on files "_s;
    QTest::newRow("PL double blank") << 0 << 27 << u"O  USB"_s;
    QTest::newRow("PL own spelling") << 0 << 504 << u"od adresiu unifonu nr:"_s;
    QTest::newRow("EN own spelling") << 1 << 736 << u"Data were not readed from VEZO."_s;
    QTest::newRow("PL 65 empty") << 0 << 65 << QString();
    QTest::newRow("EN 65 empty") << 1 << 65 << QString();
    QTest::newRow("SK 65 empty") << 5 << 65 << QString();
    QTest::newRow("DE 65 placeholder") << 2 << 65 << u"?65"_s;
    QTest::newRow("PL 105 empty") << 0 << 105 << QString();
    QTest::newRow("DE 105 empty") << 2 << 105 << QString();
    QTest::newRow("CZ 105 empty") << 4 << 105 << QString();
    QTest::newRow("EN 472 stays Polish") << 1 << 472 << u"Anuluj"_s;
    QTest::newRow("EN 510 empty") << 1 << 510 << QString();
    QTest::newRow("PL 510") << 0 << 510 << u"tabela kodów lokali."_s;
    QTest::newRow("SK 510 empty") << 5 << 510 << QString();
    QTest::newRow("EN 642 placeholder") << 1 << 642 << u"?642"_s;
    QTest::newRow("PL 642") << 0 << 642 << u"Przerwa między dzwon"_s;
    QTest::newRow("SK placeholder") << 5 << 18 << u"?18"_s;
    QTest::newRow("SK 642 placeholder") << 5 << 642 << u"?642"_s;
    QTest::newRow("SK translated message") << 5 << 417 << u"Nedá sa otvoriť prenos!"_s;
    QTest::newRow("SK message, no blank before quote")
        << 5 << 461
        << u"Nie je vytvorená žiadna tabuľka kódov. Ak chcete nastaviť celú tabuľku kódov v súlade "
           "s vybranými číslami tabuľky kódov, najprv musíte stlačiť tlačidlo\"Vytvorenie tabuľky "
           "kódov\"."_s;
    QTest::newRow("DE 85") << 2 << 85 << u"Softwareversion der Station"_s;
    QTest::newRow("DE 181") << 2 << 181 << u"Resetmöglichkeit"_s;
    QTest::newRow("DE other entry placeholder") << 2 << 20 << u"?20"_s;
    QTest::newRow("RU placeholder") << 3 << 20 << u"?20"_s;
    QTest::newRow("RU 85 placeholder") << 3 << 85 << u"?85"_s;
    QTest::newRow("no entry PL") << 0 << 6 << QString();
    QTest::newRow("no entry SK") << 5 << 800 << QString();
    QTest::newRow("EN own addition") << 1 << 775
                                      << u"The file %1 is too short to be a VEZO settings file; "
                                         "it was not opened."_s;
    QTest::newRow("RU own addition placeholder") << 3 << 776 << u"?776"_s;
    QTest::newRow("slot out of range") << 6 << 0 << QString();
    QTest::newRow("index out of range") << 1 << 801 << QString();
}

void TstTeksty::slotRules()
{
    QFETCH(int, slot);
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(Teksty_WJ(slot, index), text);
}

// The monitor paints these over older text, so the blank runs are part of them.
void TstTeksty::statusTextsTrailingBlanks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("blanksPl");
    QTest::addColumn<int>("blanksEn");
    QTest::newRow("770") << 770 << 9 << 7;
    QTest::newRow("771") << 771 << 2 << 6;
    QTest::newRow("772") << 772 << 1 << 1;
    QTest::newRow("773") << 773 << 15 << 11;
}

void TstTeksty::statusTextsTrailingBlanks()
{
    QFETCH(int, index);
    QFETCH(int, blanksPl);
    QFETCH(int, blanksEn);
    const auto trailing = [](const QString &s) {
        qsizetype n = 0;
        while (n < s.size() && s.at(s.size() - 1 - n) == QLatin1Char(' '))
            ++n;
        return n;
    };
    QCOMPARE(trailing(Teksty_WJ(0, index)), blanksPl);
    QCOMPARE(trailing(Teksty_WJ(1, index)), blanksEn);
    QVERIFY(!Teksty_WJ(0, index).trimmed().isEmpty());
}

void TstTeksty::entriesAndGaps()
{
    // 296 listed indexes and the program's own 775 to 777.
    int entries = 0;
    for (int i = 0; i < Liczba_Tekstow; ++i) {
        if (Jest_Wpis_WJ(i)) {
            ++entries;
            continue;
        }
        for (int slot = 0; slot < Liczba_Jezykow; ++slot)
            QVERIFY2(Teksty_WJ(slot, i).isEmpty(), qPrintable(QString::number(i)));
    }
    QCOMPARE(entries, 299);
    QVERIFY(Jest_Wpis_WJ(777));
    QVERIFY(!Jest_Wpis_WJ(778));
}

QTEST_GUILESS_MAIN(TstTeksty)
#include "tst_teksty.moc"
