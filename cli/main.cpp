// vezo-cli: the unit's settings read into a settings file, a settings file written to
// the unit, or a settings file listed, without a window. It runs the same whole-image
// transfers as the program and speaks the language chosen in vezo.ini.
#include "lang/Jezyk_INI.h"
#include "lang/Teksty_WJ.h"
#include "link/Kabel_USB.h"
#include "link/LinkOptions.h"
#include "link/Odczyt_Zapis_Centrali.h"
#include "link/SerialFtdi.h"
#include "model/Plik_Ustawien.h"
#include "model/SettingsTab.h"
#include "model/Tekst_Ustawien.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Exit statuses, also listed in --help.
enum Status {
    Sukces = 0,
    Blad_Centrali = 1,  // no cable, not opened, no answer, transmission error
    Blad_Uzycia = 2,
    Blad_Pliku = 3,
    Zle_Haslo = 4,
    Nie_Potwierdzono = 5,
};

const char Opis_Statusow[] =
    "Exit status: 0 success; 1 no cable, the cable does not open, the unit does not answer or "
    "a transmission error; 2 wrong usage; 3 the settings file cannot be read or written; "
    "4 installer password refused; 5 the overwrite was not confirmed.";

const QString Haslo_Domyslne = QStringLiteral("28460000");
constexpr int Najdluzsze_Haslo = 8;

bool naTerminalu(FILE *f)
{
#ifdef Q_OS_UNIX
    return ::isatty(::fileno(f)) == 1;
#else
    Q_UNUSED(f);
    return false;
#endif
}

// A message box's text as one line: its line breaks become single blanks.
QString jednaLinia(const QString &tekst)
{
    return tekst.split(QRegularExpression(QStringLiteral("[\\r\\n]+")), Qt::SkipEmptyParts).join(QLatin1Char(' ')).simplified();
}

void wypisz(FILE *f, const QString &linia)
{
    std::fputs(linia.toLocal8Bit().constData(), f);
    std::fputc('\n', f);
    std::fflush(f);
}

int blad(int status, const QString &tekst)
{
    wypisz(stderr, QStringLiteral("vezo-cli: ") + jednaLinia(tekst));
    return status;
}

// The progress line on a terminal: carriage-return updated, blanked at the end.
class Pasek
{
public:
    Pasek(const QString &etykieta) : m_etykieta(etykieta), m_wlaczony(naTerminalu(stderr)) {}
    ~Pasek() { zgas(); }

    void pokaz(int pozycja, int maksimum)
    {
        if (!m_wlaczony || maksimum <= 0)
            return;
        constexpr int Szerokosc = 32;
        const int pelne = Szerokosc * pozycja / maksimum;
        const QString linia = QStringLiteral("%1 [%2%3] %4/%5")
                                  .arg(m_etykieta, QString(pelne, QLatin1Char('#')),
                                       QString(Szerokosc - pelne, QLatin1Char('.')))
                                  .arg(pozycja)
                                  .arg(maksimum);
        std::fputs(("\r" + linia).toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        m_dlugosc = int(linia.toLocal8Bit().size());
    }
    void zgas()
    {
        if (m_dlugosc == 0)
            return;
        std::fputs(("\r" + QByteArray(m_dlugosc, ' ') + "\r").constData(), stderr);
        std::fflush(stderr);
        m_dlugosc = 0;
    }

private:
    QString m_etykieta;
    bool m_wlaczony;
    int m_dlugosc = 0;
};

// What the serial backend knows about why it could not open the port.
QString szczegoly(LinkBackend &kabel)
{
    SerialFtdi *s = kabel.serial();
    if (!s || s->lastOpenError() == SerialOpenError::None)
        return QString();
    if (s->lastOpenError() == SerialOpenError::NoPermission)
        return WJ(776).arg(s->lastOpenPort());
    const QString port = s->lastOpenPort();
    return port.isEmpty() ? s->lastOpenErrorDetail() : port + QStringLiteral(": ") + s->lastOpenErrorDetail();
}

// The monitor's notion of a cable: it opens by its description.
bool kabelPodlaczony(FtdiApi &api)
{
    FT_HANDLE h = nullptr;
    if (api.FT_OpenEx(Opis_Kabla_USB, Flagi_Otwarcia_USB, &h) != FT_OK)
        return false;
    api.FT_Close(h);
    return true;
}

int statusPrzebiegu(const Wynik_VORU &w)
{
    switch (w.stan) {
    case Stan_VORU::Gotowe: return Sukces;
    case Stan_VORU::Zle_Haslo: return Zle_Haslo;
    case Stan_VORU::Odmowa: return Nie_Potwierdzono;
    case Stan_VORU::Blad_Zbierania: return Blad_Pliku;
    default: return Blad_Centrali;
    }
}

bool zapytaj(const Komunikat_VORU &pytanie)
{
    std::fputs(pytanie.Tekst().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toLocal8Bit().constData(), stderr);
    std::fputs(QStringLiteral(" [%1/%2] ").arg(WJ(180), WJ(179)).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::string linia;
    if (!std::getline(std::cin, linia))
        return false;
    const QString a = QString::fromLocal8Bit(linia.c_str()).trimmed().toLower();
    return !a.isEmpty() && (WJ(180).toLower().startsWith(a) || QStringLiteral("yes").startsWith(a));
}

// A settings file into the editors, as opening it in the program does.
int otworzPlik(const QString &sciezka, Plik_Ustawien::Wynik_Odczytu &plik, SettingsTab &tab)
{
    plik = Plik_Ustawien::Odczytaj(sciezka);
    switch (plik.stan) {
    case Plik_Ustawien::Wynik_Odczytu::Wczytany:
        tab.D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(plik.dane, Plik_Ustawien::Nr_wersji_Tablicy);
        return Sukces;
    case Plik_Ustawien::Wynik_Odczytu::Odrzucony: {
        QString t = WJ(plik.nr_tekstu);
        if (t.contains(QLatin1String("%1")))
            t = t.arg(sciezka);
        else
            t = sciezka + QStringLiteral(": ") + t;
        return blad(Blad_Pliku, t);
    }
    case Plik_Ustawien::Wynik_Odczytu::Blad:
        break;
    }
    return blad(Blad_Pliku, plik.komunikat);
}

struct Polecenie
{
    QString nazwa;
    QString plik;
    LinkOptions opcje;
    QString haslo;
    bool tak = false;
};

int przebieg(const Polecenie &p)
{
    const bool zapis = p.nazwa == QLatin1String("write");
    Plik_Ustawien::Wynik_Odczytu plik;
    SettingsTab tab;
    Dane_Podstawowe dane;
    if (zapis) {
        if (const int s = otworzPlik(p.plik, plik, tab); s != Sukces)
            return s;
        dane = plik.dane;
        if (!p.tak && !naTerminalu(stdin))
            return blad(Nie_Potwierdzono, QStringLiteral("standard input is not a terminal: pass --yes to overwrite "
                                                         "the unit's settings without the question"));
    } else {
        const QFileInfo cel(p.plik);
        if (!cel.absoluteDir().exists())
            return blad(Blad_Pliku, QStringLiteral("%1: no such folder").arg(QDir::toNativeSeparators(cel.absolutePath())));
        if (cel.isDir())
            return blad(Blad_Pliku, QStringLiteral("%1: is a folder").arg(p.plik));
    }

    LinkBackend::Failure why = LinkBackend::Failure::None;
    QString detail;
    std::unique_ptr<LinkBackend> kabel = LinkBackend::create(p.opcje, &why, &detail);
    if (!kabel) {
        if (why == LinkBackend::Failure::LibraryMissing)
            return blad(Blad_Centrali, WJ(751) + QStringLiteral(" (") + detail + QLatin1Char(')'));
        return blad(Blad_Uzycia, detail);
    }

    Pasek pasek(WJ(zapis ? 43 : 42));
    Przebieg_VORU pr;
    pr.Polaczenie_USB = kabelPodlaczony(kabel->api());
    pr.Haslo_Instalatora = p.haslo;
    pr.Postep = [&](int poz, int maks) { pasek.pokaz(poz, maks); };
    pr.Pokaz_Komunikat = [&](const Komunikat_VORU &k) {
        pasek.zgas();
        QString t = k.Tekst();
        const QList<int> nr = k.Numery();
        if (nr == QList<int>{733} || nr == QList<int>{732}) {
            const QString s = szczegoly(*kabel);
            if (!s.isEmpty())
                t = jednaLinia(t) + QStringLiteral(" (") + s + QLatin1Char(')');
        }
        blad(0, t);
    };
    pr.Pytanie = [&](const Komunikat_VORU &k) {
        if (p.tak)
            return true;
        pasek.zgas();
        return zapytaj(k);
    };
    pr.Zbierz = [&](Dane_Podstawowe &d, int v) { return tab.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(d, v); };
    pr.Pokaz = [&](const Dane_Podstawowe &d, int v) { tab.D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(d, v); };

    Odczyt_Zapis_Centrali run(kabel->api(), kabel->clock());
    const Wynik_VORU w = zapis ? run.Zapisz(dane, pr) : run.Odczytaj(dane, pr);
    pasek.zgas();
    if (w.stan == Stan_VORU::Blad_Zbierania)
        return blad(Blad_Pliku, QStringLiteral("%1: the settings cannot be gathered for writing").arg(p.plik));
    if (w.stan == Stan_VORU::Odmowa)
        return Nie_Potwierdzono;
    if (!w.ok())
        return statusPrzebiegu(w);
    if (zapis)
        return Sukces;

    // Saved as the program saves after a read: the editors gathered into the image.
    if (!tab.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(dane, Plik_Ustawien::Nr_wersji_Tablicy))
        return blad(Blad_Pliku, QStringLiteral("%1: the settings cannot be gathered for saving").arg(p.plik));
    const Plik_Ustawien::Wynik_Zapisu z = Plik_Ustawien::Zapisz(p.plik, dane, QString());
    return z.ok ? Sukces : blad(Blad_Pliku, z.komunikat);
}

int pokaz(const QString &sciezka)
{
    Plik_Ustawien::Wynik_Odczytu plik;
    SettingsTab tab;
    if (const int s = otworzPlik(sciezka, plik, tab); s != Sukces)
        return s;
    for (const QString &linia : Tekst_Ustawien(tab, plik.opis))
        wypisz(stdout, linia);
    return Sukces;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vezo-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEZO_VERSION_TEXT));
    Odczytaj_Nr_Jezyka_z_INI();
    Wczytaj_WJ_do_tablicy();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("VEZO v2.3 on the command line.\n"
                       "  read FILE.qor    read the unit's settings and save them in FILE.qor\n"
                       "  write FILE.qor   write the settings of FILE.qor to the unit\n"
                       "  show FILE.qor    list every setting of FILE.qor\n\n")
        + QLatin1String(Opis_Statusow));
    parser.addHelpOption();
    parser.addVersionOption();
    addLinkOptions(parser);
    parser.addOption({QStringLiteral("password"),
                      QStringLiteral("Installer password: \"2846\" and the unit's four digits (default %1).").arg(Haslo_Domyslne),
                      QStringLiteral("DIGITS"), Haslo_Domyslne});
    parser.addOption({QStringLiteral("yes"), QStringLiteral("write: overwrite the unit's settings without asking.")});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("read, write or show"));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("the settings file (.qor)"));

    if (!parser.parse(app.arguments()))
        return blad(Blad_Uzycia, parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(Sukces);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList args = parser.positionalArguments();
    const QStringList polecenia{QStringLiteral("read"), QStringLiteral("write"), QStringLiteral("show")};
    if (args.isEmpty())
        return blad(Blad_Uzycia, QStringLiteral("no command given: read, write or show (see --help)"));
    if (!polecenia.contains(args[0]))
        return blad(Blad_Uzycia, QStringLiteral("%1 is not a command: read, write or show").arg(args[0]));
    if (args.size() != 2)
        return blad(Blad_Uzycia, QStringLiteral("%1 takes one settings file").arg(args[0]));

    Polecenie p;
    p.nazwa = args[0];
    p.plik = args[1];
    if (p.nazwa == QLatin1String("show"))
        return pokaz(p.plik);

    QString error;
    if (!readLinkOptions(parser, &p.opcje, &error))
        return blad(Blad_Uzycia, error);
    p.haslo = parser.value(QStringLiteral("password"));
    const bool cyfry = std::all_of(p.haslo.begin(), p.haslo.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (!cyfry || p.haslo.size() > Najdluzsze_Haslo)
        return blad(Blad_Uzycia, QStringLiteral("--password: %1 is not up to %2 digits").arg(p.haslo).arg(Najdluzsze_Haslo));
    p.tak = parser.isSet(QStringLiteral("yes"));
    return przebieg(p);
}
