#include "model/Plik_Ustawien.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

#include <cstring>

namespace Plik_Ustawien {

namespace {

// The code page of the installations that write these files, so that Polish letters
// survive a move between machines. Qt without ICU may not know it by name: the
// description then falls back to Latin-1 rather than the file being refused.
constexpr const char *Strona_Kodowa = "windows-1250";

QByteArray zakoduj(const QString &opis)
{
    QStringEncoder koder(Strona_Kodowa);
    if (!koder.isValid())
        return opis.toLatin1();
    QByteArray bajty = koder.encode(opis);
    // A letter the code page lacks comes out as SUB; a question mark reads better.
    if (koder.hasError())
        bajty.replace('\x1A', '?');
    return bajty;
}

QString odkoduj(const QByteArray &bajty)
{
    QStringDecoder dekoder(Strona_Kodowa);
    if (!dekoder.isValid())
        return QString::fromLatin1(bajty);
    return dekoder.decode(bajty);
}

void zapisz_slowo(QByteArray &bajty, int pozycja, qint32 v)
{
    qToLittleEndian<qint32>(v, bajty.data() + pozycja);
}

qint32 slowo(const QByteArray &bajty, int pozycja)
{
    // Byte by byte: the compiler cannot prove a raw read of four bytes in bounds.
    quint32 v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | quint8(bajty.at(pozycja + k));
    return qint32(v);
}

QString tekst_bledu(const QString &sciezka, const QFileDevice &plik)
{
    return QDir::toNativeSeparators(sciezka) + QStringLiteral(": ") + plik.errorString();
}

Wynik_Odczytu odrzucony(int nr_tekstu)
{
    Wynik_Odczytu w;
    w.stan = Wynik_Odczytu::Odrzucony;
    w.nr_tekstu = nr_tekstu;
    return w;
}

} // namespace

QByteArray Zbuduj(const Dane_Podstawowe &dane, const QString &opis)
{
    QByteArray bajty(Rozmiar, '\0');
    zapisz_slowo(bajty, 0, Slowo_Formatu);
    zapisz_slowo(bajty, 4, Numer_Urzadzenia);
    zapisz_slowo(bajty, 8, Nr_wersji_Tablicy);
    const QByteArray tekst = zakoduj(opis).left(Pojemnosc_Opisu);
    bajty[Pozycja_Dlugosci_Opisu] = char(tekst.size());
    std::memcpy(bajty.data() + Pozycja_Opisu, tekst.constData(), size_t(tekst.size()));
    std::memcpy(bajty.data() + Pozycja_Obrazu, dane.data(), Dane_Podstawowe::Rozmiar);
    return bajty;
}

Wynik_Odczytu Rozbierz(const QByteArray &bajty)
{
    if (bajty.size() < Rozmiar_Naglowka)
        return odrzucony(Tekst_Za_Krotki);
    if (slowo(bajty, 4) != Numer_Urzadzenia)
        return odrzucony(Tekst_Inne_Urzadzenie);
    if (slowo(bajty, 8) != Nr_wersji_Tablicy)
        return odrzucony(Tekst_Inna_Wersja);
    if (bajty.size() < Rozmiar)
        return odrzucony(Tekst_Za_Krotki);

    Wynik_Odczytu w;
    w.stan = Wynik_Odczytu::Wczytany;
    const int dlugosc = qMin(int(quint8(bajty[Pozycja_Dlugosci_Opisu])), Pojemnosc_Opisu);
    w.opis = odkoduj(bajty.mid(Pozycja_Opisu, dlugosc));
    std::memcpy(w.dane.data(), bajty.constData() + Pozycja_Obrazu, Dane_Podstawowe::Rozmiar);
    return w;
}

Wynik_Odczytu Odczytaj(const QString &sciezka)
{
    QFile plik(sciezka);
    Wynik_Odczytu w;
    if (!plik.open(QIODevice::ReadOnly)) {
        w.komunikat = tekst_bledu(sciezka, plik);
        return w;
    }
    const QByteArray bajty = plik.read(Rozmiar);
    if (plik.error() != QFileDevice::NoError) {
        w.komunikat = tekst_bledu(sciezka, plik);
        return w;
    }
    return Rozbierz(bajty);
}

Wynik_Zapisu Zapisz(const QString &sciezka, const Dane_Podstawowe &dane, const QString &opis)
{
    Wynik_Zapisu w;
    QSaveFile plik(sciezka);
    // Unbuffered: a buffered flush that writes only part (full disk, size limit) is not
    // reported as a failure, and the truncated file would be committed.
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        w.komunikat = tekst_bledu(sciezka, plik);
        return w;
    }
    const QByteArray bajty = Zbuduj(dane, opis);
    for (qint64 zapisane = 0; zapisane < bajty.size();) {
        const qint64 n = plik.write(bajty.constData() + zapisane, bajty.size() - zapisane);
        if (n <= 0) {
            w.komunikat = tekst_bledu(sciezka, plik);
            plik.cancelWriting();
            return w;
        }
        zapisane += n;
    }
    if (!plik.commit()) {
        w.komunikat = tekst_bledu(sciezka, plik);
        return w;
    }
    w.ok = true;
    return w;
}

} // namespace Plik_Ustawien
