#include <QtTest>
#include "lang/Teksty_WJ.h"

class tst_smoke : public QObject
{
    Q_OBJECT
private slots:
    void tableHasSixSlots() { QVERIFY(Teksty_WJ(5, 800).isEmpty()); }
};

QTEST_MAIN(tst_smoke)
#include "tst_smoke.moc"
