#pragma once
#include "link/FtdiApi.h"
#include "link/Kabel_USB.h"
#include "link/LinkClock.h"
#include "model/Dane_Podstawowe.h"
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// The read and the write of the whole image, from the cable's open to its close. The
// window locks itself before and unlocks itself after; everything it must show or
// decide on the way is asked through the callbacks of Przebieg_VORU, at the moment it
// happens, so its gauge and message boxes keep their order with the traffic.

// Flags of the message boxes the runs ask for.
inline constexpr int MB_Blad = 0x10;         // OK, stop icon
inline constexpr int MB_Ostrzezenie = 0x30;  // OK, exclamation icon
inline constexpr int MB_Pytanie_Uwaga = 0x34; // Yes/No, exclamation icon

// A message box by its texts: string indexes, each followed by its number of line
// breaks (CR LF), and the box's flags.
struct Komunikat_VORU
{
    struct Czesc
    {
        int nr;
        int przerwy;
        bool operator==(const Czesc &o) const { return nr == o.nr && przerwy == o.przerwy; }
    };
    QList<Czesc> czesci;
    int flagi = MB_Ostrzezenie;

    QList<int> Numery() const;
    // The texts in the current language, joined as the parts say.
    QString Tekst() const;
    bool operator==(const Komunikat_VORU &o) const { return czesci == o.czesci && flagi == o.flagi; }
    bool operator!=(const Komunikat_VORU &o) const { return !(*this == o); }
};

enum class Stan_VORU {
    Gotowe,           // all 32 blocks moved
    Brak_Kabla,       // 733: the monitor's last tick found no cable
    Nie_Otwarto,      // 732: the cable did not open
    Brak_Odpowiedzi,  // 731: no supported version, also after the RTS retry
    Zle_Haslo,        // 737 (read) or 730 (write)
    Odmowa,           // write: the question was not answered Yes; nothing written
    Blad_Zbierania,   // write: the editors could not be gathered; nothing written
    Blad_Transmisji,  // a block failed for good: 735/736 (read), 727-729 (write)
};

struct Wynik_VORU
{
    Stan_VORU stan = Stan_VORU::Brak_Kabla;
    bool ok() const { return stan == Stan_VORU::Gotowe; }
    int wersja = 0;              // the last version answer (0: none or not asked)
    int blokiPrzeslane = 0;      // blocks 0 to blokiPrzeslane - 1 went through
    int blokBledu = -1;          // the block that failed for good
    bool zakonczenieWyslane = false; // write: the closing command 22 01 24 went out
    // Every box the run asked for, in order (the question included).
    QList<Komunikat_VORU> komunikaty;
    // When the run changed the RTS line itself (no Zmien_RTS callback): the buttons' new state.
    std::optional<Wynik_RTS> rts;
};

// What a run takes from its caller.
struct Przebieg_VORU
{
    bool Polaczenie_USB = false;   // as the monitor's last tick found it
    QString Haslo_Instalatora;     // text of Edit_Haslo_Instalatora
    bool Tryb_Admin = false;
    Przyciski_RTS Przyciski;       // the RTS buttons; the retry toggles by their caption

    // The version retry: true runs Ustaw_RTS, false Kasuj_RTS, on the window so that
    // its buttons follow. Unset: the run calls them itself and reports Wynik_VORU::rts.
    std::function<void(bool ustaw)> Zmien_RTS;
    // After every version query, with its result (the window selects its module version).
    std::function<void(int wersja)> Wersja;
    // The gauge: position and maximum (31 for a read, 32 for a write).
    std::function<void(int pozycja, int maksimum)> Postep;
    // A warning or error box, at the moment it is due.
    std::function<void(const Komunikat_VORU &)> Pokaz_Komunikat;
    // Write: the overwrite question 725 + 726; true for Yes. Unset counts as No.
    std::function<bool(const Komunikat_VORU &)> Pytanie;
    // Write: gather the editors into the image; false when they cannot be gathered.
    // Unset: the image is written as it stands.
    std::function<bool(Dane_Podstawowe &, int wersja)> Zbierz;
    // Read: show the complete image in the editors.
    std::function<void(const Dane_Podstawowe &, int wersja)> Pokaz;
};

class Odczyt_Zapis_Centrali
{
public:
    static constexpr int Wersja_39 = 0x27;
    static constexpr int Wersja_40 = 0x28;
    static constexpr int Wywolan_Na_Blok = 4;
    static constexpr int Pauza_Po_Zapisie_Bloku_ms = 1;
    static constexpr int Pauza_Po_Bledzie_Zapisu_ms = 10;
    static constexpr int Pauza_Po_Bloku_ms = 5;
    static constexpr int Pauza_Przed_Zakonczeniem_ms = 30;
    static constexpr int Pauza_Po_Zakonczeniu_ms = 10;
    static constexpr int Maks_Postepu_Odczytu = 31;
    static constexpr int Maks_Postepu_Zapisu = 32;
    inline static const QString Prefiks_Hasla = QStringLiteral("2846");

    Odczyt_Zapis_Centrali(FtdiApi &api, LinkClock &clock);

    // The whole image from the unit into `dane`, block by block: after a failure the
    // blocks read so far are in `dane` while the editors (Pokaz not called) keep theirs.
    Wynik_VORU Odczytaj(Dane_Podstawowe &dane, const Przebieg_VORU &p);
    // The editors gathered into `dane` and the whole image written to the unit.
    Wynik_VORU Zapisz(Dane_Podstawowe &dane, const Przebieg_VORU &p);

private:
    struct Start;
    bool wspolnyStart(const Przebieg_VORU &p, Wynik_VORU &w, Start &s);
    bool bramkaHasla(const Przebieg_VORU &p, Start &s) const;
    void komunikat(const Przebieg_VORU &p, Wynik_VORU &w, Stan_VORU stan, Komunikat_VORU k) const;
    void zamknij(Start &s);
    static void pokazPostep(const Przebieg_VORU &p, int pozycja, int maksimum);

    FtdiApi &m_api;
    LinkClock &m_clock;
};
